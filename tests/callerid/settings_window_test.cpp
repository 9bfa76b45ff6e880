#include "callerid/callerid_fixture.h"

#include "callerid/caller_id_settings.h"
#include "callerid/caller_id_values.h"
#include "callerid/connection_events.h"
#include "callerid/service_control.h"
#include "callerid/settings_window.h"
#include "core/date_time.h"
#include "core/log.h"
#include "core/settings.h"
#include "support/qt_printers.h"
#include "platform/window_effects.h"
#include "shell/main_window.h"
#include "shell/window_makers.h"
#include "support/seams.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

class SettingsWindow : public CallerIdTest
{
protected:
    frmzCID_설정& open()
    {
        frmzCID_설정& window = Form<frmzCID_설정>();
        window.m_FirstActivated = true;
        ShowFormModeless(window);
        return window;
    }

    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void type(QLineEdit* box, const QString& text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }
    static QColor color(const QLabel& label) { return label.palette().color(QPalette::WindowText); }

    // The lines of section "CID" of the settings file, in file order.
    QStringList cidSection() const
    {
        const QStringList lines = program.read("Frshop.cfg").split("\r\n");
        const qsizetype start = lines.indexOf("[CID]");
        QStringList section;
        for (qsizetype i = start + 1; start >= 0 && i < lines.size() && !lines[i].startsWith('['); ++i)
            if (!lines[i].isEmpty())
                section.append(lines[i]);
        return section;
    }
};

const QColor kGreen(0, 192, 0);
const QColor kDarkRed(192, 0, 0);

TEST_F(SettingsWindow, LoadsTheValuesAndShowsItsParts)
{
    gCIDUseLG = true;
    gCIDktAutoLogin = false;
    gCIDktID = "kt-id";
    gCIDlgID[3] = "line4";
    gCIDlgIP[0] = "10.0.0.9";
    frmzCID_설정& window = open();

    EXPECT_EQ(window.size(), QSize(600, 450));
    EXPECT_EQ(window.lblTitle->text(), "C I D   설 정");
    EXPECT_TRUE(window.LG_사용->isChecked());
    EXPECT_FALSE(window.KT_사용->isChecked());
    EXPECT_FALSE(window.KT_자동로그인->isChecked());
    EXPECT_TRUE(window.LG_자동로그인->isChecked());
    EXPECT_EQ(window.kt_open_api_ID->text(), "kt-id");
    EXPECT_EQ(window.lg_open_api_ID[3]->text(), "line4");
    EXPECT_EQ(window.lg_open_api_IP[0]->text(), "10.0.0.9");
    EXPECT_EQ(window.picLGU->geometry(), QRect(45, 85, 498, 279));
    EXPECT_EQ(window.CMD[0]->faceColor(), QColor(0, 141, 238));
    EXPECT_EQ(window.CMD[0]->textColor(), QColor(Qt::white));
    EXPECT_TRUE(mainLog().contains("  [frmzCID_설정→Form_Activate] Enter"));

    EXPECT_FALSE(window.picLGU->isVisible());
    click(window.CMD[9]);
    EXPECT_TRUE(window.picLGU->isVisible());
    click(window.CMD[9]);
    EXPECT_FALSE(window.picLGU->isVisible());
    click(window.CMD[9]);
    click(window.cmd회선추가);
    EXPECT_FALSE(window.picLGU->isVisible());
    QTest::mouseClick(window.CMD[9], Qt::LeftButton);
    QTest::mouseDClick(window.CMD[9], Qt::LeftButton);
    QTest::mouseRelease(window.CMD[9], Qt::LeftButton);
    EXPECT_TRUE(window.picLGU->isVisible());

    QApplication::setActiveWindow(&window);
    window.kt_open_api_ID->setFocus();
    QTest::keyClick(window.kt_open_api_ID, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), window.kt_open_api_PW);

    QTest::mousePress(window.CMD[3], Qt::LeftButton);
    EXPECT_EQ(window.CMD[3]->faceColor(), QColor(Qt::white));
    QTest::mouseRelease(window.CMD[3], Qt::LeftButton);
    EXPECT_EQ(window.CMD[3]->faceColor(), QColor(0, 141, 238));

    ActivateForm(window);
    EXPECT_EQ(mainLog().last(), "  [frmzCID_설정→Form_Activate] Quit");
    click(window.lblTerminate);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FindForm(frmzCID_설정::FormName()), nullptr);
}

// The extra lines' panel keeps its rounded shape inside its own place: a shape one pixel wider kept
// that column of the "회선추가" button below from being drawn, and it stayed as a line once the
// panel closed.
TEST_F(SettingsWindow, TheExtraLinesShapeStaysInsideThePanel)
{
    frmzCID_설정& window = open();
    click(window.CMD[9]);
    ASSERT_TRUE(window.picLGU->isVisible());
    const QRect shape = window.picLGU->mask().boundingRect();
    EXPECT_TRUE(window.picLGU->rect().contains(shape)) << shape;
    EXPECT_EQ(shape.size(), window.picLGU->size());
}

TEST_F(SettingsWindow, AnsweringNoChangesNothing)
{
    frmzCID_설정& window = open();
    click(window.KT_사용);
    type(window.kt_open_api_ID, kt().id);
    MessageBoxes().answer(MsgResult::No);
    click(window.CMD[0]);

    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_EQ(MessageBoxes().shown()[0].text, "설정을 저장하시겠습니까?");
    EXPECT_EQ(MessageBoxes().shown()[0].style, MsgStyle::YesNo);
    EXPECT_FALSE(gCIDUseKT);
    EXPECT_TRUE(gCIDktID.isEmpty());
    EXPECT_TRUE(program.read("Frshop.cfg").isEmpty());
    Delay(50);
    EXPECT_TRUE(services->received().isEmpty());
}

TEST_F(SettingsWindow, SavingWritesTheKeysInOrderAndRestarts)
{
    frmzCID_설정& window = open();
    click(window.KT_사용);
    click(window.LG_사용);
    click(window.LG_자동로그인);
    type(window.kt_open_api_ID, kt().id);
    type(window.kt_open_api_PW, kt().pw);
    click(window.CMD[9]);
    type(window.lg_open_api_ID[1], lg(1).id);
    type(window.lg_open_api_PW[1], lg(1).pw);
    click(window.CMD[0]);

    EXPECT_EQ(cidSection(), (QStringList{"CIDUseKT=True", "CIDUseLG=True", "KTOAPI_AutoLogin=True", "ID=vmrkt",
                                         "PW=kt1234", "LGOAPI_AutoLogin=False", "LGID=", "LGPW=", "LGIP=",
                                         "LGID1=vmrlg2", "LGPW1=lg2222", "LGID2=", "LGPW2=", "LGID3=", "LGPW3="}));
    EXPECT_TRUE(waitFor([this] { return services->received().size() == 4; }));
    EXPECT_EQ(services.commands(), (QStringList{"KT KICKOUT", "KT LOGOUT", "KT LOGIN 1 " + gCIDktKEY + " vmrkt kt1234",
                                                "LG LOGIN vmrlg2 lg2222 "}));
    EXPECT_TRUE(waitFor([&] { return window.lg_open_api_MSG[1]->text() == "접속 완료"; }));
    EXPECT_EQ(color(*window.lg_open_api_MSG[1]), kGreen);

    ClearCallerIdValues();
    ReadCallerIdSettings();
    EXPECT_TRUE(gCIDUseKT && gCIDUseLG && gCIDktAutoLogin);
    EXPECT_FALSE(gCIDlgAutoLogin);
    EXPECT_EQ(gCIDlgPW[1], lg(1).pw);
}

TEST_F(SettingsWindow, KtSwitchedOffAndSavedIsLoggedOutAndNotInAgain)
{
    gCIDUseKT = true;
    gCIDktID = kt().id;
    gCIDktPW = kt().pw;
    CID_ReStart();
    ASSERT_EQ(services->ktAccountsLoggedIn(), QStringList{kt().id});

    frmzCID_설정& window = open();
    click(window.KT_사용);
    services->clearReceived();
    click(window.CMD[0]);
    EXPECT_TRUE(waitFor([this] { return services->received().size() == 2; }));
    EXPECT_EQ(services.commands(), (QStringList{"KT KICKOUT", "KT LOGOUT"}));
    EXPECT_TRUE(services->ktAccountsLoggedIn().isEmpty());

    services->clearReceived();
    click(window.CMD[0]);
    Delay(100);
    EXPECT_TRUE(services->received().isEmpty());
}

// A save whose login the service refuses names the cause in the KT label, as the login button
// does, also once the events of the restart have come in, and in the main log.
TEST_F(SettingsWindow, ASaveWithAWrongKtPasswordShowsAndLogsTheCause)
{
    frmzCID_설정& window = open();
    click(window.KT_사용);
    type(window.kt_open_api_ID, kt().id);
    type(window.kt_open_api_PW, "wrong");
    click(window.CMD[0]);
    Delay(200);
    EXPECT_EQ(window.kt_open_api_MSG->text(), "KT-OpenAPI Login: 비밀번호 오류");
    EXPECT_TRUE(mainLog().contains("Save_설정() ... KT-OpenAPI Login: 비밀번호 오류"));
}

TEST_F(SettingsWindow, KtButtonsUseTheTypedAccountWithoutSavingIt)
{
    frmzCID_설정& window = open();
    type(window.kt_open_api_ID, kt().id);
    click(window.CMD[1]);
    EXPECT_EQ(window.kt_open_api_MSG->text(), "KT-OpenAPI Login: '비밀번호'가 설정되지 않았습니다!");
    type(window.kt_open_api_PW, kt().pw);
    click(window.CMD[1]);
    EXPECT_EQ(window.kt_open_api_MSG->text(), "KT-OpenAPI Login: 로그인 성공");
    EXPECT_TRUE(waitFor([&] { return window.kt_open_api_MSG->text() == "접속 완료"; }));
    click(window.CMD[2]);
    EXPECT_TRUE(waitFor([&] { return window.kt_open_api_MSG->text() == "접속 끊김"; }));
    EXPECT_EQ(gCIDktID, kt().id);
    EXPECT_TRUE(program.read("Frshop.cfg").isEmpty());
}

TEST_F(SettingsWindow, LineLoginLogsTheLineOutFirst)
{
    frmzCID_설정& window = open();
    type(window.lg_open_api_ID[0], lg(0).id);
    type(window.lg_open_api_PW[0], "wrong");
    type(window.lg_open_api_IP[0], "10.0.0.1");
    click(window.CMD[7]);
    EXPECT_TRUE(waitFor([&] {
        return window.lg_open_api_MSG[0]->text() == "접속 끊김 (아이디 또는 패스워드를 점검하세요!)";
    }));
    EXPECT_EQ(color(*window.lg_open_api_MSG[0]), kDarkRed);

    type(window.lg_open_api_PW[0], lg(0).pw);
    click(window.CMD[7]);
    EXPECT_TRUE(waitFor([&] { return window.lg_open_api_MSG[0]->text() == "접속 완료"; }));
    EXPECT_EQ(gCIDlgJobKind, 2);

    WriteLog("-- again --");
    click(window.CMD[7]);
    EXPECT_TRUE(waitFor([&] { return services->lgLinesLoggedIn() == QList<int>{0}; }));
    const QStringList log = mainLogAfter("-- again --");
    EXPECT_EQ(log.mid(1, 4), (QStringList{"CMD_Click Start CMD(7).Enabled := True", "CMD_Click NextStep",
                                         "CMD_Click Start CMD(8).Enabled := True", "CMD_Click NextStep"}));
    EXPECT_TRUE(log.contains("【LGU+】(0) SendNetworkErrorEvent ... gCIDlgJobKind = 4:설정로그아웃"));
    EXPECT_EQ(services.commands().mid(services.commands().size() - 2),
              (QStringList{"LG LOGOUT", "LG LOGIN vmrlg1 lg1111 10.0.0.1"}));
    EXPECT_TRUE(window.CMD[7]->isEnabled() && window.CMD[8]->isEnabled());
    EXPECT_TRUE(gCIDlgID[0] == lg(0).id && gCIDlgIP[0] == "10.0.0.1");

    click(window.CMD[8]);
    EXPECT_EQ(gCIDlgJobKind, 4);
    EXPECT_TRUE(waitFor([&] { return window.lg_open_api_MSG[0]->text() == "접속 끊김"; }));
    EXPECT_EQ(color(*window.lg_open_api_MSG[0]), kDarkRed);
}

TEST_F(SettingsWindow, EventsChangeTheLabelsOnlyWhileTheWindowIsOpen)
{
    KTOpenAPIX_LoginEvent(400);
    LGUBaseOpenApiX_StatusEvent(2, "STATUS:1|CALLERID:0215881003|");
    EXPECT_EQ(gCIDktStatus, "다른 곳에서 로그인");
    EXPECT_EQ(gCIDlgStatus[2], "접속 완료");
    EXPECT_EQ(FindForm(frmzCID_설정::FormName()), nullptr);

    frmzCID_설정& window = open();
    KTOpenAPIX_LoginEvent(200);
    EXPECT_EQ(window.kt_open_api_MSG->text(), "접속 완료");
    KTOpenAPIX_LoginEvent(999);
    EXPECT_EQ(window.kt_open_api_MSG->text(), "접속 끊김");
    EXPECT_EQ(gCIDktStatus, "로그인");
    LGUBaseOpenApiX_StatusEvent(2, "status:1|callerid:0215881003|");
    EXPECT_EQ(window.lg_open_api_MSG[2]->text(), "접속 완료");
    EXPECT_EQ(color(*window.lg_open_api_MSG[2]), kGreen);
    LGUBaseOpenApiX_StatusEvent(2, "STATUS:1|");
    EXPECT_EQ(window.lg_open_api_MSG[2]->text(), "접속 끊김");
    EXPECT_EQ(color(*window.lg_open_api_MSG[2]), kDarkRed);

    window.hide();
    LGUBaseOpenApiX_StatusEvent(2, "STATUS:1|CALLERID:0215881003|");
    EXPECT_EQ(window.lg_open_api_MSG[2]->text(), "접속 끊김");
    EXPECT_EQ(gCIDlgStatus[2], "접속 완료");
}

// The open window shows a connection that its service closed as disconnected, and the line
// connected again once its new login holds.
TEST_F(SettingsWindow, ALostConnectionShowsDisconnected)
{
    frmzCID_설정& window = open();
    ASSERT_TRUE(startServices(true, {0}));
    ASSERT_TRUE(waitFor([&] { return window.lg_open_api_MSG[0]->text() == "접속 완료"; }));
    ASSERT_TRUE(waitFor([&] { return window.kt_open_api_MSG->text() == "접속 완료"; }));

    services->drop("KT", -1);
    services->drop("LG", 0);
    EXPECT_TRUE(waitFor([&] {
        return window.kt_open_api_MSG->text() == "접속 끊김" && window.lg_open_api_MSG[0]->text() == "접속 끊김";
    }));
    EXPECT_EQ(color(*window.lg_open_api_MSG[0]), kDarkRed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.lg_open_api_MSG[0]->text() == "접속 완료"; }, 8000));
    EXPECT_EQ(color(*window.lg_open_api_MSG[0]), kGreen);
    EXPECT_TRUE(waitFor([&] { return window.kt_open_api_MSG->text() == "접속 완료"; }));
}

// A window opened after its services changed shows where each stands, not blank labels.
TEST_F(SettingsWindow, AWindowOpenedAfterADropShowsEachServicesStatus)
{
    ASSERT_TRUE(startServices(true, {0, 1}));
    services->drop("KT", -1);
    services->drop("LG", 0);
    ASSERT_TRUE(waitFor([] { return gCIDktStatus == "접속 끊김" && gCIDlgStatus[0] == "접속 끊김"; }));

    frmzCID_설정& window = open();
    EXPECT_EQ(window.kt_open_api_MSG->text(), "접속 끊김");
    EXPECT_EQ(window.lg_open_api_MSG[0]->text(), "접속 끊김");
    EXPECT_EQ(color(*window.lg_open_api_MSG[0]), kDarkRed);
    EXPECT_EQ(window.lg_open_api_MSG[1]->text(), "접속 완료");
    EXPECT_EQ(color(*window.lg_open_api_MSG[1]), kGreen);
    EXPECT_EQ(window.lg_open_api_MSG[2]->text(), "");
}

TEST_F(SettingsWindow, ConnectionEventsKeepTheStatusTexts)
{
    KTOpenAPIX_ConnectEvent(1);
    EXPECT_EQ(gCIDktStatus, "서버 접속 성공");
    KTOpenAPIX_ConnectEvent(0);
    EXPECT_EQ(mainLog().last(), "접속 이벤트 :: 서버 접속 중 ...");

    struct Case {
        QString first;
        QString second;
        QString status;
    };
    const std::vector<Case> results{
        {"Login", "OamServer Connect Err", "접속 끊김 (인터넷 점검하세요!)"},
        {"Connect", "Network Connect Err", "접속 끊김 (아이디 또는 패스워드를 점검하세요!)"},
        {"Login", "Network Connect Err", "[Login] Network Connect Err"},
    };
    frmzCID_설정& window = open();
    for (int jobKind : {1, 2}) {
        gCIDlgJobKind = jobKind;
        for (const Case& c : results) {
            window.lg_open_api_MSG[1]->clear();
            LGUBaseOpenApiX_ConnectResultEvent(1, c.first, c.second);
            EXPECT_EQ(gCIDlgStatus[1], c.status);
            EXPECT_EQ(mainLog().last(), "【LGU+】(1) " + c.first + ", " + c.second);
            EXPECT_EQ(window.lg_open_api_MSG[1]->text(), jobKind == 2 ? c.status : QString());
        }
    }
    LGUBaseOpenApiX_SendCommandResultEvent(1, "OK");
    EXPECT_EQ(gCIDlgStatus[1], "[Login] Network Connect Err\r\n[SendCommandResultEvent]OK");

    const qsizetype entries = mainLog().size();
    gCIDlgStatus[3] = "접속 완료";
    LGUBaseOpenApiX_SendNetworkErrorEvent(3);
    EXPECT_EQ(mainLog().size(), entries);
    EXPECT_EQ(gCIDlgStatus[3], "접속 완료");
    gCIDlgJobKind = 3;
    LGUBaseOpenApiX_SendNetworkErrorEvent(3);
    EXPECT_EQ(mainLog().last(), "【LGU+】(3) SendNetworkErrorEvent ... gCIDlgJobKind = 3:로그아웃");
    EXPECT_EQ(gCIDlgStatus[3], "접속 끊김");

    LGUBaseOpenApiX_StatusEvent(7, "STATUS:1|CALLERID:1|");
    EXPECT_EQ(mainLog().last(), "【LGU+】(7) STATUS:1|CALLERID:1|");
}

TEST_F(SettingsWindow, TheMainWindowsLabelOpensItOverTheHalfTransparentWindow)
{
    RegisterWindowMakers();
    frmMainMDI& main = Form<frmMainMDI>();
    main.show();
    main.lbl현재작업->setText("[ 예약관리 ]");
    QString titleMeanwhile;
    int alphaMeanwhile = 0;
    QTimer::singleShot(0, &main, [&] {
        auto* window = dynamic_cast<frmzCID_설정*>(FindForm(frmzCID_설정::FormName()));
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(mainLog().contains("  [frmzCID_설정→Form_Activate] Enter"));
        EXPECT_EQ(window->geometry().center().x(), main.geometry().center().x());
        EXPECT_EQ(window->y(), main.y() + (main.height() - 450) / 2 + 10);
        titleMeanwhile = main.lbl현재작업->text();
        alphaMeanwhile = WindowAlpha(main);
        click(window->lblTerminate);
    });
    main.lblCID설정_Click();
    EXPECT_EQ(titleMeanwhile, "[ CID 설정 ]");
    EXPECT_EQ(alphaMeanwhile, 128);
    EXPECT_EQ(main.lbl현재작업->text(), "[ 예약관리 ]");
    EXPECT_EQ(WindowAlpha(main), 255);
}

} // namespace
