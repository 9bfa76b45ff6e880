#include "core/patch_db.h"
#include "support/patch_server.h"
#include "support/program_dir.h"
#include "support/scoped_env.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <gtest/gtest.h>

TEST(PatchConnection, ConnectionTextIsBuiltFromFreshValuesEachTime)
{
    ScopedEnv host("VMR_PATCH_HOST", "patch.example:3307");
    ScopedEnv user("VMR_PATCH_USER", "acct");
    ScopedEnv password("VMR_PATCH_PASSWORD", "pw");
    ODBC_MySQL_ConnString();
    const QString first = gMySqlConnStr;
    ODBC_MySQL_ConnString();
    EXPECT_EQ(gMySqlConnStr, first);
    EXPECT_EQ(first, "DRIVER={MySQL ODBC 3.51 Driver};SERVER=patch.example;DATABASE=mgmt;UID=acct;"
                     "PWD=pw;OPTION=4474938;STMT=SET NAMES EUCKR");
    EXPECT_EQ(gMySqlPort, 3307);
}

TEST(PatchConnection, DefaultsAreTheLocalHostAndTheAccountPassword)
{
    ScopedEnv host("VMR_PATCH_HOST", "");
    ScopedEnv password("VMR_PATCH_PASSWORD", "");
    ODBC_MySQL_ConnString();
    EXPECT_EQ(gMySqlServer, "127.0.0.1");
    EXPECT_EQ(gMySqlPort, 3306);
    EXPECT_EQ(gMySqlPassword, "kep5830");
}

TEST(PatchConnection, FailedOpenWritesOneErrorLineAndStaysClosed)
{
    TempProgramDir dir;
    ScopedEnv host("VMR_PATCH_HOST", "127.0.0.1:" + QByteArray::number(FreeLoopbackPort()));
    ODBC_MySQL_ConnString();
    PatchConnection connection;
    EXPECT_FALSE(ODBC_MySQL_CONN_OPEN(connection.db()));
    EXPECT_FALSE(connection.db().isOpen());
    const QString log = dir.read(QDate::currentDate().toString("yyMMdd") + ".log");
    EXPECT_EQ(log.count("\r\n"), 2) << log.toStdString();
    EXPECT_TRUE(log.contains(QRegularExpression(
        R"(\]e\)lib_DbAuthentication->ODBC_MySQL_CONN_OPEN\[Erl:=2, Eno:=[1-9]\d*\]\r\n   \S)")))
        << log.toStdString();
}

TEST(PatchConnection, OpensTheThrowawayServerAndKeepsKoreanText)
{
    TempProgramDir dir;
    ThrowawayPatchServer server;
    ASSERT_TRUE(server.started()) << server.error().toStdString();
    ODBC_MySQL_ConnString();
    PatchConnection connection;
    ASSERT_TRUE(ODBC_MySQL_CONN_OPEN(connection.db()));
    {
        QSqlQuery query(connection.db());
        ASSERT_TRUE(query.prepare("INSERT INTO VMR_ZLM_PatchItemTB (P_BRANCH) VALUES (?)"));
        query.addBindValue(QStringLiteral("한우마을 '본점'"));
        ASSERT_TRUE(query.exec());
    }
    EXPECT_EQ(server.rows("SELECT P_BRANCH FROM mgmt.VMR_ZLM_PatchItemTB")[0][0].toString(),
              "한우마을 '본점'");
}
