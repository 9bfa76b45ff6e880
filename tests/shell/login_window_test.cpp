#include "shell/shell_fixture.h"

#include "core/log.h"
#include "core/login_values.h"
#include "platform/window_registry.h"
#include "shell/login_window.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "shell/shop_login.h"
#include "support/seams.h"
#include "support/scoped_env.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

namespace {

class LoginWindow : public ShellTest
{
protected:
    // Opens the window as the start-up does (or as the login label does after a logout).
    frmLogin& open(bool reLogin = false)
    {
        frmLogin::m_ReLogin = reLogin;
        frmLogin& login = Form<frmLogin>();
        login.m_FirstActivated = true;
        ShowFormModeless(login);
        return login;
    }

    void logIn(frmLogin& login, const QString& id, const QString& password)
    {
        login.ID->setText(id);
        login.PW->setText(password);
        QTest::mouseClick(login.lblLogin, Qt::LeftButton);
    }

    QStringList loginBodies()
    {
        QStringList bodies;
        for (const StandinRequest& r : backend->requestsTo("/program/logins.php"))
            bodies << QString::fromUtf8(r.body);
        return bodies;
    }

    StandinFixture backend;
    // No patch server answers: the self-update only reports it.
    ScopedEnv noPatchServer{"VMR_PATCH_HOST", "127.0.0.1:1"};
};

TEST(LoginAnswer, CleaningFoldsRunsOfEqualBreaksAndKeepsCrLf)
{
    struct Case {
        QString raw;
        QString cleaned;
    };
    const QList<Case> cases{
        {"성공", "성공"},
        {"a\r\r\rb\n\n\n\nc", "a\rb\nc"},
        {"a\r\nb\r\n\r\nc", "a\r\nb\r\n\r\nc"},
        {"x" + QString(2048, '\n') + "y", "x\ny"},
        {"x" + QString(2049, '\n') + "y", "x\n\ny"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CleanLoginAnswer(c.raw), c.cleaned);
}

TEST_F(LoginWindow, WithoutASavedLoginTheFieldsAreEmptyAndTheLabelWaits)
{
    setSavedLogin("True◈True◈id");
    frmLogin& login = open();
    EXPECT_FALSE(login.chkLoadValue[0]->isChecked());
    EXPECT_FALSE(login.chkLoadValue[1]->isChecked());
    EXPECT_TRUE(login.ID->text().isEmpty());
    EXPECT_TRUE(login.lblLogin->isEnabled());
    EXPECT_EQ(login.size(), QSize(450, 515));
    EXPECT_TRUE(backend->requests().isEmpty());
    EXPECT_EQ(savedLogin(), "True◈True◈id");
}

TEST_F(LoginWindow, ARememberedLoginIsFilledIn)
{
    setSavedLogin("True◈False◈vmrdemo◈demo1234");
    frmLogin& login = open();
    EXPECT_TRUE(login.chkLoadValue[0]->isChecked());
    EXPECT_FALSE(login.chkLoadValue[1]->isChecked());
    EXPECT_EQ(login.ID->text(), "vmrdemo");
    EXPECT_EQ(login.PW->text(), "demo1234");
    EXPECT_TRUE(login.lblLogin->isEnabled());
    EXPECT_TRUE(backend->requests().isEmpty());
}

TEST_F(LoginWindow, ASuccessfulLoginSetsTheValuesSavesTheLoginAndOpensTheMainWindow)
{
    // An installed program folder: the board that the main window opens reads the cache, which
    // the start timer fills, and the call log; it asks for today's bookings.
    ASSERT_TRUE(CopyTemplate(program, "VmrBooking.0.mdb", "VmrBooking.mdb"));
    ASSERT_TRUE(CopyTemplate(program, "VmrCID.mdb", "VmrCID.mdb"));
    frmLogin& login = open();
    QTest::mouseClick(login.chkLoadValue[1], Qt::LeftButton);
    EXPECT_TRUE(login.chkLoadValue[0]->isChecked());
    QTest::mouseClick(login.chkLoadValue[0], Qt::LeftButton);
    ASSERT_FALSE(login.chkLoadValue[0]->isChecked());
    ASSERT_TRUE(login.chkLoadValue[1]->isChecked());
    logIn(login, "vmrdemo", "demo1234");

    EXPECT_EQ(loginBodies(), QStringList{"ID=vmrdemo&PassWord=demo1234"});
    QStringList paths;
    for (const StandinRequest& r : backend->requests())
        paths << r.path;
    EXPECT_EQ(paths, (QStringList{"/program/logins.php", "/bestAdmin/memberloading.php", "/bestAdmin/memberloading.php",
                                  "/bestAdmin/memberstate.php", "/vbPHP/couponload.php", "/program/zzimloading.php",
                                  "/program/shopmanagerloading.php", "/program/qrtableloading.php",
                                  "/vbPHP/zzimorderload.php", "/program/tableqrsettingloading.php",
                                  "/program/qrtablememolistloading.php", "/vbPHP/zzimorderload.php",
                                  "/program/alramsavingLoading.php"}));
    EXPECT_EQ(gShopTel, "02-3141-5926");
    EXPECT_EQ(backend->requestsTo("/bestAdmin/memberloading.php").value(0).body, "ID=admin&PassWord=zotrex4");
    EXPECT_TRUE(gServerURL.startsWith("http://"));
    EXPECT_EQ(gShopID, "vmrdemo");
    EXPECT_EQ(gShopPW, "demo1234");
    EXPECT_EQ(gShopNo, "1207");
    EXPECT_EQ(gStoreName, "한마당 숯불갈비");
    EXPECT_EQ(savedLogin(), "False◈True◈◈");
    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_EQ(MessageBoxes().shown()[0].text, "서버에 연결할 수 없습니다!");
    EXPECT_EQ(MessageBoxes().shown()[0].title, "패치 확인");

    auto* main = static_cast<frmMainMDI*>(FindForm("frmMainMDI"));
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->lbl로그아웃->text(), "로그아웃");
    EXPECT_EQ(main->lbl상호->text(), "한마당 숯불갈비");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(IsFormLoaded("frmLogin"));
    const QString wire = program.read(QFileInfo(LogFilePath("_WinHttp")).fileName());
    EXPECT_TRUE(wire.contains("logins() ... https://" + backend.host() + "/program/logins.php?ID=vmrdemo&PassWord=demo1234"));
    EXPECT_TRUE(wire.contains("logins() ... ResponseStr:\r\n로그인 성공"));
}

TEST_F(LoginWindow, TheCompanionStartsWhenTheShopUsesItAndNoMarkerDeniesIt)
{
    backend.shop().memberState["robotUSE"] = "Y";
    QDir(program.path()).mkdir("robot");
    logIn(open(), "vmrdemo", "demo1234");
    ASSERT_EQ(ProgramLaunches().started().size(), 1);
    EXPECT_TRUE(ProgramLaunches().started()[0].program.endsWith("VMRRobotMain.exe"));

    UnloadAllForms();
    ProgramLaunches().clear();
    program.write("DenyExecDeamon.txt", "");
    logIn(open(), "vmrdemo", "demo1234");
    EXPECT_TRUE(ProgramLaunches().started().isEmpty());
}

TEST_F(LoginWindow, AnAutomaticLoginRunsByItselfAndRemembersTheAccount)
{
    setSavedLogin("True◈True◈vmrdemo◈demo1234");
    open();
    EXPECT_EQ(loginBodies(), QStringList{"ID=vmrdemo&PassWord=demo1234"});
    EXPECT_EQ(savedLogin(), "True◈True◈vmrdemo◈demo1234");
    EXPECT_TRUE(IsFormLoaded("frmMainMDI"));
}

TEST_F(LoginWindow, TheAccountIsSentWithItsFormCharactersEncoded)
{
    frmLogin& login = open();
    logIn(login, "a&b+c", "100%=x y");
    EXPECT_EQ(loginBodies(), QStringList{"ID=a%26b%2Bc&PassWord=100%25=x y"});
}

TEST_F(LoginWindow, FailuresAreCountedOverTheRunAndTheThirdEndsTheProgram)
{
    frmLogin& login = open();
    logIn(login, "vmrdemo", "wrong");
    logIn(login, "vmrdemo", "wrong");
    EXPECT_EQ(MessageBoxes().texts(), (QStringList{"로그인에 실패했습니다.", "로그인에 실패했습니다."}));
    EXPECT_EQ(MessageBoxes().shown()[0].style, MsgStyle::OkOnly);
    EXPECT_TRUE(login.ID->isEnabled());
    EXPECT_TRUE(login.lblLogin->isEnabled());
    EXPECT_EQ(login.PW->text(), "wrong");
    EXPECT_TRUE(gStoreName.isEmpty());
    EXPECT_EQ(ExitRequests().count(), 0);

    logIn(login, "vmrdemo", "wrong");
    ASSERT_EQ(MessageBoxes().shown().size(), 3);
    EXPECT_EQ(MessageBoxes().shown()[2].text, "로그인에 3번 실패하여 종료합니다.");
    EXPECT_EQ(MessageBoxes().shown()[2].icon(), MsgStyle::Critical);
    EXPECT_EQ(ExitRequests().count(), 1);
}

// An answer that says "성공" but does not carry the shop's number whole lets nobody in: the
// shop would run with empty values.
TEST_F(LoginWindow, ASuccessAnswerWithoutTheShopsNumberIsAFailedLogin)
{
    const QByteArray whole = "로그인 성공 번호[1207]번호 storename[한마당 숯불갈비]storename QRC[/qr/1207]QRC ";
    QByteArray nulCut = whole;
    nulCut[nulCut.indexOf("207]")] = '\0';
    QByteArray brokenNumber = whole;
    brokenNumber.replace("1207", "12\xff" "7");
    const QList<QByteArray> answers{
        whole.left(whole.indexOf("]번호")),
        nulCut,
        "로그인 성공 번호[1207 storename[한마당 숯불갈비]storename",
        "로그인 성공 번호[]번호 storename[한마당 숯불갈비]storename",
        "로그인 성공 storename[한마당 숯불갈비]storename",
        brokenNumber,
    };
    frmLogin& login = open();
    for (const QByteArray& answer : answers) {
        gLoginFailCount = 0;
        MessageBoxes().clear();
        backend->script("/program/logins.php", StandinReply::bytes(answer));
        logIn(login, "vmrdemo", "demo1234");
        EXPECT_EQ(MessageBoxes().texts(), QStringList{"로그인에 실패했습니다."}) << answer.toStdString();
        EXPECT_TRUE(gShopNo.isEmpty()) << answer.toStdString();
        EXPECT_TRUE(gStoreName.isEmpty());
        EXPECT_TRUE(login.lblLogin->isEnabled());
    }
    EXPECT_TRUE(backend->requestsTo("/bestAdmin/memberloading.php").isEmpty());
    EXPECT_FALSE(IsFormLoaded("frmMainMDI"));
    EXPECT_TRUE(IsShopLoginSuccess(QString::fromUtf8(whole)));
}

// A byte that is not UTF-8 outside the shop's number, here the shop's name in the Korean ANSI
// code page, lets the shop in with its number whole, also in a re-login.
TEST_F(LoginWindow, OddBytesBesideTheShopsNumberLetTheShopIn)
{
    QByteArray answer = "로그인 성공 번호[1207]번호 storename[한마당 숯불갈비]storename QRC[/qr/1207]QRC ";
    answer.replace("한마당", "\xc7\xd1\xb8\xb6\xb4\xe7");
    backend->script("/program/logins.php", StandinReply::bytes(answer));
    for (const bool reLogin : {false, true}) {
        frmLogin& login = open(reLogin);
        logIn(login, "vmrdemo", "demo1234");
        EXPECT_FALSE(MessageBoxes().texts().contains("로그인에 실패했습니다."));
        EXPECT_EQ(gShopNo, "1207");
        EXPECT_TRUE(gStoreName.endsWith(" 숯불갈비")) << gStoreName.toStdString();
        EXPECT_EQ(gLoginFailCount, 0);
        UnloadForm("frmLogin");
    }
    EXPECT_TRUE(IsFormLoaded("frmMainMDI"));
    EXPECT_EQ(ExitRequests().count(), 0);
}

TEST_F(LoginWindow, AFailedAutomaticLoginGivesTheFieldsBack)
{
    setSavedLogin("True◈True◈vmrdemo◈wrong");
    frmLogin& login = open();
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"로그인에 실패했습니다."});
    EXPECT_TRUE(login.ID->isEnabled());
    EXPECT_TRUE(login.PW->isEnabled());
    EXPECT_TRUE(login.lblLogin->isEnabled());
}

TEST_F(LoginWindow, EnterMovesOnFromTheIdAndLogsInFromThePassword)
{
    frmLogin& login = open();
    login.activateWindow();
    login.ID->setFocus();
    login.ID->setText("vmrdemo");
    QTest::keyClick(login.ID, Qt::Key_Return);
    EXPECT_TRUE(login.PW->hasFocus());
    EXPECT_TRUE(backend->requests().isEmpty());

    login.lblLogin->setEnabled(false);
    login.PW->setText("wrong");
    QTest::keyClick(login.PW, Qt::Key_Return);
    EXPECT_TRUE(backend->requests().isEmpty());

    login.lblLogin->setEnabled(true);
    QTest::keyClick(login.PW, Qt::Key_Return);
    EXPECT_EQ(loginBodies(), QStringList{"ID=vmrdemo&PassWord=wrong"});
}

TEST_F(LoginWindow, ClosingTheStartUpLoginEndsTheProgramButNotARelogin)
{
    open(true).close();
    EXPECT_EQ(ExitRequests().count(), 0);
    UnloadAllForms();
    open().close();
    EXPECT_EQ(ExitRequests().count(), 1);
}

TEST_F(LoginWindow, AClosedReloginIsLoadedAfreshTheNextTime)
{
    frmLogin& first = open(true);
    first.ID->setText("typed");
    first.PW->setText("secret");
    first.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(IsFormLoaded("frmLogin"));

    frmLogin& again = open(true);
    EXPECT_TRUE(again.ID->text().isEmpty());
    EXPECT_TRUE(again.PW->text().isEmpty());
    EXPECT_TRUE(again.lblLogin->isEnabled());
}

TEST_F(LoginWindow, ARelogInGoesOnWhenItsWindowIsClosedDuringTheShopList)
{
    frmMainMDI& main = Form<frmMainMDI>();
    backend->script("/bestAdmin/memberloading.php", StandinReply::text("").after(300));
    frmLogin& login = open(true);
    login.ID->setText("vmrdemo");
    login.PW->setText("demo1234");
    QTimer::singleShot(100, [] { FindForm("frmLogin")->close(); });
    login.lblLogin_Click();
    EXPECT_FALSE(IsFormLoaded("frmLogin"));
    EXPECT_EQ(gShopID, "vmrdemo");
    EXPECT_EQ(main.lbl로그아웃->text(), "로그아웃");
}

TEST_F(LoginWindow, ARelogInReadsAndWritesNoSavedLogin)
{
    setSavedLogin("True◈False◈other◈secret");
    frmMainMDI& main = Form<frmMainMDI>();
    const QString firstVersion = main.lbl버전->text();
    frmLogin& login = open(true);
    EXPECT_TRUE(login.ID->text().isEmpty());
    EXPECT_FALSE(login.chkLoadValue[0]->isChecked());

    logIn(login, "vmrdemo", "wrong");
    EXPECT_EQ(main.lbl로그아웃->text(), "로그인");

    logIn(login, "vmrdemo", "demo1234");
    EXPECT_EQ(savedLogin(), "True◈False◈other◈secret");
    EXPECT_EQ(main.lbl로그아웃->text(), "로그아웃");
    EXPECT_EQ(main.lbl상호->text(), "한마당 숯불갈비");
    // The version reads as it did after the first login.
    EXPECT_EQ(main.lbl버전->text(), firstVersion);
    EXPECT_EQ(firstVersion, "ZLM v" + gVersionText);
    EXPECT_FALSE(main.isVisible());
}

} // namespace
