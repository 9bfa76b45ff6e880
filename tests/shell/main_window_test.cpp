#include "shell/shell_fixture.h"

#include "core/grid_helpers.h"
#include "core/install_values.h"
#include "core/login_values.h"
#include "platform/grid_model.h"
#include "platform/window_effects.h"
#include "platform/window_registry.h"
#include "server/main_credit_labels.h"
#include "server/server_globals.h"
#include "shell/login_window.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "support/seams.h"
#include "support/scoped_env.h"
#include "support/standin_fixture.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

namespace {

class MainWindow : public ShellTest
{
protected:
    frmMainMDI& load()
    {
        frmMainMDI& main = Form<frmMainMDI>();
        main.show();
        QCoreApplication::processEvents();
        return main;
    }

    // A work window inside the main window's client area.
    QWidget& child(frmMainMDI& main, const QString& name, const QSize& size)
    {
        auto* window = new QWidget(main.MdiClient());
        window->resize(size);
        RegisterForm(name, window);
        window->show();
        return *window;
    }

    void loggedIn()
    {
        gShopID = "vmrdemo";
        gShopPW = "demo1234";
        gStoreName = "한마당 숯불갈비";
    }

    static QColor textColor(const QLabel& label) { return label.palette().color(QPalette::WindowText); }
};

TEST_F(MainWindow, OpensWithTheSavedGeometryAndKeepsItsMinimum)
{
    struct Case {
        QByteArray settings;
        QRect expected;
        bool errorLine;
    };
    const QList<Case> cases{
        {"", QRect(0, 0, 1024, 768), false},
        {"[SET]\r\nW=800\r\nH=900\r\nX=10\r\nY=20\r\n", QRect(10, 20, 1024, 900), false},
        {"[SET]\r\nW=wide\r\nH=800\r\n", QRect(0, 0, 1024, 800), true},
    };
    for (const Case& c : cases) {
        writeSettings(c.settings);
        frmMainMDI& main = load();
        EXPECT_EQ(main.geometry(), c.expected) << c.settings.toStdString();
        EXPECT_EQ(gMDIClientW, (c.expected.width() - 2) * gTwipsX);
        EXPECT_EQ(gMDIClientH, (c.expected.height() - 114) * gTwipsY);
        EXPECT_EQ(mainLog().contains("e)frmMainMDI->MDIForm_Load[Erl:=2, Eno:=13]"), c.errorLine);
        EXPECT_EQ(main.cmdRefresh->tag(), "On");
        EXPECT_EQ(main.lbl로그아웃->text(), "로그아웃");
        UnloadAllForms();
    }
}

TEST_F(MainWindow, AResizeKeepsTheMinimumAndPlacesTheWorkWindows)
{
    frmMainMDI& main = load();
    QWidget& board = child(main, "frmB예약관리", QSize(400, 300));
    QWidget& settings = child(main, "frmz예약설정", QSize(300, 200));

    main.resize(1200, 900);
    EXPECT_EQ(board.geometry(), QRect(0, 0, 1198, 786));
    EXPECT_EQ(settings.geometry(), QRect(449, 293, 300, 200));
    EXPECT_EQ(gMDIClientW, 1198 * gTwipsX);
    EXPECT_EQ(main.picMenu[0]->x(), 1200 - 564);
    EXPECT_EQ(main.lbl상호->width(), 1200 - 819 + 1);

    main.resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(main.size(), QSize(1024, 768));
    EXPECT_EQ(board.size(), QSize(1022, 654));
}

TEST_F(MainWindow, OnlyTheFirstActivationDoesItsWork)
{
    frmMainMDI& main = load();
    main.m_FirstActivated = true;
    ActivateForm(main);
    EXPECT_FALSE(main.m_FirstActivated);
    ActivateForm(main);
    const QString log = mainLog();
    EXPECT_EQ(log.count("  [frmMainMDI→MDIForm_Activate] Enter"), 1);
    EXPECT_EQ(log.count("  [frmMainMDI→MDIForm_Activate] Quit"), 1);
    EXPECT_LT(log.indexOf("] Enter"), log.indexOf("] Quit"));
}

TEST_F(MainWindow, TheCacheIsRebuiltInsideTheFirstActivationsWaitBeforeTheWindowsOpen)
{
    StandinFixture backend;
    frmMainMDI& main = Form<frmMainMDI>();
    QTest::qWait(20);   // the login's steps between the load and the show
    main.m_FirstActivated = true;
    ShowFormModeless(main);
    const QString log = mainLog();
    const qsizetype rebuilt = log.indexOf("회원, 예약 Loading ... End !!");
    ASSERT_GE(rebuilt, 0);
    EXPECT_LT(rebuilt, log.indexOf("TopCMD_Click Start TopCMD(5)"));
    EXPECT_LT(rebuilt, log.indexOf("TopCMD_Click Start TopCMD(0)"));
    gStartLoaded = false;
}

TEST_F(MainWindow, ACloseFromOutsideOnlyMinimises)
{
    frmMainMDI& main = load();
    main.close();
    EXPECT_TRUE(IsFormLoaded("frmMainMDI"));
    EXPECT_TRUE(main.isMinimized());
    EXPECT_EQ(ExitRequests().count(), 0);
}

TEST_F(MainWindow, TheExitAsksSavesTheLoginAndTheGeometryAndEnds)
{
    struct Case {
        QString stored;
        bool loggedIn;
        QString expected;
    };
    const QList<Case> cases{
        {"True◈False◈old◈oldpw", true, "True◈False◈vmrdemo◈demo1234"},
        {"False◈True◈old◈oldpw", true, "False◈True◈◈"},
        {"True◈True", true, "False◈False◈◈"},
        {"True◈False◈old◈oldpw", false, "True◈False◈old◈oldpw"},
    };
    for (const Case& c : cases) {
        setSavedLogin(c.stored);
        if (c.loggedIn)
            loggedIn();
        frmMainMDI& main = load();
        main.setGeometry(30, 40, 1100, 800);
        QTest::mouseClick(main.lblTerminate, Qt::LeftButton);
        EXPECT_EQ(MessageBoxes().texts(), QStringList{"종료 하시겠습니까?"});
        EXPECT_EQ(MessageBoxes().shown().value(0).style, MsgStyle::YesNo);
        EXPECT_EQ(savedLogin(), c.expected) << c.stored.toStdString();
        EXPECT_EQ(settingValue("SET", "W"), "1100");
        EXPECT_EQ(settingValue("SET", "Y"), "40");
        EXPECT_EQ(ExitRequests().count(), 1);
        ExitRequests().clear();
        MessageBoxes().clear();
        gShopID.clear();
        gShopPW.clear();
        gStoreName.clear();
        UnloadAllForms();
    }
}

TEST_F(MainWindow, AnExitAnsweredNoChangesNothing)
{
    setSavedLogin("True◈False◈old◈oldpw");
    loggedIn();
    frmMainMDI& main = load();
    MessageBoxes().answer(MsgResult::No);
    main.mnuExit_Click();
    EXPECT_EQ(savedLogin(), "True◈False◈old◈oldpw");
    EXPECT_EQ(settingValue("SET", "W"), "<none>");
    EXPECT_EQ(ExitRequests().count(), 0);
    EXPECT_TRUE(IsFormLoaded("frmMainMDI"));
}

TEST_F(MainWindow, LogoutClosesTheWorkWindowsAndEmptiesTheAccount)
{
    loggedIn();
    frmMainMDI& main = load();
    main.ShowLoginLink(true);
    child(main, "frmB예약관리", QSize(400, 300));
    child(main, "z01", QSize(400, 300));

    MessageBoxes().answer(MsgResult::No);
    QTest::mouseClick(main.lbl로그아웃, Qt::LeftButton);
    EXPECT_TRUE(IsFormLoaded("z01"));
    EXPECT_EQ(gShopID, "vmrdemo");

    QTest::mouseClick(main.lbl로그아웃, Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts(), (QStringList{"로그아웃 하시겠습니까?", "로그아웃 하시겠습니까?"}));
    EXPECT_EQ(MessageBoxes().shown()[1].style, MsgStyle::YesNo);
    EXPECT_EQ(MessageBoxes().shown()[1].title, "VmrZLM");
    EXPECT_EQ(LoadedFormNames(), QStringList{"frmMainMDI"});
    EXPECT_TRUE(gShopID.isEmpty());
    EXPECT_TRUE(gShopPW.isEmpty());
    EXPECT_TRUE(main.lbl상호->text().isEmpty());
    EXPECT_EQ(main.lbl로그아웃->text(), "로그인");
    EXPECT_EQ(textColor(*main.lbl로그아웃), QColor(170, 170, 170));
}

TEST_F(MainWindow, TheLoginLinkLogsInAgainInReloginMode)
{
    StandinFixture backend;
    ScopedEnv noPatchServer{"VMR_PATCH_HOST", "127.0.0.1:1"};
    gShopID.clear();
    gShopPW.clear();
    setSavedLogin("True◈False◈other◈secret");
    frmMainMDI& main = load();
    main.ShowLoginLink(false);

    QTimer::singleShot(0, [] { FindForm("frmLogin")->hide(); });
    QTest::mouseClick(main.lbl로그아웃, Qt::LeftButton);
    EXPECT_EQ(main.lbl로그아웃->text(), "로그인");
    EXPECT_TRUE(backend->requests().isEmpty());
    UnloadForm("frmLogin");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QTimer::singleShot(0, [] {
        auto* login = static_cast<frmLogin*>(FindForm("frmLogin"));
        EXPECT_TRUE(login->ID->text().isEmpty());
        login->ID->setText("vmrdemo");
        login->PW->setText("demo1234");
        login->lblLogin_Click();
    });
    QTest::mouseClick(main.lbl로그아웃, Qt::LeftButton);
    EXPECT_EQ(gShopID, "vmrdemo");
    EXPECT_EQ(main.lbl로그아웃->text(), "로그아웃");
    EXPECT_EQ(textColor(*main.lbl로그아웃), QColor(46, 144, 37));
    EXPECT_EQ(main.lbl상호->text(), "한마당 숯불갈비");
    EXPECT_EQ(savedLogin(), "True◈False◈other◈secret");
}

TEST_F(MainWindow, TheMiniIconComesAndGoesAndCanBeDragged)
{
    gEzPosCheck = true;
    gRobotUse = true;
    frmMainMDI& main = load();
    main.setGeometry(50, 60, 1100, 800);

    main.lbMiniView_DblClick();
    EXPECT_TRUE(main.m_FloatingButton);
    EXPECT_EQ(main.geometry(), QRect(50, 60, 72, 61));
    EXPECT_TRUE(main.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(settingValue("SET", "W"), "1100");
    EXPECT_EQ(settingValue("SET", "X"), "50");
    EXPECT_TRUE(main.sspTEL->isVisibleTo(&main));
    EXPECT_TRUE(main.CMD[0]->isVisibleTo(&main));
    EXPECT_EQ(main.sspTel_Info->text(), "EZ, KT로봇");

    QTest::mousePress(main.lbMiniView, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 50), main.lbMiniView->mapToGlobal(QPointF(40, 50)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(main.lbMiniView, &move);
    QTest::mouseRelease(main.lbMiniView, Qt::LeftButton, {}, QPoint(40, 50));
    EXPECT_EQ(main.pos(), QPoint(80, 100));
    EXPECT_TRUE(main.m_FloatingButton);

    QTest::mouseClick(main.lbMiniView, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(main.m_FloatingButton);
    EXPECT_EQ(main.geometry(), QRect(50, 60, 1100, 800));
    EXPECT_FALSE(main.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(settingValue("SET", "MiniIconX"), "80");
    EXPECT_EQ(settingValue("SET", "MiniIconY"), "100");
    EXPECT_FALSE(main.sspTEL->isVisibleTo(&main));

    main.lblMinimize_Click();
    EXPECT_EQ(main.geometry(), QRect(80, 100, 72, 61));
    gEzPosCheck = false;
    gRobotUse = false;
}

TEST_F(MainWindow, TheMiniIconFromAMaximisedWindowReturnsToTheNormalStateFirst)
{
    frmMainMDI& main = load();
    main.setGeometry(5, 6, 1050, 780);
    main.lblMaximize_Click();
    writeSettings("");
    main.lbMiniView_DblClick();
    EXPECT_FALSE(main.isMaximized());
    EXPECT_EQ(main.size(), QSize(72, 61));
    EXPECT_EQ(settingValue("SET", "W"), "1050");
    main.lbMiniView_DblClick();
    EXPECT_EQ(main.geometry(), QRect(5, 6, 1050, 780));
}

TEST_F(MainWindow, MaximiseSavesTheNormalGeometryFirst)
{
    frmMainMDI& main = load();
    main.setGeometry(5, 6, 1050, 780);
    main.lblMaximize_Click();
    EXPECT_TRUE(main.isMaximized());
    EXPECT_EQ(settingValue("SET", "W"), "1050");
    writeSettings("");
    main.lblMaximize_Click();
    EXPECT_FALSE(main.isMaximized());
    EXPECT_EQ(settingValue("SET", "W"), "<none>");
}

TEST_F(MainWindow, CreditLabelsDivideBy15_20_45AndTurnRedBelow500)
{
    struct Case {
        int credit;
        QStringList texts;
        QColor color;
    };
    const QList<Case> cases{
        {22499, {"1,499", "1,124", "499"}, QColor(255, 0, 0)},
        {22500, {"1,500", "1,125", "500"}, QColor(Qt::black)},
        {0, {"0", "0", "0"}, QColor(255, 0, 0)},
    };
    frmMainMDI& main = load();
    for (const Case& c : cases) {
        // As the other windows write them: through the main window found by name.
        WriteMainCreditLabels(c.credit);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(main.lbl남은문자[i]->text(), c.texts[i]) << c.credit;
            EXPECT_EQ(textColor(*main.lbl남은문자[i]), c.color) << c.credit;
        }
    }
}

TEST_F(MainWindow, CommandsOpenTheirTargetsAndSwitches)
{
    frmMainMDI& main = load();
    main.lbl현재작업->setText("[ 예약관리 ]");
    QTimer::singleShot(0, [] {
        if (QWidget* history = FindForm("frmz문자내역"))
            history->close();
    });
    QTest::mouseClick(main.lbl문자내역, Qt::LeftButton);
    EXPECT_FALSE(IsFormLoaded("frmz문자내역"));
    EXPECT_EQ(main.lbl현재작업->text(), "[ 예약관리 ]");
    EXPECT_EQ(WindowAlpha(main), 255);

    QTest::mouseClick(main.cmdRefresh, Qt::LeftButton);
    EXPECT_TRUE(main.cmdRefresh->tag().isEmpty());
    QTest::mouseClick(main.cmdRefresh, Qt::LeftButton);
    EXPECT_EQ(main.cmdRefresh->tag(), "On");

    main.lblManual_Click();
    main.lbl다운로드_Click();
    main.lblAS_Click();
    EXPECT_EQ(ProgramLaunches().opened(), (QStringList{"https://" + BackendHost() + "/down/zlm메뉴얼.pdf",
                                                       "http://" + DownloadHost() + "/cc/VomariZLM_Last.EXE"}));
    ASSERT_EQ(ProgramLaunches().started().size(), 1);
    EXPECT_EQ(ProgramLaunches().started()[0].workingFolder, program.path());
}

TEST_F(MainWindow, GridCheckCellsDrawTheMainWindowsCheckPictures)
{
    QDir().mkpath(gSkinPath);
    for (int i = 0; i < 4; ++i) {
        const QString name = QString("check_%1.gif").arg(i);
        ASSERT_TRUE(QFile::copy(QStringLiteral(VMR_BUILT_SKIN_DIR) + "/" + name, gSkinPath + "/" + name));
    }
    frmMainMDI& main = load();
    ASSERT_EQ(main.imgGlobal.Count(), 4);

    GridModel grid;
    grid.SetMaxCols(2);
    grid.SetMaxRows(2);
    SpreadSetCellType(&grid, 1, 14, "");
    grid.SetCol(1);
    grid.SetRow(1);
    for (int state = 0; state <= 3; ++state) {
        EXPECT_FALSE(grid.TypeCheckPicture(state).isNull()) << state;
        EXPECT_EQ(grid.TypeCheckPicture(state).toImage(), main.imgGlobal.Item(state + 1).toImage()) << state;
    }

    UnloadAllForms();
    EXPECT_EQ(BoundImgGlobal(), nullptr);
}

} // namespace
