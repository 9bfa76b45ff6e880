#include "core/jet_sql.h"

#include <QSqlQuery>

namespace {

QString literal(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("Null");
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return value.toString();
    case QMetaType::QDate:
        return "#" + value.toDate().toString(QStringLiteral("yyyy-MM-dd")) + "#";
    default:
        return "'" + value.toString().replace("'", "''") + "'";
    }
}

} // namespace

QString JetSql::display() const
{
    QString shown;
    shown.reserve(text.size());
    qsizetype next = 0;
    for (const QChar c : text) {
        if (c == u'?' && next < params.size())
            shown += literal(params.at(next++));
        else
            shown += c;
    }
    return shown;
}

QString JetQuoted(const QString& name)
{
    return "\"" + QString(name).replace("\"", "\"\"") + "\"";
}

bool JetRun(QSqlQuery& query, const JetSql& sql)
{
    if (!query.prepare(sql.text))
        return false;
    for (const QVariant& value : sql.params)
        query.addBindValue(value);
    return query.exec();
}
