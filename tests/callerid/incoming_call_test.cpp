#include "callerid/callerid_fixture.h"

#include "board/board_window.h"
#include "callerid/caller_id_values.h"
#include "callerid/service_control.h"
#include "callerid/service_controls.h"
#include "callerid/settings_window.h"
#include "shell/window_makers.h"
#include "core/backend_request.h"
#include "core/date_time.h"
#include "core/jet_recordset.h"
#include "core/log.h"
#include "core/screen_values.h"
#include "platform/outside_events.h"
#include "server/call_log.h"
#include "server/server_globals.h"
#include "server/caller_id_board.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "support/qt_printers.h"
#include "support/seams.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSet>
#include <atomic>
#include <thread>
#include <type_traits>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace {

// The board's part that caller ID calls, unless the board has it already.
struct NoFurtherBase {};
using CallerIdPart = std::conditional_t<std::is_base_of_v<CallerIdBoard, frmB예약관리>, NoFurtherBase, CallerIdBoard>;

// The board as caller ID sees it, recording what is done to it.
class RecordingBoard : public frmB예약관리, public CallerIdPart
{
public:
    void ShowCall(const CallLogRow& call) override { calls << "ShowCall " + QString::number(call.id); }
    void ShowTodaysCalls() override { calls << "ShowTodaysCalls"; }
    bool 회원검색A(bool) override
    {
        calls << "회원검색A " + search;
        if (duringSearch)
            std::exchange(duringSearch, nullptr)();
        return true;
    }
    bool DrawShedule() override
    {
        calls << "DrawShedule";
        return true;
    }
    QString ShownDay() const override { return day; }
    void SetMemberSearchText(const QString& number) override { search = number; }
    void ShowMemberPanel() override { calls << "picFrame"; }
    void StartBlink(qint32 untilTick) override
    {
        blinkUntil = untilTick;
        calls << "Blink";
    }

    QStringList calls;
    QString day = QStringLiteral("2024-04-26");
    QString search;
    qint32 blinkUntil = 0;
    std::function<void()> duringSearch;
};

struct CallRow {
    QString tel;
    int ch;
    int sId;
    QString seqNo;
    int kind;
    QString status;
    QString rDate;
    QString rTime;
    QString timeModified;
};

class IncomingCall : public CallerIdTest
{
protected:
    IncomingCall()
    {
        EXPECT_TRUE(CopyTemplate(program, "VmrCID.mdb", "VmrCID.mdb"));
        gSkinPath = QStringLiteral(VMR_BUILT_PROGRAM_DIR) + "/skin";
        gCIDktRecentIDs.clear();
        gDeveloperMode = false;
    }
    ~IncomingCall() override { gDeveloperMode = false; }

    frmMainMDI& mainWindow(int width = 1024)
    {
        frmMainMDI& main = Form<frmMainMDI>();
        main.show();
        QCoreApplication::processEvents();
        // Narrower than the window's minimum, as a small screen would make it.
        main.m_EventPrevent = true;
        main.resize(width, 768);
        QCoreApplication::processEvents();
        main.m_EventPrevent = false;
        return main;
    }

    RecordingBoard& board(bool shown)
    {
        auto* board = new RecordingBoard;
        RegisterForm(kCallerIdBoardForm, board);
        if (shown)
            ShowFormModeless(*board);
        return *board;
    }

    void loginKt()
    {
        gCIDUseKT = true;
        gCIDktID = kt().id;
        gCIDktPW = kt().pw;
        CID_ReStart();
        ASSERT_TRUE(waitFor([] { return gCIDktStatus == "로그인"; }));
    }

    // The main window 1024 pixels wide, KT logged in and the board opened (null when it is not).
    frmB예약관리* boardOfWideWindow()
    {
        frmMainMDI& main = mainWindow(1024);
        loginKt();
        main.TopCMD_Click(0);
        return dynamic_cast<frmB예약관리*>(FindForm(kCallerIdBoardForm));
    }

    void loginLg(int line)
    {
        gCIDUseLG = true;
        gCIDlgID[line] = lg(line).id;
        gCIDlgPW[line] = lg(line).pw;
        CID_ReStart();
        ASSERT_TRUE(waitFor([line] { return gCIDlgStatus[line] == "접속 완료"; }));
    }

    QList<CallRow> rows() const
    {
        QList<CallRow> found;
        JetDbPtr db;
        JetRsPtr rs;
        if (!JetOpenDB(db, program.file("VmrCID.mdb")) || !JetOpenRST(*db, rs, "SELECT * FROM cid ORDER BY cid_id", dbOpenDynaset))
            return found;
        for (; !rs->AtEnd(); rs->MoveNext())
            found.append({rs->Field("Tel").toString(), rs->Field("ch").toInt(), rs->Field("S_ID").toInt(),
                          rs->Field("SeqNO").toString(), rs->Field("cid_kind").toInt(), rs->Field("Status").toString(),
                          rs->Field("rDate").toString(), rs->Field("rTime").toString(),
                          rs->Field("time_modified").toString()});
        return found;
    }

    bool waitForRows(int count) const
    {
        return waitFor([&] { return rows().size() == count; });
    }

    // Rings the numbers on KT one after another, gapMs apart, from the event loop, and gives for
    // each how many milliseconds after its ring the board's call list showed it (-1: never, within
    // the rings and five seconds more).
    QList<qint64> ringAndWatchTheCallList(frmB예약관리& board, const QStringList& numbers, int gapMs)
    {
        QElapsedTimer clock;
        clock.start();
        QList<qint64> rungAt(numbers.size(), -1);
        QList<qint64> delays(numbers.size(), -1);
        int next = 0;
        const auto listShows = [&board](const QString& number) {
            const SpreadGrid& calls = *board.SPR[1];
            for (int r = 1; r <= calls.MaxRows(); ++r)
                if (QString(calls.GetText(3, r)).remove(QChar('-')) == number)
                    return true;
            return false;
        };
        QTimer ringer;
        QObject::connect(&ringer, &QTimer::timeout, [&] {
            if (next == numbers.size())
                return;
            rungAt[next] = clock.elapsed();
            services->ring("KT", numbers[next], QString(), -1);
            ++next;
        });
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            for (int i = 0; i < next; ++i)
                if (delays[i] < 0 && listShows(numbers[i]))
                    delays[i] = clock.elapsed() - rungAt[i];
        });
        ringer.start(gapMs);
        watcher.start(10);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !delays.contains(-1); }, numbers.size() * gapMs + 5000));
        return delays;
    }

    static QStringList numbersFrom(int first, int count)
    {
        QStringList numbers;
        for (int i = 0; i < count; ++i)
            numbers << "021234" + QString::number(first + i).rightJustified(4, QChar('0'));
        return numbers;
    }

    // The main-log entries of the dispatch's trace.
    static QStringList traces()
    {
        return mainLog().filter(QRegularExpression("^CID처리2\\("));
    }

    StandinFixture backend;
};

const QString kDate = "\\d{4}-\\d\\d-\\d\\d";

TEST_F(IncomingCall, KtRingsGiveRowsAndTheirStatusOnce)
{
    mainWindow();
    loginKt();
    const std::optional<QString> id = services->ring("KT", "01078411465", QString(), -1);
    ASSERT_TRUE(id.has_value());
    ASSERT_TRUE(waitForRows(1));
    const CallRow row = rows()[0];
    EXPECT_EQ(row.tel, "01078411465");
    EXPECT_EQ(row.ch, 1);
    EXPECT_EQ(row.sId, 0);
    EXPECT_EQ(row.seqNo, *id);
    EXPECT_EQ(row.kind, 1);
    EXPECT_TRUE(row.status.isEmpty());
    EXPECT_EQ(row.rDate, QDate::currentDate().toString("yyyy-MM-dd"));
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(row.rTime).hasMatch());
    EXPECT_EQ(row.timeModified, row.rDate + " " + row.rTime);
    EXPECT_EQ(traces(), (QStringList{"CID처리2(1) ... CH:=1, TEL:=01078411465",
                                     "CID처리2(2) ... 전화번호 교정 ... TEL:=01078411465",
                                     "CID처리2(3) ... CID 받은 폼 := 3(1:최소화, 2:예약확인, 3:예약확인외, 4:미니아이콘)",
                                     "CID처리2(4) ... m_cid_id:=1, gCID_ACT:=False"}));
    EXPECT_EQ(mainLog().filter("KTOpenAPI CID 이벤트 :: 01078411465, vmrkt, 201, " + *id + ", 20").size(), 1);
    const QWidget* opened = FindForm(kCallerIdBoardForm);
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->isVisible());

    for (const QString code : {"200", "407", "300"})
        services->status("KT", *id, code);
    EXPECT_TRUE(waitFor([&] { return mainLog().filter("KTOpenAPI CID 이벤트").size() == 4; }));
    EXPECT_EQ(rows().size(), 1);
    EXPECT_EQ(rows()[0].status, "수신");
}

TEST_F(IncomingCall, TheFirstActivationLogsTheServicesInAndCallsRingThrough)
{
    gCIDUseKT = true;
    gCIDUseLG = true;
    gCIDktID = kt().id;
    gCIDktPW = kt().pw;
    gCIDlgID[1] = lg(1).id;
    gCIDlgPW[1] = lg(1).pw;
    frmMainMDI& main = mainWindow(1024);
    main.m_FirstActivated = true;
    ActivateForm(main);
    EXPECT_TRUE(mainLog().contains("CID 기동: CID_ReStart() ... KT"));
    EXPECT_TRUE(mainLog().contains("LGUBaseOpenApiX(1).LoginServer .. vmrlg2, lg2222, "));
    EXPECT_EQ(services->ktAccountsLoggedIn(), QStringList{kt().id});
    EXPECT_EQ(services->lgLinesLoggedIn(), QList<int>{1});

    services->ring("LG", "01078411465", "LG0000012024042614XYZ", -1);
    ASSERT_TRUE(waitForRows(1));
    EXPECT_EQ(rows()[0].kind, 2);
    auto* board = dynamic_cast<frmB예약관리*>(FindForm(kCallerIdBoardForm));
    ASSERT_NE(board, nullptr);
    // The member search took the number: an unknown caller becomes a new member with that phone.
    EXPECT_TRUE(waitFor([&] { return QString(board->txtA[1]->text()).remove(QChar('-')) == "01078411465"; }));
    EXPECT_EQ(board->txtS[0]->text(), "");
}

TEST_F(IncomingCall, KtStatusOfAnUnseenOrOlderCall)
{
    frmMainMDI& main = mainWindow();
    const QString a = "KT0001202404261405A1";
    const QString b = "KT0002202404261405B2";
    main.KTOpenAPIX_CIDEvent("01011112222", "vmrkt", "404", "KT-NEVER-SEEN-000001", "x");
    main.KTOpenAPIX_CIDEvent("01011112222", "vmrkt", "201", a, "x");
    main.KTOpenAPIX_CIDEvent("01033334444", "vmrkt", "201", b, "x");
    main.KTOpenAPIX_CIDEvent("01011112222", "vmrkt", "407", a, "x");
    main.KTOpenAPIX_CIDEvent("01011112222", "vmrkt", "200", QString(), "x");
    main.KTOpenAPIX_CIDEvent("01011112222", "vmrkt", "300", b, "x");

    const QList<CallRow> all = rows();
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0].seqNo, "KT-NEVER-SEEN-000001");
    EXPECT_TRUE(all[0].status.isEmpty());
    EXPECT_EQ(all[1].status, "부재중");
    EXPECT_TRUE(all[2].status.isEmpty());
    EXPECT_EQ(gCIDktRecentIDs, (QStringList{"KT-NEVER-SEEN-000001", a, b}));
    main.KTOpenAPIX_CTCEvent("1", "2", "3", "4");
    EXPECT_EQ(mainLog().last(), "KTOpenAPI CTC 이벤트 :: 1, 2, 3, 4");
}

TEST_F(IncomingCall, ALongNumberIsLoggedWholeAndCut)
{
    mainWindow();
    RecordingBoard& shown = board(true);
    Form<frmMainMDI>().CID처리2(1, 1, "0101234567890123", "KT-LONG");
    EXPECT_EQ(traces().mid(0, 2), (QStringList{"CID처리2(1) ... CH:=1, TEL:=0101234567890123",
                                              "CID처리2(2) ... 전화번호 교정 ... TEL:=01012345678901"}));
    EXPECT_EQ(rows().value(0).tel, "01012345678901");
    EXPECT_EQ(shown.search, "01012345678901");
}

TEST_F(IncomingCall, LgRingsAndTheirStatus)
{
    frmMainMDI& main = mainWindow();
    loginLg(3);
    const std::optional<QString> id = services->ring("LG", "0212345678", QString(), 3);
    ASSERT_TRUE(id.has_value());
    ASSERT_TRUE(waitForRows(1));
    EXPECT_EQ(rows()[0].kind, 2);
    EXPECT_EQ(rows()[0].ch, 1);
    EXPECT_EQ(rows()[0].seqNo, id->left(17));
    EXPECT_TRUE(mainLog().contains("【LGU+】(3) [SendRingEvent] CALLERID:0212345678|UNIQUEID:" + *id + "|"));

    services->status("LG", *id, "missed");
    services->status("LG", *id, "answered");
    EXPECT_TRUE(waitFor([] { return mainLog().filter("[SendChannelListEvent]").size() == 1; }));
    EXPECT_EQ(rows()[0].status, "부재중");

    main.LGUBaseOpenApiX_SendRingEvent(0, "UNIQUEID:LG0000012024042614|CALLERID:0212345678|");
    main.LGUBaseOpenApiX_SendRingEvent(0, "CALLERID:1|UNIQUEID:LG0000022024042614|");
    main.LGUBaseOpenApiX_SendRingEvent(1, "callerid:01090554833|uniqueid:LG0000032024042614XYZ|");
    ASSERT_EQ(rows().size(), 2);
    EXPECT_EQ(rows()[1].tel, "01090554833");
    EXPECT_EQ(rows()[1].seqNo, "LG000003202404261");
}

TEST_F(IncomingCall, AMinimisedWindowIsRestoredAndOpensTheBoard)
{
    frmMainMDI& main = mainWindow(800);
    main.showMinimized();
    main.CID처리2(1, 1, "01078411465", "KT-MIN");
    EXPECT_FALSE(main.isMinimized());
    EXPECT_TRUE(traces().contains("CID처리2(3) ... CID 받은 폼 := 1(1:최소화, 2:예약확인, 3:예약확인외, 4:미니아이콘)"));
    ASSERT_NE(FindForm(kCallerIdBoardForm), nullptr);
    EXPECT_TRUE(FindForm(kCallerIdBoardForm)->isVisible());
}

TEST_F(IncomingCall, AShownBoardGetsTheCaller)
{
    frmMainMDI& main = mainWindow(1024);
    RecordingBoard& shown = board(true);
    const qint32 before = GetTickCountMS();
    main.CID처리2(1, 1, "01078411465", "KT-BOARD");
    EXPECT_EQ(shown.search, "01078411465");
    // The call is on the list before the member search, which follows on its own.
    EXPECT_EQ(shown.calls.last(), "ShowCall 1");
    ASSERT_TRUE(waitFor([&] { return shown.calls.contains("Blink"); }));
    // What the board's own first activation does comes before.
    const QStringList handOver = shown.calls.mid(shown.calls.indexOf("ShowCall 1"));
    EXPECT_EQ(handOver, (QStringList{"ShowCall 1", "회원검색A 01078411465", "picFrame", "DrawShedule", "Blink"}));
    EXPECT_GE(shown.blinkUntil - before, 7000);
    EXPECT_LT(shown.blinkUntil - before, 8000);

    // A status shows its own row; one that changes nothing shows nothing.
    shown.calls.clear();
    main.OpenAPI_UpdateResult("KT-BOARD", "수신");
    main.OpenAPI_UpdateResult("KT-BOARD", "부재중");
    main.OpenAPI_UpdateResult("KT-NEVER", "수신");
    EXPECT_EQ(shown.calls, QStringList{"ShowCall 1"});
}

TEST_F(IncomingCall, TheBoardTakesTheCaller)
{
    frmMainMDI& main = mainWindow(1024);
    main.TopCMD_Click(0);
    auto* board = dynamic_cast<frmB예약관리*>(FindForm(kCallerIdBoardForm));
    ASSERT_NE(board, nullptr);
    board->picFrame[1]->show();
    const qint32 before = GetTickCountMS();
    main.CID처리2(1, 1, "01078411465", "KT-REAL-BOARD");
    ASSERT_TRUE(waitFor([&] { return board->Blink->isActive(); }));
    EXPECT_EQ(QString(board->txtA[1]->text()).remove(QChar('-')), "01078411465");
    EXPECT_EQ(board->txtS[0]->text(), "");
    EXPECT_FALSE(board->picFrame[0]->isHidden());
    EXPECT_TRUE(board->picFrame[1]->isHidden());
    EXPECT_TRUE(board->Blink->isActive());
    EXPECT_GE(board->m_Blink_TickCount - before, 7000);
    EXPECT_EQ(board->ShownDay(), board->sspDay->tag());
}

TEST_F(IncomingCall, ANarrowWindowBecomesTheCallerCard)
{
    frmMainMDI& main = mainWindow(1023);
    main.CID처리2(1, 1, "01078411465", "KT-CARD-1");
    ASSERT_TRUE(waitFor([&] { return main.sspTEL->caption() == "김민수\n010-7841-1465"; }));
    EXPECT_EQ(main.size(), QSize(350, 81));
    EXPECT_EQ(main.BG[0]->height(), 81);
    EXPECT_FALSE(main.mask().contains(QPoint(0, 40)));
    EXPECT_FALSE(main.mask().contains(QPoint(2, 2)));
    EXPECT_TRUE(main.mask().contains(QPoint(1, 40)));
    EXPECT_TRUE(main.mask().contains(QPoint(349, 40)));
    EXPECT_TRUE(main.mask().contains(QPoint(175, 80)));
    EXPECT_EQ(main.BG[0]->pixmap().toImage(), main.ImgIcon.Item(2).toImage());
    EXPECT_EQ(main.sspTEL->caption(), "김민수\n010-7841-1465");
    EXPECT_EQ(main.sspTEL->tag(), "01078411465");
    EXPECT_EQ(main.sspTEL->font().pointSize(), 20);
    EXPECT_EQ(backend->requestsTo("/program/SearchMember1DetailPhone.php").size(), 1);
    EXPECT_EQ(FindForm(kCallerIdBoardForm), nullptr);

    backend->clearRequests();
    main.CID처리2(1, 1, "0233334444", "KT-CARD-2");
    EXPECT_EQ(main.size(), QSize(350, 81));
    EXPECT_EQ(main.sspTEL->caption(), "02-3333-4444");
    main.CID처리2(1, 1, "12345", "KT-CARD-3");
    EXPECT_TRUE(main.sspTEL->caption().isEmpty());
    EXPECT_EQ(main.sspTEL->tag(), "12345");
    main.CID처리2(1, 1, "01099990000", "KT-CARD-4");
    ASSERT_TRUE(waitFor([&] { return backend->requestsTo("/program/SearchMember1DetailPhone.php").size() == 1; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(main.sspTEL->caption(), "010-9999-0000");
    EXPECT_EQ(backend->requestsTo("/program/SearchMember1DetailPhone.php").size(), 1);
    EXPECT_EQ(rows().size(), 4);
}

TEST_F(IncomingCall, TheCardsButtonBringsBackTheWindowAndTheBoard)
{
    frmMainMDI& main = mainWindow(1024);
    main.lbMiniView_DblClick();
    EXPECT_EQ(main.width(), 72);
    RecordingBoard& hidden = board(false);
    main.CID처리2(1, 1, "01090554833", "KT-MINI");
    EXPECT_EQ(main.size(), QSize(350, 81));
    ASSERT_TRUE(waitFor([&] { return main.sspTEL->caption() == "이지우\n010-9055-4833"; }));

    QTest::mousePress(main.CMD[0], Qt::LeftButton);
    EXPECT_EQ(main.CMD[0]->picture().toImage(), main.ImgIcon.Item(5).toImage());
    QTest::mouseRelease(main.CMD[0], Qt::LeftButton);
    EXPECT_EQ(main.CMD[0]->picture().toImage(), main.ImgIcon.Item(6).toImage());
    EXPECT_TRUE(mainLog().contains("CMD_Click Start CMD(0).Enabled := True"));
    EXPECT_GE(main.width(), 1024);
    EXPECT_TRUE(hidden.isVisible());
    EXPECT_EQ(hidden.search, "01090554833");
    EXPECT_TRUE(hidden.calls.contains("Blink"));

    // After a table-request notice the button opens the board and searches nothing.
    main.lbMiniView_DblClick();
    main.sspTEL->setTag("REQ");
    hidden.hide();
    hidden.calls.clear();
    QTest::mouseClick(main.CMD[0], Qt::LeftButton);
    EXPECT_GE(main.width(), 1024);
    EXPECT_TRUE(hidden.isVisible());
    EXPECT_TRUE(hidden.calls.filter("회원검색A").isEmpty());

    main.lbMiniView_DblClick();
    QTest::mousePress(main.CMD[0], Qt::LeftButton);
    EXPECT_EQ(main.CMD[0]->picture().toImage(), main.ImgIcon.Item(7).toImage());
    QTest::mouseRelease(main.CMD[0], Qt::LeftButton);
    EXPECT_EQ(main.CMD[0]->picture().toImage(), main.ImgIcon.Item(4).toImage());
    main.lbMiniView_DblClick();
    QTest::mousePress(main.CMD[0], Qt::LeftButton);
    main.CMD[0]->setEnabled(false);
    QTest::mouseRelease(main.CMD[0], Qt::LeftButton);
    EXPECT_EQ(main.CMD[0]->picture().toImage(), main.ImgIcon.Item(7).toImage());
}

// A slow member look-up: the card shows the number meanwhile and takes the name when it answers.
// Nothing of the top bar (shop name, version, credit, the mini icon's features) shows on it.
TEST_F(IncomingCall, TheCardShowsTheNumberAtOnceAndTheNameWhenTheLookupAnswers)
{
    gEzPosCheck = true;
    frmMainMDI& main = mainWindow(1024);
    main.lbl버전->setText("Ver 6.0.0");
    main.lbMiniView_DblClick();
    EXPECT_EQ(main.sspTel_Info->text(), "EZ");
    board(false);
    backend->scriptSequence("/program/SearchMember1DetailPhone.php",
                            {StandinReply::text(" name[김민수]name ").after(1500)});
    QSize sizeDuring;
    QString captionDuring;
    QTimer::singleShot(300, [&] {
        sizeDuring = main.size();
        captionDuring = main.sspTEL->caption();
    });
    main.CID처리2(1, 1, "01078411465", "KT-SLOW");
    EXPECT_EQ(main.size(), QSize(350, 81));
    ASSERT_TRUE(waitFor([&] { return main.sspTEL->caption() == "김민수\n010-7841-1465"; }));
    gEzPosCheck = false;

    EXPECT_EQ(sizeDuring, QSize(350, 81));
    EXPECT_EQ(captionDuring, "010-7841-1465");
    QList<QWidget*> topBar{main.lbl상호, main.lbl버전, main.sspTel_Info};
    for (QLabel* credit : main.lbl남은문자)
        topBar.append(credit);
    for (QWidget* part : topBar) {
        const QRect place(part->mapTo(&main, QPoint(0, 0)), part->size());
        EXPECT_FALSE(part->isVisible() && main.rect().intersects(place)) << place;
    }

    QTest::mouseClick(main.CMD[0], Qt::LeftButton);
    EXPECT_GE(main.width(), 1024);
    EXPECT_TRUE(main.lbl버전->isVisible());
    EXPECT_TRUE(main.lbl상호->isVisible());
}

// A ring that comes while the first one's member look-up waits is handled at once; the card ends
// on the later caller, and the first look-up's answer, overtaken, is dropped.
TEST_F(IncomingCall, ASecondRingDuringTheFirstOnesLookupOvertakesIt)
{
    frmMainMDI& main = mainWindow(1023);
    loginKt();
    backend->scriptSequence("/program/SearchMember1DetailPhone.php",
                            {StandinReply::text(" name[김민수]name ").after(400)});
    services->ring("KT", "01078411465", "KT-FIRST", -1);
    QTimer::singleShot(100, [this] { services->ring("KT", "0212345678", "KT-SECOND", -1); });
    // Before the first look-up answers, the second call is written and on the card.
    int rowsMeanwhile = 0;
    QString cardMeanwhile;
    QTimer::singleShot(300, [&] {
        rowsMeanwhile = int(rows().size());
        cardMeanwhile = main.sspTEL->tag();
    });
    ASSERT_TRUE(waitFor([] { return traces().size() == 8; }));
    Delay(500);
    EXPECT_EQ(rowsMeanwhile, 2);
    EXPECT_EQ(cardMeanwhile, "0212345678");

    ASSERT_EQ(rows().size(), 2);
    EXPECT_EQ(rows()[1].seqNo, "KT-SECOND");
    const QStringList trace = traces();
    EXPECT_TRUE(trace[3].startsWith("CID처리2(4) ... m_cid_id:=1"));
    EXPECT_EQ(trace[4], "CID처리2(1) ... CH:=1, TEL:=0212345678");
    EXPECT_TRUE(trace[7].startsWith("CID처리2(4) ... m_cid_id:=2"));
    EXPECT_EQ(backend->requestsTo("/program/SearchMember1DetailPhone.php").size(), 1);
    EXPECT_EQ(main.sspTEL->caption(), "02-1234-5678");
    EXPECT_EQ(main.sspTEL->tag(), "0212345678");
}

// Without the call log the call is still shown (card, board's list) and held back with a line
// naming the number, the service and the cause; its status finds it; once the file is back, the
// next ring writes the held row first, with its status, and the list is read again.
TEST_F(IncomingCall, ACallThatCannotBeWrittenIsShownAndWrittenLater)
{
    const QString saved = program.file("VmrCID.saved");
    ASSERT_TRUE(QFile::rename(program.file("VmrCID.mdb"), saved));
    frmMainMDI& main = mainWindow(1023);
    RecordingBoard& hidden = board(false);
    main.CID처리2(2, 1, "0212345678", "LG-HELD");
    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_TRUE(MessageBoxes().shown()[0].text.startsWith("데이터베이스 '"));
    EXPECT_EQ(main.size(), QSize(350, 81));
    EXPECT_EQ(main.sspTEL->caption(), "02-1234-5678");
    EXPECT_EQ(hidden.calls, QStringList{"ShowCall -1"});
    EXPECT_EQ(traces().size(), 3);
    EXPECT_TRUE(mainLog().contains("통화 기록 보류 ... TEL:=0212345678, 서비스:=LG U+, 원인:=(7001) 파일이 없습니다: "
                                   + program.file("VmrCID.mdb")));

    hidden.calls.clear();
    EXPECT_TRUE(main.OpenAPI_UpdateResult("LG-HELD", "부재중"));
    EXPECT_EQ(hidden.calls, QStringList{"ShowCall -1"});
    EXPECT_EQ(MessageBoxes().shown().size(), 1);

    ASSERT_TRUE(QFile::rename(saved, program.file("VmrCID.mdb")));
    hidden.calls.clear();
    main.CID처리2(1, 1, "01078411465", "KT-AFTER");
    const QList<CallRow> written = rows();
    ASSERT_EQ(written.size(), 2);
    EXPECT_EQ(written[0].seqNo, "LG-HELD");
    EXPECT_EQ(written[0].status, "부재중");
    EXPECT_EQ(written[0].kind, 2);
    EXPECT_EQ(written[1].seqNo, "KT-AFTER");
    EXPECT_TRUE(traces().contains("CID처리2(4) ... m_cid_id:=2, gCID_ACT:=False"));
    EXPECT_TRUE(mainLog().contains("통화 기록 보류분 기록 ... m_cid_id:=1, TEL:=0212345678"));
    EXPECT_EQ(hidden.calls, QStringList{"ShowTodaysCalls"});
    EXPECT_TRUE(errorLog().isEmpty());
}

// At the program's end the calls still queued are handled and the held rows written.
TEST_F(IncomingCall, NoRingIsLeftUnwrittenAtTheEnd)
{
    frmMainMDI& main = mainWindow(1024);
    const QString saved = program.file("VmrCID.saved");
    ASSERT_TRUE(QFile::rename(program.file("VmrCID.mdb"), saved));
    main.CID처리2(1, 1, "0211112222", "KT-HELD");
    ASSERT_TRUE(QFile::rename(saved, program.file("VmrCID.mdb")));
    for (const QString id : {"KT-QUEUED-1", "KT-QUEUED-2"})
        QueueOutsideEvent(&main, [&main, id] { main.KTOpenAPIX_CIDEvent("0233334444", "vmrkt", "201", id, "x"); });
    ExitRequests().clear();
    main.mnuExit_Click();
    EXPECT_EQ(ExitRequests().count(), 1);
    const QList<CallRow> written = rows();
    ASSERT_EQ(written.size(), 3);
    EXPECT_EQ(written[0].seqNo, "KT-HELD");
    EXPECT_EQ(written[1].seqNo, "KT-QUEUED-1");
    EXPECT_EQ(written[2].seqNo, "KT-QUEUED-2");
}

TEST_F(IncomingCall, AStatusThatCannotBeWrittenGoesToTheErrorLog)
{
    frmMainMDI& main = mainWindow(1024);
    RecordingBoard& hidden = board(false);
    main.CID처리2(1, 1, "01078411465", "KT-LOCKED");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "locking");
        db.setDatabaseName(program.file("VmrCID.mdb"));
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("CREATE TRIGGER locked BEFORE UPDATE ON cid BEGIN SELECT RAISE(ABORT, 'locked'); END");
        db.close();
    }
    QSqlDatabase::removeDatabase("locking");
    hidden.calls.clear();

    EXPECT_FALSE(main.OpenAPI_UpdateResult("KT-LOCKED", "수신"));
    EXPECT_TRUE(errorLog().contains("]e)frmMainMDI->OpenAPI_UpdateResult[Erl:=3, Eno:=")) << errorLog().toStdString();
    EXPECT_TRUE(errorLog().contains("locked"));
    EXPECT_TRUE(hidden.calls.isEmpty());
    EXPECT_TRUE(rows()[0].status.isEmpty());
}

TEST_F(IncomingCall, TheClockGivesTestCallsOnlyInDeveloperMode)
{
    frmMainMDI& main = mainWindow(1024);
    QTest::mouseDClick(main.lblClock, Qt::LeftButton);
    EXPECT_TRUE(rows().isEmpty());
    gDeveloperMode = true;
    QTest::mouseClick(main.lblClock, Qt::LeftButton);
    QTest::mouseDClick(main.lblClock, Qt::LeftButton);
    ASSERT_EQ(rows().size(), 2);
    EXPECT_EQ(rows()[0].tel, "01078411465");
    EXPECT_EQ(rows()[1].tel, "01090554833");
    EXPECT_EQ(traces().size(), 8);
}

// The user's road: the board open behind the modal settings window, a ring and its status arrive
// while that window waits; the board's call list shows the call and then its status.
TEST_F(IncomingCall, ARingDuringAModalWindowReachesTheBoardsCallList)
{
    RegisterWindowMakers();
    frmB예약관리* board = boardOfWideWindow();
    ASSERT_NE(board, nullptr);
    ASSERT_TRUE(board->isVisible());
    frmMainMDI& main = Form<frmMainMDI>();
    SpreadGrid& calls = *board->SPR[1];
    int rowsMeanwhile = -1;
    QString statusMeanwhile;
    QTimer::singleShot(0, &main, [&] {
        auto* window = dynamic_cast<frmzCID_설정*>(FindForm(frmzCID_설정::FormName()));
        ASSERT_NE(window, nullptr);
        const std::optional<QString> id = services->ring("KT", "01078411465", QString(), -1);
        ASSERT_TRUE(id.has_value());
        waitFor([&] { return calls.MaxRows() == 1; });
        services->status("KT", *id, "407");
        waitFor([&] { return calls.GetText(4, 1) == "부재중"; });
        rowsMeanwhile = calls.MaxRows();
        statusMeanwhile = calls.GetText(4, 1);
        QTest::mouseClick(window->lblTerminate, Qt::LeftButton);
    });
    main.lblCID설정_Click();
    EXPECT_EQ(rowsMeanwhile, 1);
    EXPECT_EQ(statusMeanwhile, "부재중");
    ASSERT_EQ(rows().size(), 1);
    EXPECT_EQ(rows()[0].status, "부재중");
    EXPECT_EQ(calls.GetText(3, 1), "010-7841-1465");
    EXPECT_EQ(QString(board->txtA[1]->text()).remove(QChar('-')), "01078411465");
}

// Thousands of rings at once on three connections: each is handled in its turn, never inside
// another's handling (whose member look-up for the caller card waits for the backend), and every
// call reaches the call log and the call list of the board behind the card.
TEST_F(IncomingCall, ABurstOfRingsOnThreeConnectionsIsHandledOneAtATime)
{
    frmMainMDI& main = mainWindow(1024);
    ASSERT_TRUE(startServices(true, {0, 1}));
    main.TopCMD_Click(0);
    auto* board = dynamic_cast<frmB예약관리*>(FindForm(kCallerIdBoardForm));
    ASSERT_NE(board, nullptr);
    main.lbMiniView_DblClick();

    int depth = 0;
    int deepest = 0;
    const auto counted = [&depth, &deepest](auto handler) {
        return [&depth, &deepest, handler](const auto&... args) {
            deepest = std::max(deepest, ++depth);
            handler(args...);
            --depth;
        };
    };
    KTOpenAPIX().CIDEvent = counted(KTOpenAPIX().CIDEvent);
    for (int line : {0, 1})
        LGUBaseOpenApiX(line).SendRingEvent = counted(LGUBaseOpenApiX(line).SendRingEvent);

    constexpr int kRingsEach = 700;
    for (int i = 0; i < kRingsEach; ++i) {
        const QString number = "0101" + QString::number(1000000 + i);
        ASSERT_TRUE(services->ring("KT", number, QString(), -1).has_value());
        ASSERT_TRUE(services->ring("LG", number, QString(), 0).has_value());
        ASSERT_TRUE(services->ring("LG", number, QString(), 1).has_value());
    }
    SpreadGrid& calls = *board->SPR[1];
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls.MaxRows() == 3 * kRingsEach; }, 300000)) << calls.MaxRows();
    EXPECT_EQ(deepest, 1);
    const QList<CallRow> logged = rows();
    ASSERT_EQ(logged.size(), 3 * kRingsEach);
    QSet<QString> ids;
    for (const CallRow& row : logged)
        ids.insert(row.seqNo);
    EXPECT_EQ(ids.size(), 3 * kRingsEach);
    for (int r = 1; r <= calls.MaxRows(); ++r)
        ASSERT_EQ(calls.GetText(1, r), QString::number(calls.MaxRows() + 1 - r)) << r;
}

// The member search is slow; the latest caller ends in the member panel: of two rings 20 ms apart,
// and over a search of the user's own (a click on a call) that a ring overtakes.
TEST_F(IncomingCall, TheLatestCallerWinsTheMemberPanel)
{
    frmB예약관리* board = boardOfWideWindow();
    ASSERT_NE(board, nullptr);
    const auto searchAnswer = [](const QString& text) {
        return BackendRequest("test", "/program/SearchMember1.php").add("textz", text).send();
    };
    const QString minsu = searchAnswer("01078411465");
    const QString jiwoo = searchAnswer("01090554833");
    const auto shownPhone = [board] { return QString(board->txtA[1]->text()).remove(QChar('-')); };

    backend->clearRequests();
    backend->scriptSequence("/program/SearchMember1.php",
                            {StandinReply::text(minsu).after(300), StandinReply::text(jiwoo).after(300)});
    services->ring("KT", "01078411465", QString(), -1);
    QTimer::singleShot(20, [this] { services->ring("KT", "01090554833", QString(), -1); });
    ASSERT_TRUE(waitFor([&] { return traces().size() == 8 && board->SPR[1]->MaxRows() == 2; }));
    ASSERT_TRUE(waitFor([&] { return backend->requestsTo("/program/SearchZZimLoading.php").size() == 1; }));
    Delay(400);
    // The first caller's search, overtaken, is dropped when it answers.
    EXPECT_EQ(backend->requestsTo("/program/SearchMember1.php").size(), 2);
    EXPECT_EQ(backend->requestsTo("/program/SearchZZimLoading.php").size(), 1);
    EXPECT_EQ(board->txtA[0]->text(), "이지우");
    EXPECT_EQ(shownPhone(), "01090554833");

    // A click on the first call searches 김민수 slowly; a ring of 이지우 comes meanwhile.
    backend->clearRequests();
    backend->scriptSequence("/program/SearchMember1.php",
                            {StandinReply::text(minsu).after(500), StandinReply::text(jiwoo)});
    QTimer::singleShot(100, [this] { services->ring("KT", "01090554833", QString(), -1); });
    board->SPR_Click(1, 3, 2);
    ASSERT_TRUE(waitFor([&] { return board->SPR[1]->MaxRows() == 3; }));
    Delay(300);
    EXPECT_EQ(backend->requestsTo("/program/SearchMember1.php").size(), 2);
    EXPECT_EQ(board->txtA[0]->text(), "이지우");
    EXPECT_EQ(shownPhone(), "01090554833");
    EXPECT_EQ(backend->requestsTo("/program/SearchMember1Detail2.php").size(), 1);
}

// The call log keeps each field within its declared size: a KT call id of 60,000 characters is
// stored as its first 30, and its status still finds the row.
TEST_F(IncomingCall, AnOversizedCallIdIsStoredWithinItsField)
{
    mainWindow(1024);
    loginKt();
    const QString id = "KT" + QString(59998, QChar('7'));
    ASSERT_TRUE(services->ring("KT", "0212345678", id, -1).has_value());
    ASSERT_TRUE(waitForRows(1));
    EXPECT_EQ(rows()[0].seqNo, id.left(30));
    services->status("KT", id, "407");
    ASSERT_TRUE(waitFor([&] { return rows()[0].status == "부재중"; }));
}

// Another program holds the call log under an exclusive lock for longer than the quick retries of
// old: the rings and the status that come meanwhile wait for it, none is lost, and each ring is
// on the call list within a second.
TEST_F(IncomingCall, ACallLogHeldBusyCostsNoCall)
{
    frmB예약관리* board = boardOfWideWindow();
    ASSERT_NE(board, nullptr);
    const std::optional<QString> before = services->ring("KT", "01078411465", QString(), -1);
    ASSERT_TRUE(waitForRows(1));

    std::atomic<bool> locked{false};
    std::thread holder([path = program.file("VmrCID.mdb"), &locked] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "busy-holder");
            db.setDatabaseName(path);
            db.open();
            QSqlQuery(db).exec("BEGIN EXCLUSIVE");
            locked = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(700));
            QSqlQuery(db).exec("COMMIT");
            db.close();
        }
        QSqlDatabase::removeDatabase("busy-holder");
    });
    while (!locked)
        std::this_thread::yield();
    services->status("KT", *before, "407");
    const QStringList numbers = numbersFrom(1, 4);
    const QList<qint64> delays = ringAndWatchTheCallList(*board, numbers, 200);
    holder.join();

    for (int i = 0; i < numbers.size(); ++i)
        EXPECT_TRUE(delays[i] >= 0 && delays[i] < 1000) << numbers[i].toStdString() << ": " << delays[i];
    ASSERT_TRUE(waitForRows(5));
    const QList<CallRow> written = rows();
    EXPECT_EQ(written[0].status, "부재중");
    for (int i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(written[i + 1].tel, numbers[i]);
    EXPECT_TRUE(mainLog().filter("통화 기록 보류").isEmpty());
}

// The member look-up fails (the board's member search, the caller card's name): unanswered, its
// connection dropped or cut, an error page. Each ring is written and on the call list within a
// second all the same, in order.
TEST_F(IncomingCall, AFailingMemberLookUpDelaysNoCall)
{
    struct Failure {
        const char* name;
        StandinReply reply;
        int settleMs;
    };
    const QList<Failure> failures{
        {"unanswered", StandinReply::text("").after(2500), 3000},
        {"dropped", StandinReply::drop(), 300},
        {"cut off", StandinReply::cutOff(" name[김민수]name "), 300},
        {"error page", StandinReply::text("<html>Internal Server Error</html>", 500), 300},
    };
    for (const bool card : {false, true}) {
        const QString lookUp = card ? "/program/SearchMember1DetailPhone.php" : "/program/SearchMember1.php";
        for (const Failure& failure : failures) {
            SCOPED_TRACE((lookUp + " " + failure.name).toStdString());
            frmB예약관리* board = boardOfWideWindow();
            ASSERT_NE(board, nullptr);
            frmMainMDI& main = Form<frmMainMDI>();
            if (card)
                main.lbMiniView_DblClick();
            const int first = int(rows().size());
            QStringList numbers;
            for (int i = 0; i < 6; ++i)
                numbers << "0101234" + QString::number(first + i).rightJustified(4, QChar('0'));
            backend->scriptSequence(lookUp, QList<StandinReply>(numbers.size(), failure.reply));
            const QList<qint64> delays = ringAndWatchTheCallList(*board, numbers, 250);
            for (int i = 0; i < numbers.size(); ++i)
                EXPECT_TRUE(delays[i] >= 0 && delays[i] < 1000) << numbers[i].toStdString() << ": " << delays[i];
            ASSERT_TRUE(waitForRows(first + int(numbers.size())));
            for (int i = 0; i < numbers.size(); ++i)
                EXPECT_EQ(rows()[first + i].tel, numbers[i]);
            Delay(failure.settleMs);
            backend->clearScripts();
            if (card)
                main.CMD_Click(0);
        }
    }
}

// The busy rule reaches the other calls at every ring and status: an LG U+ call without status
// becomes "통화중" on the list and in the call log once 45 seconds have passed, a KT call or one
// with a status never does.
TEST_F(IncomingCall, EveryRingAndStatusMarksTheCallsDueBusy)
{
    ScopedFakeClock clock(QDateTime::currentDateTime());
    frmMainMDI& main = mainWindow(1024);
    main.TopCMD_Click(0);
    auto* board = dynamic_cast<frmB예약관리*>(FindForm(kCallerIdBoardForm));
    ASSERT_NE(board, nullptr);
    SpreadGrid& calls = *board->SPR[1];
    main.CID처리2(2, 1, "0211110001", "LG-A");
    main.CID처리2(1, 1, "0211110002", "KT-B");
    main.CID처리2(2, 1, "0211110003", "LG-C");
    main.OpenAPI_UpdateResult("LG-C", "부재중");
    clock->advance(45000);
    main.CID처리2(2, 1, "0211110004", "LG-D");
    EXPECT_EQ(calls.GetText(4, 4), "");

    clock->advance(1000);
    main.CID처리2(1, 1, "0211110005", "KT-E");
    ASSERT_EQ(calls.MaxRows(), 5);
    const QStringList shown{calls.GetText(4, 1), calls.GetText(4, 2), calls.GetText(4, 3), calls.GetText(4, 4),
                            calls.GetText(4, 5)};
    EXPECT_EQ(shown, QStringList({"", "", "부재중", "", "통화중"}));
    QStringList stored;
    for (const CallRow& row : rows())
        stored << row.status;
    EXPECT_EQ(stored, QStringList({"통화중", "", "부재중", "", ""}));

    clock->advance(45000);
    main.OpenAPI_UpdateResult("KT-NEVER", "수신");
    EXPECT_EQ(calls.GetText(4, 2), "통화중");
    EXPECT_EQ(rows()[3].status, "통화중");
    EXPECT_EQ(rows()[4].status, "");
}

} // namespace
