#pragma once

#include "core/jet_attempts.h"
#include "core/jet_database.h"
#include "core/jet_sql.h"

#include <QHash>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

// Kinds of record set: a table opened by its name (rows are added to it), or the rows of a
// SELECT. Either is editable when it reads one table without grouping.
enum JetRecordsetType : int { dbOpenTable = 1, dbOpenDynaset = 2 };

// The rows of a table or a SELECT, all read when it opens: the record count is complete at once
// and the current row is the first. Rows are added with AddNew, SetField..., Update and changed
// with Edit, SetField..., Update; columns not set keep their value (or the table's default).
// Field names are matched without regard to case.
class JetRecordset
{
public:
    JetRecordset(std::shared_ptr<JetConnection> connection, const QString& table);

    // Reads the rows; a failure is returned as it came from the engine.
    bool load(const JetSql& source, JetError& error);

    int RecordCount() const { return static_cast<int>(m_rows.size()); }
    bool AtEnd() const { return m_position >= RecordCount(); }
    void MoveFirst() { m_position = 0; }
    void MoveNext() { ++m_position; }

    QStringList FieldNames() const { return m_names; }
    // The value of the current row; an invalid value for an unknown field or past the end.
    QVariant Field(const QString& name) const;

    void AddNew();
    // Adds a row with the named columns set to the values at once, as AddNew, SetField... and
    // Update would; rows added one after another with the same list of names (best the same
    // list) reuse one prepared statement.
    bool AddRow(const QStringList& names, const QVariantList& values);
    // False when the record set cannot be changed (grouped, joined) or has no current row.
    bool Edit();
    void SetField(const QString& name, const QVariant& value);
    // Writes the pending row; false (and LastError) when the engine refuses it.
    bool Update();
    void CancelUpdate();
    JetError LastError() const { return m_lastError; }
    // The row number SQLite gave the last row added.
    qint64 LastInsertId() const { return m_lastInsertId; }

private:
    enum class Pending { None, Add, Edit };
    // The statement prepared once per column list (the key), its text made on first use.
    QSqlQuery& prepared(const QString& key, const std::function<QString()>& text);
    bool write(QSqlQuery& query, const QVariantList& values);
    bool insert(const QStringList& names, const QVariantList& values);

    std::shared_ptr<JetConnection> m_connection;
    QString m_table;
    QStringList m_names;
    QHash<QString, int> m_columns;        // by the lower-case name
    QHash<QString, int> m_exactColumns;   // by the name as the engine gave it, read without lowering
    std::vector<QVariantList> m_rows;
    std::vector<qint64> m_rowIds;
    int m_position = 0;
    Pending m_pending = Pending::None;
    QList<std::pair<QString, QVariant>> m_values;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
    QStringList m_insertNames;   // the columns of the last row added, and its statement
    QSqlQuery* m_insertStatement = nullptr;
    JetError m_lastError;
    qint64 m_lastInsertId = 0;
};

using JetRsPtr = std::unique_ptr<JetRecordset>;

// Opens a record set on an open database: a table by its name with dbOpenTable, a SELECT with
// dbOpenDynaset. Passing failures are tried four times in all (JetAttempts); when the file has
// gone away the user is asked "서버 연결을 재시도 하시겠습니까?". On success the record set is set.
bool JetOpenRST(JetDatabase& db, JetRsPtr& rs, const JetSql& source, int type);
