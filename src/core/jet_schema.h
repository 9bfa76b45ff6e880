#pragma once

#include "core/jet_attempts.h"
#include "core/jet_database.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// Table and field definitions of the local databases. SQLite keeps no declared sizes or field
// properties, so every file carries a side table "vmr_fields" with one row per field: its type
// ("Text", "Memo", "Long", "Integer", "Date/Time", "Yes/No", "AutoNumber"), the size of a text
// field, and the properties "AllowZeroLength", "UnicodeCompression", "Description" and
// "DefaultValue".

// The statement that creates the side table when it is missing.
QString JetFieldTableSql();

struct JetField
{
    QString name;
    QString type; // "Text" (with a size) or "Long"
    int size = 0;
    QVariant defaultValue; // null: none
};

// The names of the table's fields in their order; no value when the table does not exist.
std::optional<QStringList> JetFieldNames(JetDatabase& db, const QString& table, JetError& error);

// The declared size of a text field; no value when the side table does not know it.
std::optional<int> JetFieldSize(JetDatabase& db, const QString& table, const QString& field);

// Appends the field to the table and records its type, size and default.
bool JetAppendField(JetDatabase& db, const QString& table, const JetField& field, JetError& error);

// Sets one property of a field ("AllowZeroLength", "UnicodeCompression", "Description",
// "DefaultValue") in the side table.
bool JetSetFieldProperty(JetDatabase& db, const QString& table, const QString& field,
                         const QString& property, const QVariant& value, JetError& error);

// Gives a text field a new declared size. SQLite cannot change a column in place, so the table is
// rebuilt under the new definition, rows, indexes and numbering kept, in one transaction: the
// table is the old one or the new one, never half of each. Statements run through JetExec.
bool JetResizeTextField(JetDatabase& db, const QString& table, const QString& field, int size);
