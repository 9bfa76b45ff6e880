#include "window_support/window_fixture.h"

#include "core/login_values.h"
#include "platform/message_box.h"
#include "server/server_globals.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "stats/statistics_test_data.h"
#include "stats/statistics_window.h"
#include "support/qt_printers.h"
#include "support/seams.h"
#include "support/template_databases.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTest>

namespace {

const QString kMembers = QStringLiteral("/program/SearchMember1.php");

// 010-3333-4444 came on 03-01 as "옛이름" and on 03-06 as "새이름"; 010-1111-2222, without a name,
// came first on 03-10 (today); 010-9999-8888 once on 03-04, the day before a 03-05 to 03-10 period.
const QList<CachedVisit> kVisits{{"01033334444", "2024-03-01", "옛이름", "2024-03-01", 2},
                                 {"01099998888", "2024-03-04", "박하루", "2024-03-04", 1},
                                 {"01033334444", "2024-03-06", "새이름", "2024-03-01", 2},
                                 {"01011112222", "2024-03-10", "", "2024-03-10", 1}};

// A header before the first record, then one member whose phone is in the cache and one without.
const QString kMemberAnswer = QStringLiteral(
    " totalcount[2]totalcount name[머리]name "
    "<menubrrs> num[7]num name[회원갑]name name2[]name2 phone[010-3333-4444]phone birthday[0505]birthday sex[M]sex memo[갑]memo "
    "<menubrrs> num[8]num name[준회원]name name2[]name2 phone[01066667777]phone birthday[]birthday sex[]sex memo[을]memo ");

class StatisticsLoads : public WindowTest
{
protected:
    StatisticsLoads()
    {
        SetClock(&*clock);
        gUnregCallerCnt = 3;
        EXPECT_TRUE(CopyTemplate(program, "VmrBooking.0.mdb", "VmrBooking.mdb"));
        backend->script(kMembers, StandinReply::text(kMemberAnswer));
    }

    ~StatisticsLoads() override { gStartLoaded = false; }

    void cache(const QList<CachedVisit>& visits) { CacheVisits(program.file("VmrBooking.mdb"), visits); }

    frmz통계B& open()
    {
        frmz통계B::m_Kind = "예약";
        return openModeless<frmz통계B>();
    }

    static OleColor colour(SpreadGrid& grid, int col, int row)
    {
        grid.SetCol(col);
        grid.SetRow(row);
        return grid.ForeColor();
    }

    ScopedFakeClock clock{QDateTime(QDate(2024, 3, 10), QTime(9, 0))};
};

TEST_F(StatisticsLoads, EachRowTakesTheFirstCountedReservationOfItsPhone)
{
    cache(kVisits);
    frmz통계B& window = open();
    SpreadGrid& grid = *window.SPR[0];
    QTest::mouseClick(window.CMD[4], Qt::LeftButton);
    EXPECT_EQ(GridColumn(grid, 5), QStringList({"010-1111-2222", "010-3333-4444", "010-9999-8888", "010-6666-7777"}));
    EXPECT_EQ(GridColumn(grid, 3), QStringList({"-", "옛이름", "박하루", "준회원"}));
    EXPECT_EQ(GridColumn(grid, 1), QStringList({"c2222", "c4444", "c8888", "8"}));
    EXPECT_EQ(GridColumn(grid, 4), QStringList({"단골", "단골", "단골", ""}));
    EXPECT_EQ(GridColumn(grid, 9), QStringList({"", "", "", ""}));
    EXPECT_EQ(GridColumn(grid, 10), QStringList({"1", "2", "1", ""}));
    EXPECT_EQ(GridColumn(grid, 12), QStringList({"예약메모", "예약메모", "예약메모", "을"}));
    EXPECT_EQ(FigureTexts(window), QStringList({"1명", "1명", "4 명", "4회 (133.3%)", "3명 (100%)", "0명 (0%)"}));
    for (int col = 1; col <= 12; ++col)
        EXPECT_EQ(GridColumn(*window.SPR[1], col), GridColumn(grid, col)) << col;
    const QString body = "ID=" + backend.shopId() + "&PassWord=" + backend.shopPassword() + "&textz=";
    EXPECT_TRUE(httpLog().contains("Load_회원검색() ... " + gServerURL + kMembers + "?" + body));
    EXPECT_TRUE(httpLog().contains("Load_회원검색() ... ResponseStr:\r\n" + kMemberAnswer));

    // The period counts from its first day to its last, both included, and takes the name of the
    // first reservation inside it; the first visit before it makes a returning customer.
    window.기간[0]->setDate(QDate(2024, 3, 5));
    window.기간[1]->setDate(QDate(2024, 3, 10));
    QTest::mouseClick(window.CMD[3], Qt::LeftButton);
    EXPECT_EQ(GridColumn(grid, 5), QStringList({"010-1111-2222", "010-3333-4444"}));
    EXPECT_EQ(GridColumn(grid, 3), QStringList({"-", "새이름"}));
    EXPECT_EQ(GridColumn(grid, 9), QStringList({"", "O"}));
    EXPECT_EQ(GridColumn(grid, 10), QStringList({"1", "1"}));
    EXPECT_EQ(GridColumn(grid, 11), QStringList({"1", "2"}));
    for (int col : {10, 11}) {
        EXPECT_EQ(colour(grid, col, 1), VbRGB(0, 0, 0)) << col;
        EXPECT_EQ(colour(grid, col, 2), VbRGB(192, 0, 192)) << col;
    }
    EXPECT_EQ(FigureTexts(window), QStringList({"0 명", "3 명", "2 명", "2회 (66.7%)", "1명 (33.3%)", "1명 (33.3%)"}));
    EXPECT_EQ(window.lblInfo->text(), "검색된 회원 (확정, 완료 중): 2명");
    EXPECT_EQ(window.SPR[1]->MaxRows(), 4);
    EXPECT_EQ(bodiesTo(kMembers).size(), 1);
}

TEST_F(StatisticsLoads, FiguresAreGroupedAndFitTheirBoxes)
{
    QList<CachedVisit> visits;
    for (int i = 0; i < 450; ++i)
        visits.append({"0101234567" + QString::number(i % 3), "2024-03-08", "손님", "2024-03-08", 150});
    cache(visits);
    frmz통계B& window = open();
    // A large shop: more than ten thousand members without reservations.
    QString manyMembers;
    for (int i = 0; i < 12345; ++i)
        manyMembers += QStringLiteral("<menubrrs> num[%1]num name[회원]name name2[]name2 phone[0105%2]phone "
                                      "birthday[]birthday sex[]sex memo[]memo ")
                           .arg(i)
                           .arg(i, 7, 10, QLatin1Char('0'));
    const struct {
        int base;
        int button;
        QString members;
        QStringList figures;
    } cases[] = {{120, 4, kMemberAnswer, {"1명", "1명", "5 명", "450회 (375%)", "3명 (2.5%)", "0명 (0%)"}},
                 {1500, 3, kMemberAnswer, {"0 명", "1,500 명", "3 명", "450회 (30%)", "3명 (0.2%)", "0명 (0%)"}},
                 {0, 3, kMemberAnswer, {"0 명", "0 명", "3 명", "450회 ( 0% )", "3명 ( 0% )", "0명 ( 0% )"}},
                 {15000, 4, manyMembers, {"12,345명", "0명", "12,348 명", "450회 (3%)", "3명 (0%)", "0명 (0%)"}}};
    for (const auto& c : cases) {
        gUnregCallerCnt = c.base;
        backend->script(kMembers, StandinReply::text(c.members));
        QTest::mouseClick(window.CMD[c.button], Qt::LeftButton);
        EXPECT_EQ(FigureTexts(window), c.figures) << c.base;
        for (QLabel* figure : window.lblNO)
            for (QLabel* text : figure->parentWidget()->findChildren<QLabel*>()) {
                EXPECT_LE(text->minimumSizeHint().width(), text->width()) << text->text().toStdString();
                if (text->wordWrap()) {
                    EXPECT_LE(text->heightForWidth(text->width()), text->height()) << text->text().toStdString();
                }
            }
    }
}

TEST_F(StatisticsLoads, MembersOnlyLeavesTheVisitFiguresAndTheFullCopy)
{
    cache(kVisits);
    frmz통계B& window = open();
    QTest::mouseClick(window.CMD[4], Qt::LeftButton);
    const QStringList before = FigureTexts(window);
    QTest::mouseClick(window.CMD[5], Qt::LeftButton);
    SpreadGrid& grid = *window.SPR[0];
    EXPECT_EQ(GridColumn(grid, 5), QStringList({"010-3333-4444", "010-6666-7777"}));
    EXPECT_EQ(GridColumn(grid, 3), QStringList({"회원갑", "준회원"}));
    EXPECT_EQ(GridColumn(grid, 6), QStringList({"M", ""}));
    EXPECT_EQ(GridColumn(grid, 4), QStringList({"", ""}));
    EXPECT_EQ(GridColumn(grid, 7), QStringList({"", ""}));
    EXPECT_EQ(FigureTexts(window), QStringList({"1명", "1명"}) + before.mid(2));
    EXPECT_EQ(window.SPR[1]->MaxRows(), 4);
    EXPECT_EQ(bodiesTo(kMembers).value(1), bodiesTo(kMembers).value(0));
}

// A member list broken in transfer leaves neither a list nor figures that look complete; one with
// odd bytes is still a list.
TEST_F(StatisticsLoads, ABrokenMemberListShowsTheFailureAndNoFigures)
{
    cache(kVisits);
    frmz통계B& window = open();
    QByteArray notUtf8 = kMemberAnswer.toUtf8();
    notUtf8.replace("회원갑", "\xc8\xb8\xbf\xf8");   // the name in the Korean ANSI code page
    const struct {
        StandinReply reply;
        bool broken;
    } cases[] = {{StandinReply::text(""), true},
                 {StandinReply::drop(), true},
                 {StandinReply::cutOff(kMemberAnswer), true},
                 {StandinReply::text(kMemberAnswer.chopped(6)), true},
                 {StandinReply::text("<html>Internal Server Error</html>", 500), true},
                 {StandinReply::bytes(notUtf8), false},
                 {StandinReply::text(QString(kMemberAnswer).replace("totalcount[2]", "totalcount[5]")), false}};
    for (const auto& c : cases) {
        for (int button : {4, 5}) {
            const std::string label = c.reply.body.left(40).toStdString() + " " + std::to_string(button);
            QTest::mouseClick(window.CMD[4], Qt::LeftButton);
            backend->script(kMembers, c.reply);
            MessageBoxes().clear();
            const QStringList before = FigureTexts(window);
            QTest::mouseClick(window.CMD[button], Qt::LeftButton);
            backend->script(kMembers, StandinReply::text(kMemberAnswer));
            if (!c.broken) {
                EXPECT_TRUE(MessageBoxes().texts().isEmpty()) << label;
                EXPECT_EQ(window.SPR[0]->MaxRows(), button == 4 ? 4 : 2) << label;
                EXPECT_EQ(FigureTexts(window).mid(0, 2), QStringList({"1명", "1명"})) << label;
                continue;
            }
            EXPECT_EQ(MessageBoxes().texts(), QStringList({"실패! 다시 시도해주세요."})) << label;
            EXPECT_EQ(window.SPR[0]->MaxRows(), 0) << label;
            EXPECT_EQ(window.lblInfo->text(), "") << label;
            const QStringList left = button == 4 ? QStringList({"", "", "", ""}) : before.mid(2);
            EXPECT_EQ(FigureTexts(window), QStringList({"", ""}) + left) << label;
        }
    }
}

TEST_F(StatisticsLoads, AMissingCacheListsNothingAndAsksNoMembers)
{
    QFile::remove(program.file("VmrBooking.mdb"));
    frmz통계B& window = open();
    MessageBoxes().clear();
    QTest::mouseClick(window.CMD[4], Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts().size(), 1);
    EXPECT_EQ(mainLog().filter("E)frmz통계B->Load_전체예약n회원 DB OPEN Error: '" + program.file("VmrBooking.mdb") + "'").size(), 1);
    EXPECT_EQ(window.SPR[0]->MaxRows(), 0);
    EXPECT_EQ(FigureTexts(window), QStringList({"0명", "0명", "0 명", "0회 (0%)", "0명 (0%)", "0명 (0%)"}));
    EXPECT_EQ(window.lblInfo->text(), "검색된 회원 (확정, 완료 중): 0명");
    EXPECT_TRUE(bodiesTo(kMembers).isEmpty());
}

TEST_F(StatisticsLoads, ControlsSitAtTheirPlacesAndEachPageShowsItsSwitch)
{
    frmz통계B& window = open();
    const struct {
        QWidget* control;
        QRect place;
    } cases[] = {{window.CMD[3], {660, 10, 80, 39}},    {window.CMD[4], {855, 10, 75, 39}},
                 {window.SPR[0], {15, 130, 459, 470}},  {window.SPR[1], {95, 665, 459, 515}},
                 {window.Chk전체선택, {52, 133, 18, 18}}, {window.lblInfo, {14, 100, 461, 30}},
                 {window.picFrame[0], {477, 100, 536, 546}}, {window.picFrame[1], {477, 100, 536, 546}},
                 {window.lblCMD[0], {301, 7, 202, 42}}, {window.CMD[5], {10, 607, 75, 39}},
                 {window.lblTitle, {95, 608, 235, 36}}, {window.lblTerminate, {957, 5, 60, 45}}};
    for (const auto& c : cases)
        EXPECT_EQ(c.control->geometry(), c.place) << c.control->objectName().toStdString();
    EXPECT_EQ(window.lblTitle->text(), "예약 통계");

    // The close label, the members-only button and the title are in view, each on top at its middle.
    EXPECT_EQ(window.size(), QSize(1022, 654));
    for (QWidget* shown : {static_cast<QWidget*>(window.lblTerminate), static_cast<QWidget*>(window.CMD[5]),
                           static_cast<QWidget*>(window.lblTitle)}) {
        EXPECT_TRUE(window.rect().contains(shown->geometry())) << shown->geometry();
        QWidget* hit = window.childAt(shown->geometry().center());
        EXPECT_TRUE(hit == shown || shown->isAncestorOf(hit)) << shown->geometry();
    }

    // The lit part of the switch: 카카오톡 on the KakaoTalk page, 문자 on the SMS page.
    const QColor lit(0, 141, 238);
    window.picFrame[0]->show();
    EXPECT_EQ(window.picFrame[1]->grab().toImage().pixelColor(310, 12), lit);
    EXPECT_EQ(window.picFrame[0]->grab().toImage().pixelColor(494, 12), lit);
    EXPECT_NE(window.picFrame[0]->grab().toImage().pixelColor(310, 12), lit);

    // Both pages leave their bottom-left corner to the link image box.
    for (int i = 0; i < 2; ++i) {
        QWidget* page = window.picFrame[i];
        page->show();
        window.picFrame[1 - i]->hide();
        const auto onPage = [&window, page](int x, int y) {
            QWidget* hit = window.childAt(477 + x, 100 + y);
            return hit == page || page->isAncestorOf(hit);
        };
        EXPECT_FALSE(onPage(254, 456)) << i;
        EXPECT_FALSE(onPage(0, 545)) << i;
        EXPECT_TRUE(onPage(255, 456)) << i;
        EXPECT_TRUE(onPage(254, 455)) << i;
    }

    // The grid's outline, one pixel around it.
    const QImage shown = window.grab().toImage();
    EXPECT_NE(shown.pixelColor(14, 300), shown.pixelColor(11, 300));
    EXPECT_NE(shown.pixelColor(200, 129), shown.pixelColor(200, 126));
}

TEST_F(StatisticsLoads, ASecondPressOnlyActivatesTheOpenWindow)
{
    gStartLoaded = true;
    frmMainMDI& shell = main();
    backend->clearRequests();
    QTest::mouseClick(shell.TopCMD[4], Qt::LeftButton);
    auto* window = static_cast<frmz통계B*>(FindForm("frmz통계B"));
    ASSERT_NE(window, nullptr);
    window->CMD[4]->setFocus();
    QTest::mouseClick(shell.TopCMD[4], Qt::LeftButton);
    QStringList paths;
    for (const StandinRequest& request : backend->requests())
        paths.append(request.path);
    // The picture only because this program folder has no copy of it yet.
    EXPECT_EQ(paths, QStringList({"/qrmainimg/" + gShopNo + "__a-1.png", "/program/shopkakaotemplateLoad.php",
                                  "/program/alramsavingLoading.php"}));
    EXPECT_EQ(mainLog().filter("[frmz통계B→Form_Load] Enter").size(), 1);
    EXPECT_EQ(mainLog().filter("[frmz통계B→Form_Activate] Enter").size(), 2);
    EXPECT_EQ(QApplication::focusWidget(), window->기간[0]);
    EXPECT_EQ(window->lblTitle->text(), "예약 통계");
}

TEST_F(StatisticsLoads, TheCloseLabelUnloadsAndTheNextOpeningStartsAfresh)
{
    cache(kVisits);
    QPointer<frmz통계B> window = &open();
    QTest::mouseClick(window->CMD[4], Qt::LeftButton);
    ASSERT_EQ(window->SPR[0]->MaxRows(), 4);
    window->txt검색내검색->setText("새이름");

    QTest::mouseClick(window->lblTerminate, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(FindForm("frmz통계B"), nullptr);

    frmz통계B& again = open();
    EXPECT_EQ(again.SPR[0]->MaxRows(), 0);
    EXPECT_TRUE(again.txt검색내검색->text().isEmpty());
}

TEST_F(StatisticsLoads, CreditFiguresOfTheWindowAndTheMainWindow)
{
    const struct {
        QString answer;
        QString sms;
        QString talk;
        QStringList main;
        QColor colour;
    } cases[] = {{" smsPoint[11249]smsPoint ", "562/249", "749", {"749", "562", "249"}, QColor(255, 0, 0)},
                 {" smsPoint[22500]smsPoint ", "1,125/500", "1,500", {"1,500", "1,125", "500"}, QColor(Qt::black)},
                 {"", "0/0", "0", {"0", "0", "0"}, QColor(255, 0, 0)}};
    for (const auto& c : cases) {
        backend->script("/program/alramsavingLoading.php", StandinReply::text(c.answer));
        frmz통계B& window = open();
        EXPECT_EQ(window.전송가능건수->text(), c.sms) << c.answer.toStdString();
        EXPECT_EQ(window.톡가능건수->text(), c.talk);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(main().lbl남은문자[i]->text(), c.main[i]) << i;
            EXPECT_EQ(main().lbl남은문자[i]->palette().color(QPalette::WindowText), c.colour) << i;
        }
        UnloadForm("frmz통계B");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace
