#include "core/jet_recordset.h"

#include "core/jet_attempts.h"
#include "core/jet_connection.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>

namespace {

const QString kRowId = QStringLiteral("vmr_rowid_");

QStringList quotedList(const QStringList& names)
{
    QStringList list;
    for (const QString& name : names)
        list.append(JetQuoted(name));
    return list;
}

QString unquoted(QString name)
{
    if (name.size() >= 2 && (name.front() == u'"' || name.front() == u'['))
        name = name.mid(1, name.size() - 2);
    return name;
}

struct Editable
{
    QString table;
    QString text; // the SELECT with the row number as its first column
};

// A SELECT of plain columns from one table, without grouping, can be changed row by row.
Editable editableSelect(const QString& text)
{
    static const QRegularExpression select(
        R"(^\s*SELECT\s+(\*|[\w\s,"]+?)\s+FROM\s+("[^"]+"|\[[^\]]+\]|\w+)((\s+(WHERE|ORDER\s+BY)\s.*)?)$)",
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption
            | QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression grouping(R"(\b(GROUP\s+BY|UNION|DISTINCT|JOIN)\b)",
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = select.match(text);
    if (!m.hasMatch() || grouping.match(text).hasMatch())
        return {};
    const QString table = unquoted(m.captured(2));
    return {table, "SELECT rowid AS " + kRowId + ", " + m.captured(1) + " FROM " + JetQuoted(table)
                       + m.captured(3)};
}

} // namespace

JetRecordset::JetRecordset(std::shared_ptr<JetConnection> connection, const QString& table)
    : m_connection(std::move(connection)), m_table(table)
{
}

bool JetRecordset::load(const JetSql& source, JetError& error)
{
    QSqlQuery query(m_connection->sql());
    query.setForwardOnly(true);
    if (!JetRun(query, source)) {
        error = JetErrorOf(query.lastError());
        return false;
    }
    const QSqlRecord record = query.record();
    const int first = !m_table.isEmpty() ? 1 : 0;
    m_names.clear();
    m_columns.clear();
    for (int i = first; i < record.count(); ++i) {
        m_columns.insert(record.fieldName(i).toLower(), i - first);
        m_names.append(record.fieldName(i));
    }
    m_exactColumns.clear();
    for (int i = 0; i < m_names.size(); ++i)
        m_exactColumns.insert(m_names[i], m_columns.value(m_names[i].toLower()));
    m_rows.clear();
    m_rowIds.clear();
    while (query.next()) {
        QVariantList row;
        row.reserve(record.count() - first);
        for (int i = first; i < record.count(); ++i)
            row.append(query.value(i));
        m_rows.push_back(std::move(row));
        if (first)
            m_rowIds.push_back(query.value(0).toLongLong());
    }
    m_position = 0;
    return true;
}

QVariant JetRecordset::Field(const QString& name) const
{
    if (AtEnd())
        return QVariant();
    const auto exact = m_exactColumns.constFind(name);
    if (exact != m_exactColumns.cend())
        return m_rows[m_position].at(*exact);
    const auto column = m_columns.constFind(name.toLower());
    if (column == m_columns.cend())
        return QVariant();
    return m_rows[m_position].at(*column);
}

void JetRecordset::AddNew()
{
    m_pending = Pending::Add;
    m_values.clear();
}

bool JetRecordset::Edit()
{
    if (m_table.isEmpty() || AtEnd())
        return false;
    m_pending = Pending::Edit;
    m_values.clear();
    return true;
}

void JetRecordset::SetField(const QString& name, const QVariant& value)
{
    for (auto& pair : m_values) {
        if (pair.first.size() == name.size() && pair.first.compare(name, Qt::CaseInsensitive) == 0) {
            pair.second = value;
            return;
        }
    }
    m_values.append({name, value});
}

void JetRecordset::CancelUpdate()
{
    m_pending = Pending::None;
    m_values.clear();
}

QSqlQuery& JetRecordset::prepared(const QString& key, const std::function<QString()>& text)
{
    auto& statement = m_statements[key];
    if (!statement) {
        statement = std::make_shared<QSqlQuery>(m_connection->sql());
        statement->prepare(text());
    }
    return *statement;
}

bool JetRecordset::write(QSqlQuery& query, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec()) {
        m_lastError = JetErrorOf(query.lastError());
        return false;
    }
    m_lastInsertId = query.lastInsertId().toLongLong();
    return true;
}

bool JetRecordset::Update()
{
    const Pending pending = m_pending;
    m_pending = Pending::None;
    if (pending == Pending::None || m_table.isEmpty()) {
        m_lastError = {-1, QStringLiteral("no row is being added or edited")};
        return false;
    }
    QStringList names;
    QVariantList values;
    names.reserve(m_values.size());
    values.reserve(m_values.size() + 1);
    for (const auto& [name, value] : m_values) {
        names.append(name);
        values.append(value);
    }
    if (pending == Pending::Add)
        return insert(names, values);
    if (names.isEmpty())
        return true;
    values.append(m_rowIds[m_position]);
    const auto text = [&] {
        return "UPDATE " + JetQuoted(m_table) + " SET " + quotedList(names).join(" = ?, ") + " = ? WHERE rowid = ?";
    };
    if (!write(prepared("U" + names.join(","), text), values))
        return false;
    for (const auto& [name, value] : m_values) {
        const auto column = m_columns.constFind(name.toLower());
        if (column != m_columns.cend())
            m_rows[m_position][*column] = value;
    }
    return true;
}

bool JetRecordset::AddRow(const QStringList& names, const QVariantList& values)
{
    CancelUpdate();
    if (m_table.isEmpty()) {
        m_lastError = {-1, QStringLiteral("no row is being added or edited")};
        return false;
    }
    return insert(names, values);
}

bool JetRecordset::insert(const QStringList& names, const QVariantList& values)
{
    // Rows added one after another mostly set the same columns: their statement is kept.
    if (!m_insertStatement || names != m_insertNames) {
        m_insertNames = names;
        m_insertStatement = &prepared("I" + names.join(","), [&] {
            if (names.isEmpty())
                return "INSERT INTO " + JetQuoted(m_table) + " DEFAULT VALUES";
            const QString marks = QString("?, ").repeated(names.size()).chopped(2);
            return "INSERT INTO " + JetQuoted(m_table) + " (" + quotedList(names).join(", ") + ") VALUES (" + marks
                + ")";
        });
    }
    return write(*m_insertStatement, values);
}

bool JetOpenRST(JetDatabase& db, JetRsPtr& rs, const JetSql& source, int type)
{
    JetSql statement = source;
    QString table;
    if (type == dbOpenTable) {
        table = source.text;
        statement.text = "SELECT rowid AS " + kRowId + ", * FROM " + JetQuoted(table);
    } else {
        const Editable editable = editableSelect(source.text);
        if (!editable.table.isEmpty()) {
            table = editable.table;
            statement.text = editable.text;
        }
    }
    JetAttempts attempts("JetOpenRST", source.display(), 4);
    attempts.askWhenFileIsLost();
    for (;;) {
        auto opened = std::make_unique<JetRecordset>(db.connection(), table);
        JetError error;
        if (opened->load(statement, error)) {
            rs = std::move(opened);
            return true;
        }
        if (!attempts.retryAfter(error, 1))
            return false;
    }
}
