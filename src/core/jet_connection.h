#pragma once

#include <QSqlDatabase>
#include <QString>

// A named SQLite connection of one database handle. It is removed when the last user (the handle
// or a record set opened on it) lets go of it.
class JetConnection
{
public:
    JetConnection(const QString& name, const QString& path) : m_name(name), m_path(path) {}
    ~JetConnection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    JetConnection(const JetConnection&) = delete;
    JetConnection& operator=(const JetConnection&) = delete;

    QSqlDatabase sql() const { return QSqlDatabase::database(m_name, false); }
    const QString& path() const { return m_path; }

private:
    QString m_name;
    QString m_path;
};
