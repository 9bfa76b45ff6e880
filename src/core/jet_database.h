#pragma once

#include <QSqlDatabase>
#include <QString>

#include "core/jet_attempts.h"

#include <memory>

// One open local database file (SQLite under the file's own name, "VmrBooking.mdb"...). Each
// handle has a connection of its own, so a handler that runs inside a wait may open the same file
// again. The connection ends when the handle and every record set opened on it are gone.
class JetConnection;

class JetDatabase
{
public:
    explicit JetDatabase(std::shared_ptr<JetConnection> connection);
    ~JetDatabase();
    JetDatabase(const JetDatabase&) = delete;
    JetDatabase& operator=(const JetDatabase&) = delete;

    QString path() const;
    QSqlDatabase sql() const;
    const std::shared_ptr<JetConnection>& connection() const { return m_connection; }

    // One transaction around a bulk write; the rows are on disk after CommitTrans.
    bool BeginTrans();
    bool CommitTrans();
    bool Rollback();

private:
    std::shared_ptr<JetConnection> m_connection;
};

using JetDbPtr = std::unique_ptr<JetDatabase>;

// Opens the database file at the path, shared and writable. A missing file is never created: the
// user is told ("데이터베이스 '<path>'에 접근할 수 없습니다.파일이 없거나, 네트웍이 끊긴 상태입니다.")
// and the call fails at once. Passing failures are tried three times in all (JetAttempts). On
// success the handle is set; on failure it is left as it was, and failure (when given) says why.
bool JetOpenDB(JetDbPtr& db, const QString& path, JetError* failure = nullptr);
