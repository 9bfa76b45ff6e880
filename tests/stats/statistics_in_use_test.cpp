#include "window_support/window_fixture.h"

#include "core/login_values.h"
#include "platform/twips.h"
#include "server/server_globals.h"
#include "stats/statistics_window.h"
#include "support/qt_printers.h"
#include "support/seams.h"
#include "support/template_databases.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTimer>

namespace {

const QString kMembers = QStringLiteral("/program/SearchMember1.php");
const QString kTemplateLoad = QStringLiteral("/program/shopkakaotemplateLoad.php");
const QString kTemplateSave = QStringLiteral("/program/shopkakaotemplateEdit.php");
const QString kSms = QStringLiteral("/program/sendCouponSMS.php");

QString member(int num, const QString& name, const QString& phone, const QString& memo)
{
    return "<menubrrs> num[" + QString::number(num) + "]num name[" + name + "]name name2[]name2 phone[" + phone
           + "]phone birthday[]birthday sex[]sex memo[" + memo + "]memo ";
}

// Seven members and no reservation: a full load lists them in this order.
const QString kMemberAnswer = " totalcount[7]totalcount " + member(1, "김철수", "01011110001", "")
                              + member(2, "이영희", "01011110002", "") + member(3, "김영수", "01011110003", "")
                              + member(4, "박민수", "01056781234", "") + member(5, "ABC상사", "01011110005", "")
                              + member(6, "정수민", "01011110006", "1234호 단골") + member(7, "한지민", "01011110007", "");

QPoint cellCentre(SpreadGrid& grid, int col, int row)
{
    int x = 0, y = 0, width = 0, height = 0;
    EXPECT_TRUE(grid.GetCellPos(col, row, &x, &y, &width, &height)) << col << "," << row;
    return QPoint(TwipsToPixels(x + width / 2), TwipsToPixels(y + height / 2));
}

class StatisticsInUse : public WindowTest
{
protected:
    StatisticsInUse()
    {
        gUnregCallerCnt = 3;
        EXPECT_TRUE(CopyTemplate(program, "VmrBooking.0.mdb", "VmrBooking.mdb"));
        backend->script(kMembers, StandinReply::text(kMemberAnswer));
    }

    frmz통계B& open()
    {
        frmz통계B::m_Kind = "예약";
        return openModeless<frmz통계B>();
    }

    static QStringList names(frmz통계B& window)
    {
        QStringList texts;
        for (int row = 1; row <= window.SPR[0]->MaxRows(); ++row)
            texts.append(window.SPR[0]->GetText(3, row));
        return texts;
    }

    static void search(frmz통계B& window, const QString& text)
    {
        window.txt검색내검색->setText(text);
        QTest::keyClick(window.txt검색내검색, Qt::Key_Return);
    }

    // The choice values of the list's rows, one digit each.
    static QString choices(SpreadGrid& grid)
    {
        QString digits;
        grid.SetCol(2);
        for (int row = 1; row <= grid.MaxRows(); ++row) {
            grid.SetRow(row);
            digits += QString::number(grid.Value());
        }
        return digits;
    }

    ScopedFakeClock clock{QDateTime(QDate(2024, 3, 10), QTime(9, 0))};
};

TEST_F(StatisticsInUse, SearchWithinResultsGrowsOneListFromTheLastFullLoad)
{
    frmz통계B& window = open();
    QTest::mouseClick(window.CMD[5], Qt::LeftButton);
    ASSERT_EQ(window.SPR[0]->MaxRows(), 7);
    QTest::mouseClick(window.CMD[14], Qt::LeftButton);
    EXPECT_EQ(window.SPR[0]->MaxRows(), 7) << "an empty search box changes nothing";
    search(window, "김");
    EXPECT_EQ(names(window), QStringList()) << "no full load yet: the list empties and nothing is found";

    QTest::mouseClick(window.CMD[4], Qt::LeftButton);
    search(window, "김");
    EXPECT_EQ(names(window), QStringList({"김철수", "김영수"}));
    search(window, "abc");
    search(window, "김");
    EXPECT_EQ(names(window), QStringList({"김철수", "김영수", "ABC상사"}));
    search(window, "56781234");
    EXPECT_EQ(window.SPR[0]->MaxRows(), 3) << "the number's end is compared as shown, hyphens included";
    search(window, "1234");
    EXPECT_EQ(names(window), QStringList({"김철수", "김영수", "ABC상사", "박민수", "정수민"}));
    EXPECT_EQ(choices(*window.SPR[0]), "00000") << "rows arrive not chosen";

    // A member list loaded since stays; the search adds below it what the full load had not given yet.
    QTest::mouseClick(window.CMD[5], Qt::LeftButton);
    search(window, "이영");
    search(window, "김");
    const QStringList shown = names(window);
    EXPECT_EQ(shown.size(), 8);
    EXPECT_EQ(shown.last(), "이영희");

    // The next full load starts a new result.
    QTest::mouseClick(window.CMD[4], Qt::LeftButton);
    search(window, "김");
    EXPECT_EQ(names(window), QStringList({"김철수", "김영수"}));
}

TEST_F(StatisticsInUse, OnlyClicksOnChoiceCellsAndOnTheBoxChangeChoices)
{
    frmz통계B& window = open();
    SpreadGrid& grid = *window.SPR[0];
    QTest::mouseClick(window.Chk전체선택, Qt::LeftButton);
    EXPECT_EQ(window.전송건수[0]->text(), "0/0");
    EXPECT_EQ(window.전송건수[1]->text(), "0/0");
    QTest::mouseClick(window.Chk전체선택, Qt::LeftButton);

    QTest::mouseClick(window.CMD[4], Qt::LeftButton);
    EXPECT_EQ(window.전송건수[0]->text(), "/");
    const QPoint lastChoice = cellCentre(grid, 2, 7);
    const QPoint ignored[] = {cellCentre(grid, 2, 0), cellCentre(grid, 0, 3), cellCentre(grid, 3, 3),
                              lastChoice + QPoint(0, 2 * (lastChoice.y() - cellCentre(grid, 2, 6).y()))};
    for (const QPoint& at : ignored)
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(choices(grid), "0000000");
    EXPECT_EQ(window.전송건수[0]->text(), "/");

    // Setting the box from code is no click on it.
    window.Chk전체선택->setChecked(true);
    EXPECT_EQ(choices(grid), "0000000");
    window.Chk전체선택->setChecked(false);

    grid.SetCol(2);
    grid.SetRow(3);
    grid.SetValue(2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(grid, 2, 3));
    EXPECT_EQ(choices(grid), "0000000") << "any value but 0 becomes 0";
    QTest::mouseClick(window.Chk전체선택, Qt::LeftButton);
    EXPECT_EQ(window.전송건수[1]->text(), "7/7");
    QTest::mouseClick(window.Chk전체선택, Qt::LeftButton);
    EXPECT_EQ(window.전송건수[0]->text(), "0/7");
    EXPECT_EQ(choices(grid), "0000000");
}

TEST_F(StatisticsInUse, ButtonLooksDoubleClicksAndHeadersWhiteOnBlue)
{
    frmz통계B& window = open();
    const QColor blue(0, 141, 238);
    const QColor pale(240, 240, 240);
    const struct {
        int index;
        QColor face, text, pressedFace, pressedText, frame;
    } looks[] = {{11, pale, Qt::black, blue, Qt::white, pale},
                 {13, blue, Qt::white, Qt::white, blue, blue},
                 {0, blue, Qt::white, Qt::white, blue, blue}};
    for (const auto& look : looks) {
        PanelButton& button = *window.CMD[look.index];
        EXPECT_EQ(button.faceColor(), look.face) << look.index;
        EXPECT_EQ(button.textColor(), look.text) << look.index;
        EXPECT_EQ(button.frameColor(), look.frame) << look.index;
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(-5, -5));
        EXPECT_EQ(button.faceColor(), look.pressedFace) << look.index;
        EXPECT_EQ(button.textColor(), look.pressedText) << look.index;
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(-5, -5));
        EXPECT_EQ(button.faceColor(), look.face) << look.index;
    }
    doubleClick(window.CMD[6]);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"저장되었습니다."}) << "a double click is one click";

    SpreadGrid& grid = *window.SPR[0];
    const QImage picture = grid.viewport()->grab().toImage();
    for (int col : {0, 3}) {
        int x = 0, y = 0, w = 0, h = 0;
        ASSERT_TRUE(grid.GetCellPos(col, 0, &x, &y, &w, &h));
        const QRect cell(TwipsToPixels(x), TwipsToPixels(y), TwipsToPixels(w), TwipsToPixels(h));
        EXPECT_EQ(picture.pixelColor(cell.topLeft() + QPoint(2, 2)), blue) << col;
        int light = 0;
        for (int px = cell.left(); px < cell.right(); ++px)
            for (int py = cell.top(); py < cell.bottom(); ++py)
                light += picture.pixelColor(px, py).red() > 200 ? 1 : 0;
        EXPECT_GT(light, 5) << "the header text of column " << col;
    }
}

// Each page shows its switch with its own part lit: 카카오톡 on the left, 문자 on the right.
TEST_F(StatisticsInUse, EachPageShowsItsSwitch)
{
    frmz통계B& window = open();
    for (int page : {1, 0}) {
        if (page == 0)
            QTest::mouseClick(window.lblCMD[1], Qt::LeftButton);
        ASSERT_TRUE(window.picFrame[page]->isVisible());
        const QImage picture = window.picFrame[page]->grab().toImage();
        const QRect place = window.lblCMD[page]->geometry();
        const QPoint lit = page == 1 ? place.topLeft() + QPoint(4, 4) : place.topRight() + QPoint(-4, 4);
        EXPECT_EQ(picture.pixelColor(lit), QColor(0, 141, 238)) << page;
    }
}

TEST_F(StatisticsInUse, TheMessageKindStaysReadableBesideTheCredit)
{
    frmz통계B& window = open();
    QTest::mouseClick(window.lblCMD[1], Qt::LeftButton);
    window.txt보낼문자->setText(QString(91, u'x'));
    ASSERT_EQ(window.글자크기->text(), "91 - LMS");
    const QImage picture = window.picFrame[0]->grab().toImage();
    const QRect kind = window.글자크기->geometry();
    const QRect overlap = kind.intersected(window.전송가능건수->geometry());
    ASSERT_FALSE(overlap.isEmpty());
    int dark = 0;
    for (int x = overlap.left(); x <= overlap.right(); ++x)
        for (int y = overlap.top(); y <= overlap.bottom(); ++y)
            dark += picture.pixelColor(x, y).red() < 100 ? 1 : 0;
    EXPECT_GT(dark, 5) << "the end of the kind's caption is covered";
}

TEST_F(StatisticsInUse, AFailedSaveOfASavedTextIsNotReportedAsSaved)
{
    frmz통계B& window = open();
    ASSERT_TRUE(QFile::remove(program.file("Frshop.cfg")) || !QFile::exists(program.file("Frshop.cfg")));
    ASSERT_TRUE(QDir().mkpath(program.file("Frshop.cfg")));
    window.txt문자[0]->setText("첫째 문자");
    QTest::mouseClick(window.CMD[6], Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts(), QStringList());
    EXPECT_EQ(mainLog().filter("e)frmz통계B->CMD_Click[Erl:=2, Eno:=75]").size(), 1) << mainLog().join("\n").toStdString();
    EXPECT_TRUE(window.CMD[6]->isEnabled());
}

TEST_F(StatisticsInUse, AMissingCacheLogsAndListsNothing)
{
    frmz통계B& window = open();
    ASSERT_TRUE(QFile::remove(program.file("VmrBooking.mdb")));
    const struct {
        int button;
        QString loader;
        QString regulars;
    } cases[] = {{4, "Load_전체예약n회원", "0명"}, {3, "Load_예약검색결과", "0 명"}};
    for (const auto& c : cases) {
        MessageBoxes().clear();
        QTest::mouseClick(window.CMD[c.button], Qt::LeftButton);
        EXPECT_EQ(MessageBoxes().texts().size(), 1) << c.button;
        EXPECT_EQ(mainLog().filter("E)frmz통계B->" + c.loader + " DB OPEN Error: '").size(), 1) << c.button;
        EXPECT_EQ(window.SPR[0]->MaxRows(), 0);
        EXPECT_EQ(window.lblNO[0]->text(), c.regulars);
        EXPECT_EQ(window.lblNO[2]->text(), "0 명");
    }
    EXPECT_TRUE(bodiesTo(kMembers).isEmpty());
}

TEST_F(StatisticsInUse, TemplateLoadAnswers)
{
    gStoreName = "행복식당";
    gShopTel = "";
    frmz통계B& window = open();
    backend->script(kTemplateSave, StandinReply::text("성공"));
    const struct {
        StandinReply reply;
        QString header, footer;
    } cases[] = {{StandinReply::text(" toptext[]toptext bottomtext[]bottomtext "), "", ""},
                 {StandinReply::text(" toptext bottomtext[10시~21시]bottomtext "), "", "10시~21시"},
                 {StandinReply::text("없음"), "", ""},
                 {StandinReply::drop(), "입력한 머리말", "입력한 시간"}};
    for (const auto& c : cases) {
        backend->script(kTemplateLoad, c.reply);
        window.txt톡[0]->setText("입력한 머리말");
        window.txt톡[1]->setText("입력한 시간");
        QTest::mouseClick(window.CMD[12], Qt::LeftButton);
        EXPECT_EQ(window.txt톡[0]->text(), c.header);
        EXPECT_EQ(window.txt톡[1]->text(), c.footer);
        EXPECT_TRUE(window.txt보낼톡->text().contains(
            "드립니다\r\n\r\n" + c.header + "\r\n\r\n■ 상   호 : 행복식당\r\n■ 전화번호 : \r\n\r\n▶ 매장시간안내\r\n" + c.footer + "\r\n\r\n*"))
            << window.txt보낼톡->text().toStdString();
    }
    EXPECT_TRUE(window.txt보낼톡->isReadOnly());
}

TEST_F(StatisticsInUse, SmsRecipientsAreSentFormSafe)
{
    backend.shop().credit = 1000;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [this] { clock->advance(20); });
    ticker.start(1);
    frmz통계B& window = open();
    SpreadGrid& grid = *window.SPR[0];
    grid.SetMaxRows(2);
    grid.SetText(1, 1, "7&1");
    grid.SetText(5, 1, "+82-10-1234-5678");
    grid.SetText(1, 2, "8");
    grid.SetText(5, 2, "010-2222-3333");
    QTest::mouseClick(window.Chk전체선택, Qt::LeftButton);
    window.txt보낼문자->setText("a");
    QTest::mouseClick(window.CMD[11], Qt::LeftButton);
    ASSERT_EQ(bodiesTo(kSms).size(), 1);
    EXPECT_TRUE(bodiesTo(kSms)[0].contains("&sendphonetext=b[7%261]ba[%2B821012345678]a b[8]ba[01022223333]a &groupText="))
        << bodiesTo(kSms)[0].toStdString();
}

} // namespace
