#include "board/board_fixture.h"

#include "platform/twips.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTest>

namespace {

class MonthCalendar : public BoardTest
{
protected:
    QString text(int col, int row) { return board().sprCAL->GetText(col, row); }
    frmB예약관리& board() { return Form<frmB예약관리>(); }
    void click(int col, int row)
    {
        int x = 0, y = 0, w = 0, h = 0;
        ASSERT_TRUE(board().sprCAL->GetCellPos(col, row, &x, &y, &w, &h));
        QTest::mouseClick(board().sprCAL->viewport(), Qt::LeftButton, {}, QPoint((x + w / 2) / 15, (y + h / 2) / 15));
    }
    // The cells of the calendar holding " 오늘".
    int todayMarks()
    {
        int marks = 0;
        for (int row = 1; row <= board().sprCAL->MaxRows(); ++row)
            for (int col = 1; col <= 7; ++col)
                marks += text(col, row).endsWith(" 오늘");
        return marks;
    }
};

TEST_F(MonthCalendar, WeeksDaysAndToday)
{
    open();
    const struct {
        QDate date;
        int rows;
    } months[] = {{QDate(2026, 2, 10), 8}, {QDate(2025, 3, 1), 12}, {QDate(2024, 11, 5), 10}, {QDate(2024, 5, 7), 10}};
    for (const auto& m : months) {
        board().CalcDraw(m.date);
        EXPECT_EQ(board().sprCAL->MaxRows(), m.rows) << m.date.toString().toStdString();
        EXPECT_EQ(board().sprCAL->MaxCols(), 8);
    }
    // May 2024 starts on a Wednesday; today is the 7th.
    EXPECT_EQ(text(4, 1), "1");
    EXPECT_EQ(text(3, 1), "");
    EXPECT_EQ(text(3, 3), "7 오늘");
    EXPECT_EQ(text(6, 9), "31");
    EXPECT_EQ(text(7, 9), "");
    EXPECT_EQ(text(8, 1), "1\r\n주차");
    EXPECT_EQ(todayMarks(), 1);
    EXPECT_EQ(board().sDate, QDate(2024, 5, 1));
    EXPECT_EQ(board().eDate, QDate(2024, 5, 31));
    EXPECT_EQ(board().sspMonth->text(), "2024년 5월");

    board().CalcDraw(QDate(2025, 3, 1));
    EXPECT_EQ(text(7, 1), "1");
    EXPECT_EQ(text(6, 1), "");
    board().CalcDraw(QDate(2024, 6, 15));
    EXPECT_EQ(todayMarks(), 0);
    EXPECT_EQ(board().sspDay->text(), "06.15(토)");
    EXPECT_EQ(board().sprCAL->Tag(), "2024-06-15");
}

TEST_F(MonthCalendar, GeometryEndsAtTheGridsEdge)
{
    open();
    SpreadGrid& g = *board().sprCAL;
    EXPECT_FALSE(g.DisplayRowHeaders());
    EXPECT_FALSE(g.DisplayColHeaders());
    EXPECT_DOUBLE_EQ(g.ColWidth(1), 41.625 * 15);
    EXPECT_DOUBLE_EQ(g.ColWidth(8), 41 * 15);
    EXPECT_DOUBLE_EQ(g.RowHeight(1), 200);
    EXPECT_DOUBLE_EQ(g.RowHeight(2), 42.8 * 15 - 200);
    // Each row is drawn a whole number of pixels high; together they end at H - 2w.
    int rows = 0;
    for (int row = 1; row <= g.MaxRows(); ++row)
        rows += TwipsToPixels(g.RowHeight(row));
    EXPECT_EQ(rows, 225 - 10);
    // The ring round today's cells: a column wide, a day and its counts high, hollow.
    QWidget* ring = board().picCalBorder;
    EXPECT_NEAR(ring->width(), 42, 1);
    EXPECT_NEAR(ring->height(), 43, 1);
    EXPECT_TRUE(ring->mask().contains(QPoint(1, ring->height() / 2)));
    EXPECT_FALSE(ring->mask().contains(QPoint(ring->width() / 2, ring->height() / 2)));
}

TEST_F(MonthCalendar, CountsOfTheMonthOnly)
{
    addBooking("2024-05-03 12:00", "", "가", "A1;2", 1, "", "T;2", 2);
    addBooking("2024-05-03 18:00", "", "나", "A2;3", 2, "", "T;3", 3);
    addBooking("2024-05-04 12:00", "", "다", "A1;2", 3, "", "T;0", 0);
    addBooking("2024-05-01 12:00", "", "라", "A1;2", 4, "", "T;4", 4);
    addBooking("2024-05-31 12:00", "", "마", "A1;2", 5, "", "T;5", 5);
    addBooking("2024-04-30 12:00", "", "바", "A1;2", 6, "", "T;6", 6);
    addBooking("2024-06-01 12:00", "", "사", "A1;2", 7, "", "T;7", 7);
    open();
    EXPECT_EQ(text(6, 2), "2-5");
    EXPECT_EQ(text(7, 2), "");
    EXPECT_EQ(text(4, 2), "1-4");
    EXPECT_EQ(text(6, 10), "1-5");
    EXPECT_EQ(text(3, 2), "");
    board().CalcDraw(QDate(2024, 6, 1));
    EXPECT_EQ(text(7, 2), "1-7");
}

TEST_F(MonthCalendar, PickingDaysWeeksAndBlanks)
{
    open();
    click(6, 2);
    EXPECT_EQ(board().sprCAL->Tag(), "2024-05-03");
    EXPECT_EQ(board().sspDay->tag(), "2024-05-03");
    EXPECT_EQ(board().sspDay->text(), "05.03(금)");
    EXPECT_EQ(board().mListDay[0], QDate(2024, 5, 3));
    EXPECT_EQ(board().mListDay[1], QDate(2024, 5, 3));
    EXPECT_EQ(board().sprGraph[0]->GetText(2, -1000), "07일 오전 - AM");

    click(1, 1);
    EXPECT_EQ(board().sprCAL->Tag(), "2024-05-03");

    click(8, 2);
    EXPECT_EQ(board().mListDay[0], QDate(2024, 5, 1));
    EXPECT_EQ(board().mListDay[1], QDate(2024, 5, 4));
    EXPECT_EQ(board().sprCAL->Tag(), "2024-05-01");

    click(8, 3);
    EXPECT_EQ(board().mListDay[0], QDate(2024, 5, 5));
    EXPECT_EQ(board().mListDay[1], QDate(2024, 5, 11));

    click(3, 3);
    EXPECT_EQ(board().sprCAL->Tag(), "2024-05-07");

    // The list view stays the list view.
    board().시간대_리스트_토글(1);
    click(6, 1);
    EXPECT_FALSE(board().picLayer[0]->isVisible());
    EXPECT_EQ(board().sprCAL->Tag(), "2024-05-03");
}

TEST_F(MonthCalendar, MonthCaptionGoesBackToTodayAndRedrawsTheDay)
{
    open();
    board().CalcDraw(QDate(2024, 8, 20));
    board().DrawShedule();
    QTest::mouseClick(board().sspMonth, Qt::LeftButton);
    EXPECT_EQ(board().sprCAL->Tag(), "2024-05-07");
    EXPECT_EQ(board().sspMonth->text(), "2024년 5월");
    EXPECT_EQ(text(3, 3), "7 오늘");
}

TEST_F(MonthCalendar, MissingCacheDrawsWithoutCounts)
{
    QFile::remove(program.file("VmrBooking.mdb"));
    open();
    EXPECT_EQ(text(3, 3), "7 오늘");
    EXPECT_TRUE(log().contains("E)frmB예약관리->Load_MonthData DB OPEN Error: '" + program.file("VmrBooking.mdb") + "'"));
}

} // namespace
