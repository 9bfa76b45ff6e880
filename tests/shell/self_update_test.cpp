#include "core/login_values.h"
#include "platform/window_registry.h"
#include "fast_download_timing.h"
#include "shell/self_update.h"
#include "shell/shell_globals.h"
#include "support/patch_server.h"
#include "support/program_dir.h"
#include "support/scoped_env.h"
#include "support/seams.h"

#include <QFileInfo>
#include <gtest/gtest.h>

TEST(VersionCompare, ComparesThePartsAsNumbers)
{
    struct Case { const char* a; const char* b; int result; };
    const Case cases[] = {
        {"1.0.0.100", "1.0.0.99", 1}, {"1.0.0.79", "1.0.0.079", 0}, {"1.0.0.79", "1.0.0.80", -1},
        {"1.0.0", "1.0", 1},          {"", "1.0", -1},              {"", "", 0},
        {"1.0.0.x", "1.0.0.0", 0},    {"2.0.0.1", "1.9.9.9999", 1}, {"1.0.0.10000", "1.0.0.9999", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VersionCompare(c.a, c.b), c.result) << c.a << " vs " << c.b;
}

TEST(VersionCompare, RunningVersionComesFromTheBuild)
{
    EXPECT_EQ(GetAppVersion(), QString("%1.%2.0.%3").arg(VMR_VERSION_MAJOR).arg(VMR_VERSION_MINOR)
                                   .arg(VMR_VERSION_REVISION));
}

namespace {

const QString kBuild = QStringLiteral("VomariZLM_Last.EXE");

QString versionWith(int revisionStep)
{
    return QString("%1.%2.0.%3").arg(VMR_VERSION_MAJOR).arg(VMR_VERSION_MINOR)
        .arg(VMR_VERSION_REVISION + revisionStep);
}

class SelfUpdate : public PatchServerTest
{
protected:
    void SetUp() override
    {
        PatchServerTest::SetUp();
        gStoreName = "한우마을";
        gMAC = "00:11:22:33:44:55";
        gDeveloperMode = false;
    }
    void TearDown() override
    {
        for (const QString& name : LoadedFormNames())
            UnloadForm(name);
    }

    void patchIni(const QString& version, const QString& result)
    {
        m_dir.write("Patch.ini", ("[Patch]\r\nVersion=" + version + "\r\nResult=" + result + "\r\n").toUtf8());
    }
    QString result() const
    {
        return m_dir.read("Patch.ini").section("Result=", 1).section("\r\n", 0, 0);
    }
    QStringList historyCodes()
    {
        QStringList codes;
        for (const QVariantList& row : server().rows("SELECT P_DOWN_PROG, P_DOWN_OK FROM"
                                                     " mgmt.VMR_ZLM_PatchItemTB ORDER BY P_AUTO"))
            codes.append(row[0].toString() + "/" + row[1].toString());
        return codes;
    }
    QWidget* loginWindow()
    {
        auto* login = new QWidget;
        RegisterForm("frmLogin", login);
        login->show();
        return login;
    }

    TempProgramDir m_dir;
    FastDownloadTiming m_timing;
    RecordingLauncher& m_launcher = ProgramLaunches();
    ScopedEnv m_download{"VMR_DOWNLOAD_HOST", "127.0.0.1:" + QByteArray::number(FreeLoopbackPort())};
};

} // namespace

TEST_F(SelfUpdate, NewerBuildClosesTheLoginAndOpensTheDownloadWindow)
{
    server().publish("A", "T", "F", versionWith(1), 4096);
    loginWindow();
    EXPECT_TRUE(VMR_자동_업그레이드());

    EXPECT_FALSE(IsFormLoaded("frmLogin"));
    ASSERT_EQ(m_launcher.started().size(), 1);   // the download window started its downloader
    EXPECT_EQ(m_launcher.started()[0].program, m_dir.file("wget.exe"));
    EXPECT_EQ(gPatchFile, kBuild);
    EXPECT_EQ(gPatchSize, 4096);
    EXPECT_EQ(ExitRequests().count(), 0);
}

TEST_F(SelfUpdate, NothingHappensForOlderEqualOrEmptyOffers)
{
    struct Case { QString published; int size; QString iniVersion; QString iniResult; };
    const Case cases[] = {
        {versionWith(-1), 4096, "", ""},                    // older than the running build
        {versionWith(0), 4096, "", ""},                     // the running build itself
        {versionWith(0), 4096, versionWith(0), "Success"},  // the update has taken effect
        {versionWith(1), 0, "", ""},                        // no size: no offer
        {versionWith(1), 4096, versionWith(1), "Failure"},  // failed before: not again
        {versionWith(1), 4096, versionWith(1), "Error"},    // given up
    };
    for (const Case& c : cases) {
        server().clearTables();
        server().publish("A", "T", "F", c.published, c.size);
        patchIni(c.iniVersion, c.iniResult);
        loginWindow();
        EXPECT_TRUE(VMR_자동_업그레이드());
        EXPECT_TRUE(IsFormLoaded("frmLogin")) << c.published.toStdString();
        EXPECT_EQ(result(), c.iniResult);
        UnloadForm("frmLogin");
    }
    EXPECT_TRUE(m_launcher.started().isEmpty());
    EXPECT_TRUE(historyCodes().isEmpty());
    EXPECT_EQ(ExitRequests().count(), 0);
}

TEST_F(SelfUpdate, SuccessStartsTheDownloadedBuildOnceMoreAndEnds)
{
    server().publish("A", "T", "F", versionWith(1), 4096);
    patchIni(versionWith(1), "Success");
    m_dir.write(kBuild, "#!/bin/sh\n");
    EXPECT_TRUE(VMR_자동_업그레이드());

    EXPECT_EQ(result(), "Success2");
    EXPECT_EQ(historyCodes(), QStringList{"/S"});
    ASSERT_EQ(m_launcher.started().size(), 1);
    EXPECT_EQ(m_launcher.started()[0].program, m_dir.file(kBuild));
    EXPECT_EQ(m_launcher.started()[0].arguments, QStringList{"/a"});
    EXPECT_EQ(m_launcher.started()[0].workingFolder, m_dir.path());
    EXPECT_TRUE(QFileInfo(m_dir.file(kBuild)).isExecutable());
    EXPECT_EQ(ExitRequests().count(), 1);
}

TEST_F(SelfUpdate, SuccessWithoutTheBuildFileGoesOnWithTheLogin)
{
    server().publish("A", "T", "F", versionWith(1), 4096);
    patchIni(versionWith(1), "Success");
    EXPECT_TRUE(VMR_자동_업그레이드());

    EXPECT_EQ(result(), "Success2");
    EXPECT_TRUE(historyCodes().isEmpty());
    EXPECT_TRUE(m_launcher.started().isEmpty());
    EXPECT_EQ(ExitRequests().count(), 0);
    EXPECT_TRUE(m_dir.read(QDate::currentDate().toString("yyMMdd") + ".log").contains(m_dir.file(kBuild)));
}

TEST_F(SelfUpdate, Success2GivesTheBuildUpAndMarksItsNewestHistoryRow)
{
    server().publish("A", "T", "F", versionWith(1), 4096);
    server().exec("INSERT INTO mgmt.VMR_ZLM_PatchItemTB (P_TYPE, P_VERSION, P_BRANCH, P_MAC, P_DOWN_PROG,"
                  " P_DOWN_OK) VALUES ('A', ?, '한우마을', '00:11:22:33:44:55', 'W', 'T'),"
                  " ('A', ?, '한우마을', '00:11:22:33:44:55', '', 'S')",
                  {versionWith(1), versionWith(1)});
    patchIni(versionWith(1), "Success2");
    EXPECT_TRUE(VMR_자동_업그레이드());

    EXPECT_EQ(result(), "Error");
    EXPECT_EQ(historyCodes(), (QStringList{"W/T", "/E"}));
    EXPECT_EQ(ExitRequests().count(), 0);

    EXPECT_TRUE(VMR_자동_업그레이드());   // later logins leave the given-up build alone
    EXPECT_EQ(result(), "Error");
}

TEST_F(SelfUpdate, UnreachableServerShowsTheMessageAndGoesOn)
{
    ScopedEnv unreachable("VMR_PATCH_HOST", "127.0.0.1:" + QByteArray::number(FreeLoopbackPort()));
    loginWindow();
    EXPECT_TRUE(VMR_자동_업그레이드());
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"서버에 연결할 수 없습니다!"});
    EXPECT_TRUE(IsFormLoaded("frmLogin"));
    EXPECT_TRUE(m_launcher.started().isEmpty());
}
