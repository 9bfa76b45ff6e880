#include "shell/shell_fixture.h"

#include "core/log.h"
#include "platform/window_registry.h"
#include "callerid/caller_id_settings.h"
#include "shell/command_line.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "support/seams.h"

#include <QDir>
#include <QLockFile>
#include <QRegularExpression>

namespace {

TEST(CommandLine, SwitchesAreWholeItemsInAnyCaseSplitAtEveryBlank)
{
    struct Case {
        QString text;
        bool quickDev;
        bool developerMode;
    };
    const QList<Case> cases{
        {"", false, false},
        {"-quickdev", true, false},
        {"-QuickDev -DEVELOPERMODE", true, true},
        {"-fileprint  -developermode", false, true},
        {"-quickdev2 -linktobooking -noforceupgrade", false, false},
        {"-quickdevx", false, false},
        {"quickdev", false, false},
    };
    for (const Case& c : cases) {
        gArgQuickDev = false;
        gDeveloperMode = false;
        EXPECT_TRUE(Main_Command_Argument_취득(c.text));
        EXPECT_EQ(gArgQuickDev, c.quickDev) << c.text.toStdString();
        EXPECT_EQ(gDeveloperMode, c.developerMode) << c.text.toStdString();
    }
    gArgQuickDev = false;
    gDeveloperMode = false;
}

class StartUp : public ShellTest
{
};

TEST_F(StartUp, WritesTheFourEntriesFirstAndShowsTheLoginWindow)
{
    Main();

    const QStringList lines = mainLog().split("\r\n");
    ASSERT_GE(lines.size(), 5);
    EXPECT_TRUE(lines[0].endsWith(QString(40, '='))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith("Version: " + gVersionText));
    EXPECT_TRUE(gVersionText.contains(QRegularExpression("^\\d+\\.\\d+\\.0\\.\\d+ #25$"))) << gVersionText.toStdString();
    EXPECT_TRUE(lines[2].contains("OS: " + gOS));
    EXPECT_TRUE(gOS.endsWith(", 64비트") || gOS.endsWith(", 32비트"));
    EXPECT_TRUE(lines[3].contains("NIC: "));
    EXPECT_EQ(lines[4], "MAC: " + gMAC);

    EXPECT_EQ(gTwipsX, 15);
    EXPECT_EQ(gFormStdW, 15 * 1022);
    EXPECT_EQ(gFormStdH, gTwipsY * 654);
    EXPECT_EQ(gSkinPath, program.file("skin"));
    EXPECT_TRUE(QDir(program.file("menu_img")).exists());
    EXPECT_FALSE(QDir(program.file("skin")).exists());
    EXPECT_FALSE(QDir(program.file("sound")).exists());

    QWidget* login = FindForm("frmLogin");
    ASSERT_NE(login, nullptr);
    EXPECT_TRUE(login->isVisible());
    EXPECT_EQ(ExitRequests().count(), 0);
}

TEST_F(StartUp, ASecondCopyIsRefusedBeforeAnythingElse)
{
    QLockFile firstCopy(program.file("VmrZLM.lock"));
    ASSERT_TRUE(firstCopy.tryLock(0));

    Main();

    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_EQ(MessageBoxes().shown()[0].text, "이미 실행중이어서 종료합니다!");
    EXPECT_EQ(MessageBoxes().shown()[0].icon(), MsgStyle::Critical);
    EXPECT_EQ(ExitRequests().count(), 1);
    EXPECT_TRUE(mainLog().contains("이미 실행중이어서 종료합니다!"));
    EXPECT_FALSE(mainLog().contains("Version: "));
    EXPECT_FALSE(IsFormLoaded("frmLogin"));
}

TEST_F(StartUp, CallerIdKeysTakeTheirDefaultsWhenMissingOrUnreadable)
{
    writeSettings("[CID]\r\nCIDUseKT=True\r\nCIDUseLG=maybe\r\nID=kt01\r\nLGID2=lg02\r\nLGPW3=pw3\r\n"
                  "KTOAPI_AutoLogin=0\r\n");
    ReadCallerIdSettings();
    EXPECT_TRUE(gCIDUseKT);
    EXPECT_FALSE(gCIDUseLG);
    EXPECT_EQ(gCIDktID, "kt01");
    EXPECT_FALSE(gCIDktAutoLogin);
    EXPECT_TRUE(gCIDlgAutoLogin);
    EXPECT_EQ(gCIDlgID[2], "lg02");
    EXPECT_EQ(gCIDlgPW[3], "pw3");
    EXPECT_TRUE(gCIDlgIP[1].isEmpty());
    EXPECT_TRUE(mainLog().contains("e)StartUp->Main[Erl:=12, Eno:=13]")) << mainLog().toStdString();

    writeSettings("");
    ReadCallerIdSettings();
    EXPECT_FALSE(gCIDUseKT);
    EXPECT_TRUE(gCIDktAutoLogin);
    EXPECT_TRUE(gCIDktID.isEmpty());
}

TEST_F(StartUp, PrunesEachLogPatternToTheNewest21)
{
    for (int day = 1; day <= 22; ++day)
        program.write(QString("2401%1_WinHttp_4.log").arg(day, 2, 10, QChar('0')), "x");
    Main();
    const QStringList left = QDir(program.path()).entryList({"??????_WinHttp_4.log"}, QDir::Files, QDir::Name);
    ASSERT_EQ(left.size(), 21);
    EXPECT_EQ(left.first(), "240102_WinHttp_4.log");
}

} // namespace
