#include "requests/requests_fixture.h"

#include "core/log.h"
#include "core/login_values.h"
#include "core/main_picture_lists.h"
#include "core/screen_values.h"
#include "core/settings.h"
#include "core/win_http.h"
#include "platform/window_registry.h"
#include "standin/table_request_state.h"

#include <QDate>
#include <QTest>
#include <QTimer>

namespace {

const QString kChime = QStringLiteral("/DD.wav");

QImage tilePicture(int place)
{
    return MainPictures()->ImgTbl.Item(place).toImage();
}

QStringList pageTexts(const frmz승인_고객요청& w)
{
    QStringList texts;
    for (int i = 0; i < w.cob페이지->count(); ++i)
        texts << w.cob페이지->itemText(i);
    return texts;
}

QStringList tileTables(const frmz승인_고객요청& w)
{
    QStringList labels;
    for (const PictureLabel* label : w.lb테이블)
        labels << label->text();
    return labels;
}

} // namespace

TEST_F(RequestsTest, TheMainWindowsFirstActivationPollsPaintsSortedTilesAndChimesWithoutNoticeAtFullSize)
{
    SetClock(nullptr);   // the first activation waits a second of the real clock
    AddGuestRequest(backend.shop(), "테라스", "메뉴판", 1);
    backend.shop().tableRequests.last().insert("regdatememo", QDate::currentDate().toString("yyyy-MM-dd") + " 12:30:00");
    main->setGeometry(0, 0, 1100, 768);   // wider than the full width: no notice either
    main->m_FirstActivated = true;
    ActivateForm(*main);
    ASSERT_TRUE(IsFormLoaded(frmz승인_고객요청::FormName()));
    frmz승인_고객요청& w = window();

    EXPECT_EQ(lastBodyTo(kSwitchPath), "ID=vmrdemo&PassWord=demo1234");
    EXPECT_EQ(lastBodyTo(kListPath), "ID=vmrdemo&PassWord=demo1234&checked=Y");
    EXPECT_EQ(tileTables(w).mid(0, 5), QStringList({"홀-A3", "룸-룸2", "홀-B1", "테라스", ""}));
    EXPECT_EQ(w.lb메모[1]->text(), "공기밥 X 2");
    EXPECT_EQ(w.lb메모[0]->text(), "불판 교체해 주세요");
    EXPECT_EQ(w.picA[0]->tag(), "5003");
    EXPECT_EQ(w.lb테이블[1]->tag(), "010-****-9012");
    EXPECT_TRUE(w.lb시간[0]->text().endsWith(" 12:08:02"));
    for (int i = 0; i < frmz승인_고객요청::kTiles; ++i) {
        EXPECT_TRUE(w.picA[i]->isVisible()) << i;
        EXPECT_EQ(w.CmdTBL[i]->isVisibleTo(w.picA[i]), i < 4) << i;
        EXPECT_EQ(w.picA[i]->pixmap().toImage(), tilePicture(i < 4 ? 1 : 4)) << i;
    }
    EXPECT_EQ(w.lb테이블[0]->geometry(), QRect(44, 32, 130, 39));
    EXPECT_EQ(pageTexts(w), QStringList({QString(QChar(0x3000)) + "1 / 1"}));
    EXPECT_EQ(Sounds().played(), QStringList({gSoundPath + kChime}));
    EXPECT_EQ(main->size(), QSize(1100, 768));
    EXPECT_TRUE(main->sspTEL->tag().isEmpty());
    EXPECT_TRUE(w.Timer_Refresh->isActive());
    EXPECT_EQ(w.Timer_Refresh->interval(), 15000);
    EXPECT_EQ(w.geometry(), QRect((main->MdiClient()->width() - 1022) / 2, (main->MdiClient()->height() - 654) / 2, 1022, 654));
}

TEST_F(RequestsTest, RepeatedAnswersLogOneLineInTheRunsHourAndANewGuestRequestAnnouncesItself)
{
    clock->set(QDateTime(QDate(2024, 4, 26), QTime(14, 59, 59, 990)));
    frmz승인_고객요청& w = open();
    Sounds().clear();
    const QString firstLog = pollLog();
    EXPECT_TRUE(firstLog.contains("Load_고객요청(1) ... " + backend->baseUrl()
                                  + "/program/tableqrsettingloading.php?ID=vmrdemo&PassWord=demo1234\r\n"));
    EXPECT_TRUE(firstLog.contains("Load_고객요청(1) ... ResponseStr:\r\nqrmemoYN[N]qrmemoYN\r\n"));
    EXPECT_TRUE(firstLog.contains("Load_고객요청(2-1) ... ResponseStr:\r\n<memochecks><memonum>5005</memonum>"));

    // The second poll's answers arrive after the hour has turned.
    backend->scriptSequence(kSwitchPath, {StandinReply::text("qrmemoYN[N]qrmemoYN").after(60)});
    QTimer::singleShot(20, [this] { clock->advance(37); });
    w.Timer_Refresh_Timer();
    const QString log = pollLog();
    EXPECT_TRUE(log.contains("]Load_고객요청(1) ... ResponseStr: 직전과 동일. 37ms 걸림.\r\n")) << qPrintable(log);
    EXPECT_TRUE(log.contains("]Load_고객요청(2-1) ... ResponseStr: 직전과 동일. 37ms 걸림.\r\n"));
    EXPECT_EQ(log.count("Load_고객요청(1) ... " + backend->baseUrl()), 1);
    EXPECT_TRUE(pollLog("15").isEmpty());
    EXPECT_TRUE(Sounds().played().isEmpty());

    // A guest asks through the stand-in while the main window is the mini icon.
    EXPECT_EQ(GetWinHttp(backend->baseUrl() + "/standin/guest-request", "table=A1&text=%EB%AC%BC&count=2"), "성공 5006");
    EXPECT_EQ(requestsTo("/standin/guest-request"), 0);
    main->lbMiniView_DblClick();
    const QPoint place = main->pos();
    w.Timer_Refresh_Timer();
    EXPECT_EQ(Sounds().played(), QStringList({gSoundPath + kChime}));
    EXPECT_EQ(main->size(), QSize(286, 81));
    EXPECT_EQ(main->pos(), place);
    EXPECT_EQ(main->mask(), QRegion(main->mask()).intersected(QRect(1, 1, 285, 80)));
    EXPECT_TRUE(main->mask().contains(QPoint(143, 40)));
    EXPECT_FALSE(main->mask().contains(QPoint(2, 2)));
    EXPECT_EQ(main->BG[0]->height(), 81);
    EXPECT_EQ(main->BG[0]->pixmap().toImage(), MainPictures()->ImgIcon.Item(2).toImage());
    EXPECT_EQ(main->sspTEL->caption(), "홀-A1\r\n물 X 2");
    EXPECT_EQ(main->sspTEL->tag(), "REQ");
    EXPECT_EQ(main->sspTEL->font().pointSize(), 14);
    EXPECT_TRUE(main->m_FloatingButton);
    EXPECT_TRUE(main->CMD[0]->isVisibleTo(main));
}

TEST_F(RequestsTest, TheBackendsSwitchCoversTheTilesUnlessItIsExactlyN)
{
    struct Case {
        QString answer;
        bool shown;
    };
    // Each case follows the one before: a missing marker keeps what the last switch said.
    const QList<Case> cases{{"", false},
                            {"qrmemoYN[Y]qrmemoYN", false},
                            {"qrmemoYN[N]qrmemoYN", true},
                            {"", true},
                            {"qrmemoYN[n]qrmemoYN", false},
                            {"qrmemoYN[]qrmemoYN", false}};
    backend->script(kSwitchPath, StandinReply::text(cases[0].answer));
    frmz승인_고객요청& w = open();
    for (const Case& c : cases) {
        backend->script(kSwitchPath, StandinReply::text(c.answer));
        const int lists = requestsTo(kListPath);
        w.Load_고객요청();
        EXPECT_EQ(w.m_UseYN, c.shown) << qPrintable(c.answer);
        EXPECT_EQ(requestsTo(kListPath), lists + (c.shown ? 1 : 0)) << qPrintable(c.answer);
        EXPECT_EQ(w.picNotUse->isVisible(), !c.shown) << qPrintable(c.answer);
        EXPECT_EQ(w.picA[0]->isVisible(), c.shown) << qPrintable(c.answer);
    }
}

TEST_F(RequestsTest, PagesFollowTheRowCountKeepTheRememberedPageAndWrap)
{
    const QString space(QChar(0x3000));
    backend->script(kListPath, StandinReply::text(listOf(16)));
    frmz승인_고객요청& w = open();
    EXPECT_EQ(pageTexts(w), QStringList({space + "1 / 2", space + "2 / 2"}));
    EXPECT_EQ(w.lb테이블[0]->text(), "T1");
    EXPECT_EQ(w.lb테이블[14]->text(), "T15");

    QTest::mouseClick(w.CMD[1], Qt::LeftButton);
    EXPECT_EQ(w.cob페이지->currentIndex(), 1);
    EXPECT_EQ(tileTables(w), QStringList({"T16", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(requestsTo(kListPath), 1) << "a page is painted from the grid";
    QTest::mouseClick(w.CMD[1], Qt::LeftButton);
    EXPECT_EQ(w.cob페이지->currentIndex(), 0);
    QTest::mouseClick(w.CMD[0], Qt::LeftButton);
    EXPECT_EQ(w.cob페이지->currentIndex(), 1);
    EXPECT_TRUE(w.CMD[0]->isEnabled());

    // Page 2 stays chosen while it exists; with 15 rows the list falls back to page 1.
    w.Load_고객요청();
    EXPECT_EQ(w.cob페이지->currentIndex(), 1);
    EXPECT_EQ(w.lb테이블[0]->text(), "T16");
    backend->script(kListPath, StandinReply::text(listOf(15)));
    w.Load_고객요청();
    EXPECT_EQ(pageTexts(w), QStringList({space + "1 / 1"}));
    EXPECT_EQ(w.lb테이블[0]->text(), "T1");
    QTest::mouseClick(w.CMD[0], Qt::LeftButton);
    EXPECT_EQ(w.cob페이지->currentIndex(), 0);

    backend->script(kListPath, StandinReply::text(QString()));
    w.Load_고객요청();
    EXPECT_EQ(pageTexts(w), QStringList({space + "1 / 1"}));
    EXPECT_EQ(tileTables(w), QStringList(15, QString()));
}

// 10 MB of answer would become 10 MB of log per poll; the poll's log cuts it as every request log does.
TEST_F(RequestsTest, AnAnswerAbove256KiBIsCutInThePollLog)
{
    frmz승인_고객요청& w = open();
    const QString large = listOf(1) + QString(300000, u'x');
    backend->script(kListPath, StandinReply::text(large));
    w.Load_고객요청();
    const QString log = pollLog();
    const QString cut = LoggedAnswer(large);
    ASSERT_TRUE(cut.endsWith(" … (" + QString::number(large.toUtf8().size()) + " bytes)"));
    EXPECT_TRUE(log.contains("Load_고객요청(2-1) ... ResponseStr:\r\n" + cut + "\r\n"));
    EXPECT_LT(log.size(), 300000);
}

TEST_F(RequestsTest, ViewAndModeSwitchesWriteTheirKeysAndLoad)
{
    gIniFrshop.WriteValue("SET", "ConfirmA_View", 2);
    frmz승인_고객요청& w = open();
    EXPECT_TRUE(w.optVIEW[0]->isChecked());
    EXPECT_EQ(w.lbConfirmA->text(), "고객요청이 제공되었으면 '완료'를 눌러 주세요.");
    EXPECT_EQ(gIniFrshop.ReadValue("SET", "ConfirmA_View", "").toString(), "2");
    Sounds().clear();

    QTest::mouseClick(w.optVIEW[1], Qt::LeftButton);
    EXPECT_EQ(gIniFrshop.ReadValue("SET", "ConfirmA_View", "").toString(), "1");
    EXPECT_EQ(lastBodyTo(kListPath), "ID=vmrdemo&PassWord=demo1234&checked=N");
    EXPECT_TRUE(pollLog().contains("]Load_고객요청(2-2) ... ResponseStr:\r\n<memochecks><memonum>5002</memonum>"));
    EXPECT_EQ(w.lbConfirmA->text(), "고객요청을 완료처리한 내역입니다.");
    EXPECT_EQ(tileTables(w).mid(0, 3), QStringList({"홀-A1", "룸-룸1", ""}));
    EXPECT_EQ(w.picA[0]->pixmap().toImage(), tilePicture(3));
    EXPECT_FALSE(w.CmdTBL[0]->isVisibleTo(w.picA[0]));
    EXPECT_EQ(w.lb테이블[0]->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    EXPECT_TRUE(Sounds().played().isEmpty()) << "the completed view never announces";

    QTest::mouseClick(w.optVIEW[0], Qt::LeftButton);
    QTest::mouseClick(w.optMODE[1], Qt::LeftButton);
    EXPECT_EQ(gIniFrshop.ReadValue("SET", "ConfirmA_Mode", "").toString(), "1");
    EXPECT_EQ(requestsTo(kListPath), 4);
    EXPECT_EQ(w.picA[0]->pixmap().toImage(), tilePicture(2));
    EXPECT_EQ(w.lb테이블[0]->geometry(), QRect(9, 60, 130, 39));
    EXPECT_EQ(w.lb메모[0]->geometry(), QRect(141, 47, 185, 55));
    EXPECT_FALSE(w.CmdTBL[0]->isVisibleTo(w.picA[0]));
    EXPECT_TRUE(Sounds().played().isEmpty()) << "the same first request is not announced again";
}

TEST_F(RequestsTest, TicksWaitForTheRefreshSwitchAndALoadDuringALoadReturnsAtOnce)
{
    frmz승인_고객요청& w = open();
    main->cmdRefresh_Click();
    w.Timer_Refresh_Timer();
    EXPECT_EQ(requestsTo(kSwitchPath), 1);
    main->cmdRefresh_Click();

    backend->scriptSequence(kSwitchPath, {StandinReply::text("qrmemoYN[N]qrmemoYN").after(100)});
    bool loadingSeen = false;
    QTimer::singleShot(20, &w, [&] {
        loadingSeen = w.m_Loading;
        w.Load_고객요청();
        w.Timer_Refresh_Timer();
    });
    w.Timer_Refresh_Timer();
    EXPECT_TRUE(loadingSeen);
    EXPECT_EQ(requestsTo(kSwitchPath), 2);
    EXPECT_EQ(requestsTo(kListPath), 2);
    EXPECT_FALSE(w.m_Loading);
    EXPECT_FALSE(w.picWait->isVisible());
}

TEST_F(RequestsTest, LogoutDuringAPollDoesNotCrashAndTheNextLoginDoesNotAnnounceTheSameRequest)
{
    frmz승인_고객요청& w = open();
    EXPECT_EQ(Sounds().played().size(), 1);
    backend->scriptSequence(kListPath, {StandinReply::text(listOf(1)).after(100)});
    QTimer::singleShot(20, main, [this] {
        MessageBoxes().answer(6);
        main->lbl로그아웃_Click();
    });
    w.Timer_Refresh_Timer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(IsFormLoaded(frmz승인_고객요청::FormName()));

    gShopID = backend.shopId();
    gShopPW = backend.shopPassword();
    open();
    EXPECT_EQ(requestsTo(kSwitchPath), 3);
    EXPECT_EQ(Sounds().played().size(), 1);
}
