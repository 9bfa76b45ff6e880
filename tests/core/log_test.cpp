#include "core/error_line.h"
#include "core/log.h"
#include "support/program_dir.h"
#include "support/seams.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(Log, EntriesCarryTheirStampAndLandInTheFileOfTheirOwnDate)
{
    TempProgramDir dir;
    ScopedFakeClock clock(QDateTime(QDate(2024, 4, 26), QTime(23, 59, 59, 999)));
    WriteLog("GetWinHttp ... 성공: 312ms 걸림.", "_WinHttp");
    clock->advance(2);
    WriteLog("after midnight");
    EXPECT_TRUE(MsgFileMS("ms line", QString()));

    EXPECT_EQ(dir.read("240426_WinHttp.log"), "[23:59:59.999]GetWinHttp ... 성공: 312ms 걸림.\r\n");
    EXPECT_EQ(dir.read("240427.log"), "[00:00:00.001]after midnight\r\n[00:00:00.001] ms line\r\n");
}

TEST(Log, ErrorLineTakesTwoLinesAndTraceLinesTheirArrow)
{
    TempProgramDir dir;
    ScopedFakeClock clock(QDateTime(QDate(2024, 4, 26), QTime(9, 0, 0, 7)));
    LogError("frmLogin", "lblLogin_Click", 3, 13, "Type mismatch");
    Trace("frmMainMDI", "Form_Load", "Enter");
    EXPECT_EQ(dir.read("240426.log"),
              "[09:00:00.007]e)frmLogin->lblLogin_Click[Erl:=3, Eno:=13]\r\n   Type mismatch\r\n"
              "[09:00:00.007]  [frmMainMDI→Form_Load] Enter\r\n");
    MsgDebug("nothing", "_WinHttp");
    EXPECT_FALSE(QFile::exists(dir.file("240426_WinHttp.log")));
}

TEST(Log, WriteFailureShowsTheWritersBox)
{
    TempProgramDir dir;
    QDir().mkdir(dir.file(QDate::currentDate().toString("yyMMdd") + ".log"));   // a folder blocks the file
    WriteLog("lost");
    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_TRUE(MessageBoxes().shown()[0].text.startsWith("e)MsgDebug2[1]("));
    EXPECT_TRUE(MessageBoxes().shown()[0].text.endsWith(
        "이 메시지는 시스템에 심각한 영향을 미칠 수 있는 상황을\r\n검출했을 때 출력됩니다."));
    EXPECT_EQ(MessageBoxes().shown()[0].icon(), MsgStyle::Critical);
}

namespace {
void makeLogs(const TempProgramDir& dir, int count)
{
    QDate day(2024, 1, 1);
    for (int i = 0; i < count; ++i)
        dir.write(day.addDays(i).toString("yyMMdd") + "_WinHttp.log", "x");
}
}

TEST(Log, PruningKeepsTheNewest21)
{
    struct Case { int files; int left; };
    for (const Case c : {Case{21, 21}, Case{22, 21}, Case{30, 21}, Case{0, 0}}) {
        TempProgramDir dir;
        makeLogs(dir, c.files);
        dir.write("240101.log", "main");
        QFile::setPermissions(dir.file("240101_WinHttp.log"), QFileDevice::ReadOwner);
        EXPECT_TRUE(로그_파일_삭제("??????_WinHttp.log"));
        const QStringList left = QDir(dir.path()).entryList({"??????_WinHttp.log"}, QDir::Files, QDir::Name);
        EXPECT_EQ(left.size(), c.left) << c.files;
        if (c.files > 21) {
            EXPECT_EQ(left.first(), QDate(2024, 1, 1).addDays(c.files - 21).toString("yyMMdd") + "_WinHttp.log");
        }
        EXPECT_TRUE(QFile::exists(dir.file("240101.log")));
    }
}

TEST(Log, MsgFileMSReportsItsFailure)
{
    TempProgramDir dir;
    ScopedFakeClock clock;
    QDir().mkdir(dir.file("240426.log"));
    EXPECT_FALSE(MsgFileMS("lost", QString()));
    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_TRUE(MessageBoxes().shown()[0].text.startsWith("e)MsgFileMS["));
}

TEST(Log, ErrorLinesHandedToTheSettingsErrorLogStayOutOfTheMainLog)
{
    TempProgramDir dir;
    ScopedFakeClock clock;
    LogErrorToIni("frmDataLoad", "DownLoad_Start", 0, 53, "File not found", "<e>");
    EXPECT_EQ(dir.read("240426_ErrorLog.log"),
              "[14:05:09.007]<e>frmDataLoad->DownLoad_Start[Erl:=0, Eno:=53]\r\n   File not found\r\n");
    EXPECT_FALSE(QFile::exists(dir.file("240426.log")));
    EXPECT_EQ(ErrorLine("lib_misc", "로그_파일_삭제", 3, 70, "denied", "E)"),
              "E)lib_misc->로그_파일_삭제[Erl:=3, Eno:=70]\r\n   denied");
}
