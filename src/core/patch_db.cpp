#include "core/patch_db.h"

#include "core/error_line.h"
#include "core/install_values.h"

#include <QAtomicInt>
#include <QSqlError>

QString gMySqlServer;
int gMySqlPort = 3306;
QString gMySqlDatabase;
QString gMySqlUser;
QString gMySqlPassword;
int gMySqlOption = 0;
QString gMySqlStmt;
QString gMySqlConnStr;

namespace {

// Return matching rows, big results, no prompt, dynamic cursor, compressed protocol, BIGINT as
// INT, no transactions, automatic reconnect.
constexpr int kDriverOptions = 2 + 8 + 16 + 32 + 2048 + 16384 + 262144 + 4194304;

// The settings the connection takes in place of the driver's options and statement.
const QString kConnectOptions = QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=10;MYSQL_OPT_RECONNECT=1");

void splitHostPort(const QString& hostPort, QString& host, int& port)
{
    const qsizetype colon = hostPort.lastIndexOf(':');
    bool ok = false;
    const int parsed = colon < 0 ? 0 : hostPort.mid(colon + 1).toInt(&ok);
    host = colon < 0 ? hostPort : hostPort.left(colon);
    port = ok && parsed > 0 ? parsed : 3306;
}

} // namespace

void ODBC_MySQL_ConnString()
{
    splitHostPort(PatchHost(), gMySqlServer, gMySqlPort);
    gMySqlDatabase = QStringLiteral("mgmt");
    gMySqlUser = PatchUser();
    gMySqlPassword = PatchPassword();
    gMySqlOption = kDriverOptions;
    gMySqlStmt = QStringLiteral("SET NAMES EUCKR");
    gMySqlConnStr = "DRIVER={MySQL ODBC 3.51 Driver}" + (";SERVER=" + gMySqlServer)
                    + (";DATABASE=" + gMySqlDatabase) + (";UID=" + gMySqlUser)
                    + (";PWD=" + gMySqlPassword) + (";OPTION=" + QString::number(gMySqlOption))
                    + (";STMT=" + gMySqlStmt);
}

bool ODBC_MySQL_CONN_OPEN(QSqlDatabase& connection)
{
    connection.setHostName(gMySqlServer);
    connection.setPort(gMySqlPort);
    connection.setDatabaseName(gMySqlDatabase);
    connection.setUserName(gMySqlUser);
    connection.setPassword(gMySqlPassword);
    connection.setConnectOptions(kConnectOptions);
    if (connection.open())
        return true;
    const QSqlError error = connection.lastError();
    LogError("lib_DbAuthentication", "ODBC_MySQL_CONN_OPEN", 2, error.nativeErrorCode().toInt(),
             error.text());
    return false;
}

PatchConnection::PatchConnection()
{
    static QAtomicInt serial;
    m_name = "patch-server-" + QString::number(serial.fetchAndAddRelaxed(1));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), m_name);
}

PatchConnection::~PatchConnection()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}
