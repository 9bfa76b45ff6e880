#include "core/companion_starter.h"
#include "core/login_values.h"
#include "core/settings.h"
#include "platform/program_launcher.h"
#include "support/fake_process_list.h"
#include "support/program_dir.h"
#include "support/seams.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class CompanionStarter : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkpath("robot");
        dir.write("robot/kvtpr.cfg", "[robot]\r\nspeed=3\r\n");
        gShopID = "shop&1";
        gShopPW = "";
        gIniFrshop.setFileName(dir.file("Frshop.cfg"));
    }
    void TearDown() override
    {
        gShopID.clear();
        gIniFrshop.setFileName(QString());
    }
    TempProgramDir dir;
    FakeProcessList processes;
};

} // namespace

TEST_F(CompanionStarter, AnAbsentCompanionGetsTheLoginAndIsStartedOnce)
{
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(VMR_로봇_죽었으면_살리기());
    // Three looks, 250 ms apart; each wait counts whole milliseconds of the tick, so it may end
    // up to 1 ms before its full time.
    EXPECT_GE(timer.elapsed(), 498);

    ASSERT_EQ(ProgramLaunches().started().size(), 1);
    EXPECT_EQ(ProgramLaunches().started()[0].program, dir.file("robot/VMRRobotMain.exe"));
    EXPECT_EQ(ProgramLaunches().started()[0].workingFolder, dir.file("robot"));
    EXPECT_EQ(dir.read("robot/kvtpr.cfg"), "[robot]\r\nspeed=3\r\n\r\n[login]\r\nid0=shop&1\r\npw0=\r\n");
    EXPECT_EQ(gIniFrshop.FileName(), dir.file("Frshop.cfg"));
}

TEST_F(CompanionStarter, ARunningCompanionIsLeftAlone)
{
    processes.add(77, QByteArray("/opt/robot/vmrrobotmain.EXE\0", 28));
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(VMR_로봇_죽었으면_살리기());
    EXPECT_LT(timer.elapsed(), 250);   // one look
    EXPECT_TRUE(ProgramLaunches().started().isEmpty());
    EXPECT_EQ(dir.read("robot/kvtpr.cfg"), "[robot]\r\nspeed=3\r\n");
}

TEST_F(CompanionStarter, AnUnreadableProcessListStartsNothing)
{
    QDir(processes.path()).removeRecursively();
    EXPECT_TRUE(VMR_로봇_죽었으면_살리기());
    EXPECT_TRUE(ProgramLaunches().started().isEmpty());
}

TEST_F(CompanionStarter, ALoginThatCannotBeWrittenStartsNothingAndIsLogged)
{
    QDir(dir.file("robot")).removeRecursively();
    EXPECT_FALSE(VMR_로봇_죽었으면_살리기());
    EXPECT_TRUE(ProgramLaunches().started().isEmpty());
    const QString errors = dir.read(QDir(dir.path()).entryList({"*_ErrorLog.log"}).value(0));
    EXPECT_TRUE(errors.contains("e)libz_Vmr_QR->VMR_로봇_죽었으면_살리기[Erl:=3, Eno:=75]\r\n   "));
}

TEST_F(CompanionStarter, TheRealLauncherRunsTheCompanionInItsFolder)
{
    dir.write("robot/VMRRobotMain.exe", "#!/bin/sh\npwd > started.txt\n");
    QFile::setPermissions(dir.file("robot/VMRRobotMain.exe"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    SetProgramLauncher(nullptr);
    EXPECT_TRUE(VMR_로봇_죽었으면_살리기());
    for (int i = 0; i < 100 && dir.read("robot/started.txt").isEmpty(); ++i)
        QThread::msleep(20);
    EXPECT_EQ(dir.read("robot/started.txt").trimmed(), QDir(dir.file("robot")).canonicalPath());
}
