#include "core/jet_database.h"

#include "core/jet_attempts.h"
#include "core/jet_connection.h"
#include "core/jet_exec.h"
#include "core/log.h"
#include "platform/message_box.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

namespace {

constexpr int kBusyTimeoutMs = 3000;
// The engine's own number for a missing file.
constexpr int kMissingFile = 7001;

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("vmr_jet_%1").arg(++counter);
}

// Opens without creating: "mode=rw" makes SQLite refuse a missing file. A file that another
// program holds locked is waited for up to the busy timeout, on every statement of the connection,
// as any user of a shared database file expects.
std::shared_ptr<JetConnection> openConnection(const QString& path, JetError& error)
{
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setConnectOptions("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=" + QString::number(kBusyTimeoutMs));
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + "?mode=rw");
    }
    auto connection = std::make_shared<JetConnection>(name, path);
    QSqlDatabase db = connection->sql();
    if (!db.open()) {
        error = JetErrorOf(db.lastError());
        return nullptr;
    }
    // SQLite reads the file only when asked: a file that is no database fails here.
    QSqlQuery probe(db);
    if (!probe.exec("SELECT count(*) FROM sqlite_master")) {
        error = JetErrorOf(probe.lastError());
        return nullptr;
    }
    return connection;
}

bool reportMissingFile(const QString& path, JetError* failure)
{
    if (failure)
        *failure = {kMissingFile, QStringLiteral("파일이 없습니다: ") + path};
    MsgBox("데이터베이스 '" + path + "'에 접근할 수 없습니다." + "파일이 없거나, 네트웍이 끊긴 상태입니다.",
           MsgStyle::OkOnly);
    WriteLog("e))JetOpenDB[1/]" + path + " 파일을 열 수 없어 Open Function 종료......");
    return false;
}

} // namespace

JetDatabase::JetDatabase(std::shared_ptr<JetConnection> connection)
    : m_connection(std::move(connection))
{
}

JetDatabase::~JetDatabase() = default;

QString JetDatabase::path() const
{
    return m_connection->path();
}

QSqlDatabase JetDatabase::sql() const
{
    return m_connection->sql();
}

bool JetDatabase::BeginTrans()
{
    return sql().transaction();
}

// A commit that meets a busy file is tried again like any statement (JetExec); until it ends the
// transaction stays open.
bool JetDatabase::CommitTrans()
{
    long rows = 0;
    return JetExec(*this, "COMMIT", rows);
}

bool JetDatabase::Rollback()
{
    return sql().rollback();
}

bool JetOpenDB(JetDbPtr& db, const QString& path, JetError* failure)
{
    if (!QFileInfo(path).isFile())
        return reportMissingFile(path, failure);
    JetAttempts attempts("JetOpenDB", path, 3);
    for (;;) {
        JetError error;
        if (auto connection = openConnection(path, error)) {
            db = std::make_unique<JetDatabase>(std::move(connection));
            return true;
        }
        if (!QFileInfo(path).isFile())
            return reportMissingFile(path, failure);
        if (!attempts.retryAfter(error, 2)) {
            if (failure)
                *failure = error;
            return false;
        }
    }
}
