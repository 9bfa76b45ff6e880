#include "callerid/callerid_fixture.h"

#include "callerid/caller_id_values.h"
#include "callerid/service_control.h"
#include "callerid/service_controls.h"
#include "callerid/service_relogin.h"
#include "core/date_time.h"
#include "core/log.h"
#include "support/loopback_port.h"
#include "support/qt_printers.h"
#include "support/scoped_env.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

using ServiceControl = CallerIdTest;

const QString kRestartMarker = QStringLiteral("-- restart --");

TEST_F(ServiceControl, RestartLogsInTheSwitchedOnServicesOnly)
{
    struct Case {
        bool kt;
        bool lg;
        QStringList commands;
        QStringList log;
    };
    const QString key = gCIDktKEY;
    const std::vector<Case> cases{
        {false, false, {}, {}},
        {true, false,
         {"KT KICKOUT", "KT LOGOUT", "KT LOGIN 1 " + key + " vmrkt kt1234"},
         {"kt_open_api_KickOut() .. 실행", "kt_open_api_Logout() .. 실행 (리턴값 없음)", "CID 기동: CID_ReStart() ... KT"}},
        {true, true,
         {"KT KICKOUT", "KT LOGOUT", "KT LOGIN 1 " + key + " vmrkt kt1234", "LG LOGIN vmrlg3 lg3333 "},
         {"kt_open_api_KickOut() .. 실행", "kt_open_api_Logout() .. 실행 (리턴값 없음)",
          "LGUBaseOpenApiX(0-3).DisconnectServer .. 실행 (리턴값 없음)", "CID 기동: CID_ReStart() ... KT",
          "CID 기동: CID_ReStart() ... LG", "LGUBaseOpenApiX(2).LoginServer .. vmrlg3, lg3333, "}},
        {false, true,
         {"LG LOGIN vmrlg3 lg3333 "},
         {"LGUBaseOpenApiX(0-3).DisconnectServer .. 실행 (리턴값 없음)", "CID 기동: CID_ReStart() ... LG",
          "LGUBaseOpenApiX(2).LoginServer .. vmrlg3, lg3333, "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("KT %1, LG %2").arg(c.kt).arg(c.lg).toStdString());
        ResetCallerIdServices();
        services->clearReceived();
        gCIDUseKT = c.kt;
        gCIDUseLG = c.lg;
        gCIDktID = kt().id;
        gCIDktPW = kt().pw;
        gCIDlgID[1] = lg(1).id;   // no password: not logged in
        gCIDlgID[2] = lg(2).id;
        gCIDlgPW[2] = lg(2).pw;
        gCIDlgStatus[1] = "old";
        WriteLog(kRestartMarker);

        CID_ReStart();

        // Events of the services may follow inside the restart's waits.
        const QStringList log = mainLogAfter(kRestartMarker).mid(1);
        EXPECT_EQ(log.mid(0, c.log.size()), c.log);
        for (const QString& later : log.mid(c.log.size()))
            EXPECT_TRUE(later.contains(" 이벤트 :: ") || later.startsWith("【LGU+】")) << later.toStdString();
        if (c.kt && !c.lg) {
            EXPECT_EQ(gCIDktStatus, "KT-OpenAPI Login: 로그인 성공");
        }
        if (c.lg) {
            EXPECT_EQ(gCIDlgJobKind, 1);
            EXPECT_TRUE(gCIDlgStatus[1].isEmpty());
            EXPECT_TRUE(waitFor([] { return gCIDlgStatus[2] == "접속 완료"; }));
        }
        EXPECT_EQ(services.commands(), c.commands);
    }
}

// A restart's logins follow its logouts at once, so the lines' disconnection events meet job kind
// 1 and change nothing; a service switched off since is only logged out, as job kind 3.
TEST_F(ServiceControl, RestartLogsOutWhatAnEarlierStartLoggedIn)
{
    gCIDUseLG = true;
    gCIDlgID[0] = lg(0).id;
    gCIDlgPW[0] = lg(0).pw;
    gCIDlgIP[0] = "10.1.2.3";
    CID_ReStart();
    ASSERT_TRUE(waitFor([this] { return services->lgLinesLoggedIn() == QList<int>{0}; }));
    EXPECT_EQ(services.commands(), QStringList{"LG LOGIN vmrlg1 lg1111 10.1.2.3"});

    services->clearReceived();
    CID_ReStart();
    EXPECT_TRUE(waitFor([this] { return services->received().size() == 2; }));
    EXPECT_EQ(services.commands(), (QStringList{"LG LOGOUT", "LG LOGIN vmrlg1 lg1111 10.1.2.3"}));
    EXPECT_TRUE(waitFor([] { return gCIDlgStatus[0] == "접속 완료"; }));
    EXPECT_FALSE(mainLog().join('\n').contains("SendNetworkErrorEvent"));

    services->clearReceived();
    gCIDUseLG = false;
    CID_ReStart();
    EXPECT_EQ(services.commands(), QStringList{"LG LOGOUT"});
    EXPECT_TRUE(waitFor([] {
        return mainLog().contains("【LGU+】(0) SendNetworkErrorEvent ... gCIDlgJobKind = 3:로그아웃");
    }));
    EXPECT_EQ(gCIDlgStatus[0], "접속 끊김");
    EXPECT_TRUE(services->lgLinesLoggedIn().isEmpty());

    services->clearReceived();
    CID_ReStart();
    Delay(100);
    EXPECT_TRUE(services->received().isEmpty());
}

TEST_F(ServiceControl, UnreachableKtLeavesErrorEntriesAndLgStillLogsIn)
{
    ScopedEnv nowhere("VMR_CID_KT_HOST", "127.0.0.1:" + QByteArray::number(FreeLoopbackPort()));
    ResetCallerIdServices();
    gCIDUseKT = true;
    gCIDUseLG = true;
    gCIDktID = kt().id;
    gCIDktPW = kt().pw;
    gCIDlgID[3] = lg(3).id;
    gCIDlgPW[3] = lg(3).pw;

    CID_ReStart();

    const QString errors = errorLog();
    for (const QString procedure : {"kt_open_api_KickOut", "kt_open_api_Logout", "kt_open_api_Login"})
        EXPECT_TRUE(errors.contains("]E)lib_CID3->" + procedure + "[Erl:=")) << errors.toStdString();
    EXPECT_FALSE(mainLog().join('\n').contains("lib_CID3"));
    EXPECT_EQ(gCIDktStatus, "KT-OpenAPI Login: ");
    EXPECT_TRUE(mainLog().contains("LGUBaseOpenApiX(3).LoginServer .. vmrlg4, lg4444, "));
    EXPECT_TRUE(waitFor([this] { return services->lgLinesLoggedIn() == QList<int>{3}; }));
}

TEST_F(ServiceControl, KtResultsAndRefusalsGiveTheirTexts)
{
    gCIDktID = kt().id;
    gCIDktPW = kt().pw;
    const std::vector<std::pair<int, QString>> logins{
        {200, "로그인 성공"}, {1502, "협정 만료일이 지났음"}, {1600, "알수 없는 오류! (1600)"}, {0, "기타 요청 실패"},
        {1702, "PC 메모리 부족(API 생성 에러)"}};
    for (const auto& [code, text] : logins) {
        services->scriptKt("login", code);
        EXPECT_EQ(kt_open_api_Login(), code);
        EXPECT_EQ(gCIDktStatus, "KT-OpenAPI Login: " + text);
    }
    services->scriptKt("kickout", 7);
    EXPECT_EQ(kt_open_api_KickOut(), 7);
    EXPECT_EQ(gCIDktStatus, "KT-OpenAPI KickOut: 알수 없는 상태! (7)");
    EXPECT_EQ(kt_open_api_KickOut(), 0);
    EXPECT_EQ(gCIDktStatus, "KT-OpenAPI KickOut: 중복 로그인 상태가 아님");

    services->clearReceived();
    gCIDktPW.clear();
    EXPECT_EQ(kt_open_api_Login(), -1);
    EXPECT_EQ(gCIDktStatus, "KT-OpenAPI Login: '비밀번호'가 설정되지 않았습니다!");
    gCIDktID.clear();
    EXPECT_EQ(kt_open_api_Login(), -1);
    EXPECT_EQ(gCIDktStatus, "KT-OpenAPI Login: '아이디'가 설정되지 않았습니다!");
    EXPECT_TRUE(services->received().isEmpty());
}

TEST_F(ServiceControl, KickOutEndsTheAccountsOtherLogin)
{
    KtCidControl otherPc(services->ktHost());
    QList<int> otherEvents;
    otherPc.LoginEvent = [&](int code) { otherEvents << code; };
    ASSERT_EQ(otherPc.Login(1, gCIDktKEY, kt().id, kt().pw), 200);

    gCIDktID = kt().id;
    gCIDktPW = kt().pw;
    EXPECT_EQ(kt_open_api_Login(), 301);
    EXPECT_EQ(gCIDktStatus, "KT-OpenAPI Login: 다른 위치에서 로그인 중");
    EXPECT_EQ(kt_open_api_KickOut(), 200);
    EXPECT_EQ(gCIDktStatus, "KT-OpenAPI KickOut: 기존 사용자 로그아웃 성공");
    EXPECT_TRUE(waitFor([&] { return otherEvents.contains(400); }));
    EXPECT_EQ(kt_open_api_Login(), 200);
    kt_open_api_Logout();
    EXPECT_EQ(gCIDktStatus, "KT-OpenAPI Logout: 성공");
    EXPECT_TRUE(waitFor([] { return gCIDktStatus == "로그아웃"; }));

    gCIDktPW = "wrong";
    const std::vector<int> expected{405, 405, 405, 405, 402};
    for (int code : expected)
        EXPECT_EQ(kt_open_api_Login(), code);
}

TEST_F(ServiceControl, KtCommandsReachTheService)
{
    kt_open_api_Help();
    kt_open_api_Config();
    kt_open_api_LineJoin();
    kt_open_api_FindPW();
    EXPECT_TRUE(waitFor([this] { return services->received().size() == 4; }));
    EXPECT_EQ(services.commands(), (QStringList{"KT HELP 1", "KT CONFIG", "KT LINEJOIN " + gCIDktKEY, "KT FINDPW 1"}));
}

TEST_F(ServiceControl, TriesToLogInAgainBackOffToAMinute)
{
    const std::vector<std::pair<int, int>> waits{{0, 3000}, {1, 6000}, {2, 12000}, {3, 24000}, {4, 48000},
                                                 {5, 60000}, {6, 60000}, {40, 60000}};
    for (const auto& [attempt, ms] : waits)
        EXPECT_EQ(ReloginDelayMs(attempt), ms) << attempt;
}

// Connections that the services close: the main log names each service, its status says
// disconnected, and the saved accounts log in again after a few seconds; a try that a later one
// can mend ("기타 요청 실패") is followed by one after twice the wait.
TEST_F(ServiceControl, ALostConnectionIsSeenAndLoggedInAgain)
{
    ASSERT_TRUE(startServices(true, {1}));
    services->clearReceived();
    services->scriptKt("login", 0);
    WriteLog(kRestartMarker);

    // The waits are coarse timers, which may fire up to 5 % early.
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(services->drop("KT", -1));
    ASSERT_TRUE(services->drop("LG", 1));
    ASSERT_TRUE(waitFor([] { return gCIDktStatus == "접속 끊김" && gCIDlgStatus[1] == "접속 끊김"; }));
    const QStringList lost = mainLogAfter(kRestartMarker);
    EXPECT_TRUE(lost.contains("KTOpenAPI 연결 끊김 :: 3초 후 다시 로그인")) << lost.join('\n').toStdString();
    EXPECT_TRUE(lost.contains("【LGU+】(1) 연결 끊김 :: 3초 후 다시 로그인")) << lost.join('\n').toStdString();
    EXPECT_TRUE(services->ktAccountsLoggedIn().isEmpty());

    ASSERT_TRUE(QTest::qWaitFor([this] { return services->lgLinesLoggedIn() == QList<int>{1}; }, 8000));
    EXPECT_GE(clock.elapsed(), 2850);
    EXPECT_TRUE(waitFor([] { return gCIDlgStatus[1] == "접속 완료"; }));
    EXPECT_TRUE(mainLog().contains("KTOpenAPI 다시 로그인 :: KT-OpenAPI Login: 기타 요청 실패 ... 6초 후 다시 로그인"));

    ASSERT_TRUE(QTest::qWaitFor([this] { return services->ktAccountsLoggedIn() == QStringList{kt().id}; }, 9000));
    EXPECT_GE(clock.elapsed(), 8550);
    EXPECT_TRUE(mainLog().contains("KTOpenAPI 다시 로그인 :: KT-OpenAPI Login: 로그인 성공"));
    EXPECT_TRUE(waitFor([] { return gCIDktStatus == "로그인"; }));
    const QString login = "KT LOGIN 1 " + gCIDktKEY + " vmrkt kt1234";
    QStringList commands = services.commands();
    commands.sort();
    EXPECT_EQ(commands, (QStringList{login, login, "LG LOGIN vmrlg2 lg2222 "}));

    // Switched off and restarted: a later loss is only logged.
    gCIDUseKT = false;
    gCIDUseLG = false;
    CID_ReStart();
    services->clearReceived();
    ASSERT_TRUE(services->drop("KT", -1));
    EXPECT_TRUE(waitFor([] { return mainLog().contains("KTOpenAPI 연결 끊김"); }));
}

// A login refused on a try (KT: a wrong password, of which five lock the account; LG U+: a wrong
// account) is not tried again: its status stays, one main-log line tells why, and only the staff's
// next save (a restart) logs the services in again.
TEST_F(ServiceControl, ARefusedTryIsNotRepeated)
{
    ASSERT_TRUE(startServices(true, {1}));
    services->scriptKt("login", 405);
    gCIDlgPW[1] = "wrong";
    services->clearReceived();
    WriteLog(kRestartMarker);
    ASSERT_TRUE(services->drop("KT", -1));
    ASSERT_TRUE(services->drop("LG", 1));

    const QString held = " ... 다시 로그인 멈춤 (CID 설정 저장 또는 다음 시작까지)";
    const QString ktHeld = "KTOpenAPI 다시 로그인 :: KT-OpenAPI Login: 비밀번호 오류" + held;
    const QString lgHeld = "【LGU+】(1) 다시 로그인 :: 접속 끊김 (아이디 또는 패스워드를 점검하세요!)" + held;
    ASSERT_TRUE(QTest::qWaitFor([&] { return mainLog().contains(ktHeld) && mainLog().contains(lgHeld); }, 8000))
        << mainLogAfter(kRestartMarker).join('\n').toStdString();
    // Past the wait of a second try.
    Delay(6500);
    EXPECT_EQ(services.commands(), (QStringList{"KT LOGIN 1 " + gCIDktKEY + " vmrkt kt1234", "LG LOGIN vmrlg2 wrong "}));
    EXPECT_EQ(mainLog().filter("다시 로그인 멈춤").size(), 2);
    EXPECT_EQ(gCIDktStatus, "KT-OpenAPI Login: 비밀번호 오류");
    EXPECT_EQ(gCIDlgStatus[1], "접속 끊김 (아이디 또는 패스워드를 점검하세요!)");

    // The staff mend the account and save: the services log in, and a later loss is tried again.
    gCIDlgPW[1] = lg(1).pw;
    ASSERT_TRUE(startServices(true, {1}));
    ASSERT_TRUE(services->drop("LG", 1));
    EXPECT_TRUE(waitFor([] { return mainLog().contains("【LGU+】(1) 연결 끊김 :: 3초 후 다시 로그인"); }));
}

// Another PC of the same account kicks this one out: this one does not log in again over it.
TEST_F(ServiceControl, LoggedInElsewhereIsNotFoughtOver)
{
    ASSERT_TRUE(startServices(true, {}));
    KtCidControl otherPc(services->ktHost());
    ASSERT_EQ(otherPc.Login(1, gCIDktKEY, kt().id, kt().pw), 301);
    ASSERT_EQ(otherPc.KickOut(), 200);
    ASSERT_EQ(otherPc.Login(1, gCIDktKEY, kt().id, kt().pw), 200);
    services->clearReceived();

    ASSERT_TRUE(waitFor([] { return mainLog().contains("KTOpenAPI 연결 끊김"); }));
    EXPECT_TRUE(mainLog().contains(
        "KTOpenAPI 다시 로그인 :: 다른 곳에서 로그인 ... 다시 로그인 멈춤 (CID 설정 저장 또는 다음 시작까지)"));
    Delay(3500);
    EXPECT_TRUE(services->received().isEmpty());
    EXPECT_EQ(services->ktAccountsLoggedIn(), QStringList{kt().id});
    EXPECT_EQ(gCIDktStatus, "다른 곳에서 로그인");
}

// A line longer than 64 KiB from a service is dropped with a main-log line naming the service; the
// connection goes on.
TEST_F(ServiceControl, AnOverlongLineIsDroppedWithALogLine)
{
    ASSERT_TRUE(startServices(true, {2}));
    const QByteArray endless(3 * 1024 * 1024, 'x');
    const std::vector<std::tuple<QString, int, QString>> cases{{"KT", -1, "KTOpenAPI 64 KiB를 넘는 줄을 버림"},
                                                               {"LG", 2, "【LGU+】(2) 64 KiB를 넘는 줄을 버림"}};
    for (const auto& [carrier, line, logLine] : cases) {
        ASSERT_TRUE(services->sendBytes(carrier, line, endless));
        ASSERT_TRUE(waitFor([&] { return mainLog().contains(logLine); })) << logLine.toStdString();
        ASSERT_TRUE(services->sendBytes(carrier, line, "\n"));
    }
    services->event("KT", -1, {"Login", "300"});
    services->event("LG", 2, {"Status", "STATUS:0|"});
    EXPECT_TRUE(waitFor([] { return gCIDktStatus == "로그아웃" && gCIDlgStatus[2] == "접속 끊김"; }));
    EXPECT_EQ(mainLog().filter("64 KiB").size(), 2);
}

} // namespace
