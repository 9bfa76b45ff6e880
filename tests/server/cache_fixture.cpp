#include "cache_fixture.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

template <typename Work>
void onCache(const QString& path, Work work)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "cache_fixture");
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase("cache_fixture");
}

} // namespace

QStringList CacheTest::rows(const QString& columns, const QString& orderBy) const
{
    QStringList result;
    onCache(dir.file("VmrBooking.mdb"), [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec("SELECT " + columns + " FROM 예약 ORDER BY " + orderBy));
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values.append(query.value(i).isNull() ? "-" : query.value(i).toString());
            result.append(values.join("|"));
        }
    });
    return result;
}

void CacheTest::exec(const QStringList& statements) const
{
    onCache(dir.file("VmrBooking.mdb"), [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        for (const QString& statement : statements)
            EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
    });
}

QString ListRecord(const QList<std::pair<QString, QString>>& fields)
{
    QString record;
    for (const auto& [name, value] : fields)
        record += " " + name + "[" + value + "]" + name + " ";
    return record;
}

QString ListAnswer(const QStringList& records)
{
    QString answer = ListRecord({{"allcount", QString::number(records.size())}, {"scount", "0"}});
    for (const QString& record : records)
        answer += "<menubrrs>" + record;
    return answer;
}

QString PartyBlockOf(const QString& scheme, const QList<std::pair<QString, int>>& counts)
{
    QString block = "<persontype>" + scheme + "</persontype>";
    for (const auto& [tag, count] : counts)
        block += "<" + tag + ">" + QString::number(count) + "</" + tag + ">";
    return block;
}
