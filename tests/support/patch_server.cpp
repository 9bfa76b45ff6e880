#include "support/patch_server.h"

#include "support/loopback_port.h"
#include "support/scoped_env.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>

#include <unistd.h>

namespace {

const char* const kEnvironment[] = {"VMR_PATCH_HOST", "VMR_PATCH_USER", "VMR_PATCH_PASSWORD"};
const QString kUser = QStringLiteral("vmr_patch_test");
const QString kPassword = QStringLiteral("throwaway-pw");

QString findTool(const QString& name)
{
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin", "/usr/local/sbin",
                                                 "/usr/local/bin"});
}

QStringList runAsArguments()
{
    return geteuid() == 0 ? QStringList{"--user=root"} : QStringList{};
}

const QStringList kSchema = {
    "CREATE DATABASE mgmt CHARACTER SET utf8mb4",
    "CREATE TABLE mgmt.VMR_ZLM_PatchTB ("
    " P_AUTO INT NOT NULL AUTO_INCREMENT PRIMARY KEY, P_TYPE VARCHAR(10) NOT NULL,"
    " P_USE CHAR(1) NOT NULL DEFAULT 'F', P_USE_DEV CHAR(1) NOT NULL DEFAULT 'F',"
    " P_VERSION VARCHAR(30), P_SIZE INT) CHARACTER SET utf8mb4",
    "CREATE TABLE mgmt.VMR_ZLM_PatchItemTB ("
    " P_AUTO INT NOT NULL AUTO_INCREMENT PRIMARY KEY, P_TYPE VARCHAR(10), P_VERSION VARCHAR(30),"
    " P_BRANCH VARCHAR(40), P_COMP_NAME VARCHAR(100), P_MAC VARCHAR(50), P_OS VARCHAR(50),"
    " P_KIND VARCHAR(20), P_APP_PATH VARCHAR(260), P_DOWN_PROG VARCHAR(5), P_DOWN_OK VARCHAR(5),"
    " P_DATE TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP) CHARACTER SET utf8mb4",
    "CREATE USER '" + kUser + "'@'127.0.0.1' IDENTIFIED BY '" + kPassword + "'",
    "GRANT SELECT, INSERT, UPDATE ON mgmt.* TO '" + kUser + "'@'127.0.0.1'",
};

} // namespace

ThrowawayPatchServer::ThrowawayPatchServer()
{
    static int serial = 0;
    m_adminName = "patch-fixture-admin-" + QString::number(++serial);
    if (start())
        setEnvironment();
}

ThrowawayPatchServer::~ThrowawayPatchServer()
{
    m_admin.close();
    m_admin = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_adminName);
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(20000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }
}

bool ThrowawayPatchServer::start()
{
    const QString daemon = findTool("mariadbd");
    const QString installer = findTool("mariadb-install-db");
    if (daemon.isEmpty() || installer.isEmpty()) {
        m_error = "mariadbd or mariadb-install-db not found: install the package mariadb-server "
                  "(scripts/setup.sh does)";
        return false;
    }
    const QString data = m_dir.path() + "/data";
    // A temporary folder of its own: servers of test programs running side by side never share one.
    const QString temporary = m_dir.path() + "/tmp";
    QDir().mkpath(temporary);
    if (!runTool(installer, QStringList{"--no-defaults", "--datadir=" + data,
                                        "--tmpdir=" + temporary,
                                        "--auth-root-authentication-method=normal",
                                        "--skip-test-db", "--skip-name-resolve"}
                                + runAsArguments()))
        return false;
    m_port = FreeLoopbackPort();
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.setStandardOutputFile(m_dir.path() + "/server.out");
    m_server.start(daemon, QStringList{"--no-defaults", "--datadir=" + data,
                                       "--tmpdir=" + temporary,
                                       "--socket=" + m_dir.path() + "/server.sock",
                                       "--pid-file=" + m_dir.path() + "/server.pid",
                                       "--bind-address=127.0.0.1", "--port=" + QString::number(m_port),
                                       "--skip-name-resolve", "--innodb-buffer-pool-size=16M",
                                       "--log-error=" + m_dir.path() + "/server.err"}
                               + runAsArguments());
    if (!m_server.waitForStarted(10000)) {
        m_error = "mariadbd did not start: " + m_server.errorString();
        return false;
    }
    return waitUntilReady() && createSchema();
}

bool ThrowawayPatchServer::runTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) {
        m_error = program + " failed: " + QString::fromLocal8Bit(tool.readAll());
        return false;
    }
    return true;
}

bool ThrowawayPatchServer::waitUntilReady()
{
    m_admin = QSqlDatabase::addDatabase("QMYSQL", m_adminName);
    m_admin.setHostName("127.0.0.1");
    m_admin.setPort(m_port);
    m_admin.setUserName("root");
    const QDeadlineTimer deadline(30000);
    while (!m_admin.open()) {
        if (deadline.hasExpired() || m_server.state() == QProcess::NotRunning) {
            m_error = "mariadbd did not answer on port " + QString::number(m_port) + ": "
                      + m_admin.lastError().text();
            return false;
        }
        QThread::msleep(100);
    }
    return true;
}

bool ThrowawayPatchServer::createSchema()
{
    for (const QString& statement : kSchema) {
        if (!exec(statement)) {
            m_error = "schema: " + m_admin.lastError().text() + " in " + statement;
            return false;
        }
    }
    return true;
}

void ThrowawayPatchServer::setEnvironment()
{
    const QByteArray values[] = {"127.0.0.1:" + QByteArray::number(m_port), kUser.toUtf8(),
                                 kPassword.toUtf8()};
    for (int i = 0; i < 3; ++i)
        m_environment.push_back(std::make_unique<ScopedEnv>(kEnvironment[i], values[i]));
}

void ThrowawayPatchServer::clearTables()
{
    exec("TRUNCATE TABLE mgmt.VMR_ZLM_PatchTB");
    exec("TRUNCATE TABLE mgmt.VMR_ZLM_PatchItemTB");
}

bool ThrowawayPatchServer::exec(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(m_admin);
    if (values.isEmpty())
        return query.exec(sql);
    if (!query.prepare(sql))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

QList<QVariantList> ThrowawayPatchServer::rows(const QString& sql)
{
    QList<QVariantList> result;
    QSqlQuery query(m_admin);
    if (!query.exec(sql))
        return result;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row.append(query.value(i));
        result.append(row);
    }
    return result;
}

void ThrowawayPatchServer::publish(const QString& type, const QString& use, const QString& useDev,
                                   const QString& version, int size)
{
    exec("INSERT INTO mgmt.VMR_ZLM_PatchTB (P_TYPE, P_USE, P_USE_DEV, P_VERSION, P_SIZE)"
         " VALUES (?, ?, ?, ?, ?)",
         {type, use, useDev, version, size});
}

std::unique_ptr<ThrowawayPatchServer> PatchServerTest::s_server;

void PatchServerTest::SetUpTestSuite()
{
    s_server = std::make_unique<ThrowawayPatchServer>();
}

void PatchServerTest::TearDownTestSuite()
{
    s_server.reset();
}

void PatchServerTest::SetUp()
{
    ASSERT_TRUE(s_server->started()) << s_server->error().toStdString();
    s_server->clearTables();
}
