#pragma once

#include "support/loopback_port.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

class ScopedEnv;

// A throwaway MariaDB server for the patch-server tests: mariadbd (from the mariadb-server
// package) on a free loopback port with a temporary data folder, the database "mgmt" with the two
// patch tables and an account of its own. VMR_PATCH_HOST, VMR_PATCH_USER and VMR_PATCH_PASSWORD
// point at it while the object lives; the server is stopped and its folder removed at the end.
class ThrowawayPatchServer
{
public:
    ThrowawayPatchServer();
    ~ThrowawayPatchServer();
    ThrowawayPatchServer(const ThrowawayPatchServer&) = delete;
    ThrowawayPatchServer& operator=(const ThrowawayPatchServer&) = delete;

    // False with the reason in error() when the server could not be set up.
    bool started() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    int port() const { return m_port; }

    // Empties both tables and restarts their row numbers.
    void clearTables();
    // Runs one statement on "mgmt" as the administrator, values bound in order; false on failure.
    bool exec(const QString& sql, const QVariantList& values = {});
    // The rows of a query, each as its column values in order.
    QList<QVariantList> rows(const QString& sql);

    // Adds a published build to VMR_ZLM_PatchTB.
    void publish(const QString& type, const QString& use, const QString& useDev,
                 const QString& version, int size);

private:
    bool start();
    bool runTool(const QString& program, const QStringList& arguments);
    bool waitUntilReady();
    bool createSchema();
    void setEnvironment();

    QTemporaryDir m_dir;
    QProcess m_server;
    QSqlDatabase m_admin;
    QString m_adminName;
    int m_port = 0;
    QString m_error;
    std::vector<std::unique_ptr<ScopedEnv>> m_environment;
};

// A test suite against one throwaway patch server, started for the suite; each test starts with
// empty tables and fails when the server could not be set up.
class PatchServerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static ThrowawayPatchServer& server() { return *s_server; }

private:
    static std::unique_ptr<ThrowawayPatchServer> s_server;
};
