#include "support/patch_server.h"

#include "support/loopback_port.h"
#include "support/scoped_env.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
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

// The statements of the schema file that the demo's patch server also runs; the account it creates
// is kUser with kPassword.
QStringList SchemaStatements()
{
    QFile file(QStringLiteral(VMR_PATCH_SCHEMA));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList statements;
    QString statement;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.startsWith("--"))
            continue;
        statement += line + "\n";
        if (line.trimmed().endsWith(';')) {
            statements.append(statement.trimmed().chopped(1));
            statement.clear();
        }
    }
    return statements;
}

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
    const QStringList statements = SchemaStatements();
    if (statements.isEmpty()) {
        m_error = QStringLiteral("schema: no statements in " VMR_PATCH_SCHEMA);
        return false;
    }
    for (const QString& statement : statements) {
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
