#include "core/jet_schema.h"

#include "core/jet_exec.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

bool run(JetDatabase& db, const JetSql& sql, JetError& error)
{
    QSqlQuery query(db.sql());
    if (JetRun(query, sql))
        return true;
    error = JetErrorOf(query.lastError());
    return false;
}

const QHash<QString, QString>& propertyColumns()
{
    static const QHash<QString, QString> columns{
        {"AllowZeroLength", "allow_zero_length"},
        {"UnicodeCompression", "unicode_compression"},
        {"Description", "description"},
        {"DefaultValue", "default_value"},
    };
    return columns;
}

struct Column
{
    QString name;
    QString type;
    bool notNull = false;
    QVariant defaultSql;
    int primaryKey = 0;
};

QList<Column> columnsOf(JetDatabase& db, const QString& table)
{
    QList<Column> columns;
    QSqlQuery query(db.sql());
    if (!query.exec("PRAGMA table_info(" + JetQuoted(table) + ")"))
        return columns;
    while (query.next())
        columns.append({query.value(1).toString(), query.value(2).toString(), query.value(3).toBool(),
                        query.value(4), query.value(5).toInt()});
    return columns;
}

QString schemaSql(JetDatabase& db, const QString& type, const QString& name)
{
    QSqlQuery query(db.sql());
    return JetRun(query, {"SELECT sql FROM sqlite_master WHERE type = ? AND name = ?", {type, name}}) && query.next() ? query.value(0).toString() : QString();
}

QStringList indexSqls(JetDatabase& db, const QString& table)
{
    QStringList sqls;
    QSqlQuery query(db.sql());
    if (JetRun(query, {"SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ? AND sql IS NOT NULL", {table}}))
        while (query.next())
            sqls.append(query.value(0).toString());
    return sqls;
}

QString createSql(const QString& table, const QList<Column>& columns, bool autoIncrement)
{
    QStringList keys;
    for (const Column& c : columns)
        if (c.primaryKey > 0)
            keys.append(JetQuoted(c.name));
    QStringList parts;
    for (const Column& c : columns) {
        QString part = JetQuoted(c.name) + " " + c.type;
        if (c.primaryKey > 0 && keys.size() == 1)
            part += autoIncrement ? " PRIMARY KEY AUTOINCREMENT" : " PRIMARY KEY";
        if (c.notNull)
            part += " NOT NULL";
        if (!c.defaultSql.isNull())
            part += " DEFAULT " + c.defaultSql.toString();
        parts.append(part);
    }
    if (keys.size() > 1)
        parts.append("PRIMARY KEY (" + keys.join(", ") + ")");
    return "CREATE TABLE " + JetQuoted(table) + " (" + parts.join(", ") + ")";
}

bool execAll(JetDatabase& db, const QList<JetSql>& statements)
{
    long rows = 0;
    for (const JetSql& sql : statements)
        if (!JetExec(db, sql, rows))
            return false;
    return true;
}

// Records a field's type and size in the side table, keeping its other properties.
JetSql recordFieldSql(const QString& table, const QString& field, const QString& type, const QVariant& size)
{
    return {"INSERT INTO vmr_fields (table_name, field_name, field_type, field_size) VALUES (?, ?, ?, ?)"
            " ON CONFLICT (table_name, field_name) DO UPDATE SET field_type = excluded.field_type,"
            " field_size = excluded.field_size",
            {table, field, type, size}};
}

} // namespace

QString JetFieldTableSql()
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS vmr_fields ("
                          "table_name TEXT NOT NULL, "
                          "field_name TEXT NOT NULL, "
                          "field_type TEXT NOT NULL, "
                          "field_size INTEGER, "
                          "allow_zero_length INTEGER NOT NULL DEFAULT 0, "
                          "unicode_compression INTEGER NOT NULL DEFAULT 0, "
                          "description TEXT, "
                          "default_value TEXT, "
                          "PRIMARY KEY (table_name, field_name))");
}

std::optional<QStringList> JetFieldNames(JetDatabase& db, const QString& table, JetError& error)
{
    const QList<Column> columns = columnsOf(db, table);
    if (columns.isEmpty()) {
        error = {1, "no such table: " + table};
        return std::nullopt;
    }
    QStringList names;
    for (const Column& c : columns)
        names.append(c.name);
    return names;
}

std::optional<int> JetFieldSize(JetDatabase& db, const QString& table, const QString& field)
{
    QSqlQuery query(db.sql());
    if (!JetRun(query, {"SELECT field_size FROM vmr_fields WHERE table_name = ? AND field_name = ?", {table, field}})
        || !query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toInt();
}

bool JetAppendField(JetDatabase& db, const QString& table, const JetField& field, JetError& error)
{
    const bool text = field.type == "Text";
    QString definition = JetQuoted(field.name) + (text ? " VARCHAR(" + QString::number(field.size) + ")" : " INTEGER");
    if (!field.defaultValue.isNull())
        definition += " DEFAULT " + (text ? "'" + field.defaultValue.toString().replace("'", "''") + "'"
                                          : QString::number(field.defaultValue.toLongLong()));
    const QVariant size = text ? QVariant(field.size) : QVariant();
    return run(db, "ALTER TABLE " + JetQuoted(table) + " ADD COLUMN " + definition, error)
           && run(db, JetFieldTableSql(), error)
           && run(db, recordFieldSql(table, field.name, field.type, size), error);
}

bool JetSetFieldProperty(JetDatabase& db, const QString& table, const QString& field,
                         const QString& property, const QVariant& value, JetError& error)
{
    const QString column = propertyColumns().value(property);
    if (column.isEmpty()) {
        error = {1, "no such property: " + property};
        return false;
    }
    const QVariant stored = value.typeId() == QMetaType::Bool ? QVariant(value.toBool() ? 1 : 0) : value;
    return run(db,
             {"UPDATE vmr_fields SET " + column + " = ? WHERE table_name = ? AND field_name = ?",
              {stored, table, field}},
             error);
}

bool JetResizeTextField(JetDatabase& db, const QString& table, const QString& field, int size)
{
    QList<Column> columns = columnsOf(db, table);
    QStringList names;
    bool found = false;
    for (Column& c : columns) {
        names.append(JetQuoted(c.name));
        if (c.name.compare(field, Qt::CaseInsensitive) == 0) {
            c.type = "VARCHAR(" + QString::number(size) + ")";
            found = true;
        }
    }
    if (!found)
        return false;
    const bool autoIncrement = schemaSql(db, "table", table).contains("AUTOINCREMENT", Qt::CaseInsensitive);
    const QString rebuilt = table + "_vmr_rebuilt";
    const QString list = names.join(", ");
    QList<JetSql> statements{
        createSql(rebuilt, columns, autoIncrement),
        "INSERT INTO " + JetQuoted(rebuilt) + " (" + list + ") SELECT " + list + " FROM " + JetQuoted(table),
        "DROP TABLE " + JetQuoted(table),
        "ALTER TABLE " + JetQuoted(rebuilt) + " RENAME TO " + JetQuoted(table),
    };
    for (const QString& index : indexSqls(db, table))
        statements.append(index);
    if (autoIncrement) {
        QSqlQuery seq(db.sql());
        if (JetRun(seq, {"SELECT seq FROM sqlite_sequence WHERE name = ?", {table}}) && seq.next())
            statements.append({"UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE name = ?",
                               {seq.value(0).toLongLong(), table}});
    }
    statements.append(JetFieldTableSql());
    statements.append(recordFieldSql(table, field, "Text", size));
    if (!db.BeginTrans())
        return false;
    if (!execAll(db, statements)) {
        db.Rollback();
        return false;
    }
    return db.CommitTrans();
}
