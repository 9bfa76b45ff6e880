#include "board/board_fixture.h"

#include "board/board_globals.h"
#include "board/booking_texts.h"
#include "server/server_globals.h"
#include "support/qt_printers.h"

namespace {

const OleColor kPink = VbRGB(255, 184, 189);
const OleColor kBookingLine = VbRGB(68, 114, 196);

class Timetable : public BoardTest
{
protected:
    // The board showing a day's timetable.
    frmB예약관리& draw(const QString& day = QStringLiteral("2024-05-07"))
    {
        frmB예약관리& board = load();
        board.currDate = QDate::fromString(day, "yyyy-MM-dd");
        board.sprCAL->SetTag(day);
        board.날짜라벨_표시(day);
        board.DrawShedule();
        return board;
    }
    static SpreadGrid& grid(frmB예약관리& board) { return *board.sprGraph[0]; }

    // The columns a booking's span covers on a row: first and count (0, 0 outside any span).
    static std::pair<int, int> span(frmB예약관리& board, int col, int row)
    {
        int c0 = 0, r0 = 0, cols = 0, rows = 0;
        if (!grid(board).GetCellSpan(col, row, &c0, &r0, &cols, &rows))
            return {0, 0};
        return {c0, cols};
    }
    static QString note(frmB예약관리& board, int col, int row)
    {
        const GridCell* cell = grid(board).CellAt(col, row);
        return cell ? cell->note : QString("<none>");
    }
    static OleColor back(frmB예약관리& board, int col, int row) { return grid(board).CellAt(col, row)->backColor; }
};

TEST_F(Timetable, TimeToColumnAndMinutesAdded)
{
    frmB예약관리& board = load();
    const struct {
        QString time;
        int roundUp;
        int column;
    } columns[] = {{"09:00", 0, 2}, {"09:00", 1, 2}, {"09:05", 0, 2}, {"09:05", 1, 3}, {"09:50", 1, 7},
                   {"9:00", 0, 0},  {"08:30", 0, 0}, {"14:25", 0, 34}, {"23:59", 1, 92}};
    for (const auto& c : columns)
        EXPECT_EQ(board.GetScheduleColumn(c.time, c.roundUp), c.column) << c.time.toStdString() << " " << c.roundUp;
    EXPECT_EQ(frmB예약관리::GetTimeAdd("23:30", 60), "00:30");
    EXPECT_EQ(frmB예약관리::GetTimeAdd("10:00", 90), "11:30");
    EXPECT_EQ(frmB예약관리::GetTimeAdd("9:30", 60), "");
    EXPECT_EQ(frmB예약관리::GetTimeAdd("ab:cd", 60), "");
}

TEST_F(Timetable, TodayAtTwentyFivePastTwo)
{
    frmB예약관리& board = draw();
    SpreadGrid& g = grid(board);
    EXPECT_EQ(g.MaxCols(), 79);
    EXPECT_EQ(g.MaxRows(), 4);
    EXPECT_EQ(g.GetText(1, -1000), "좌석");
    for (int hour = 9, col = 2; hour <= 21; ++hour, col += 6)
        EXPECT_EQ(g.GetText(col, -999), QString::number(hour));
    EXPECT_EQ(span(board, 2, -1000), std::make_pair(2, 18));
    EXPECT_EQ(g.GetText(2, -1000), "07일 오전 - AM");
    EXPECT_EQ(span(board, 20, -1000), std::make_pair(20, 60));
    EXPECT_EQ(g.GetText(20, -1000), "07일 오후 - PM");
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(back(board, 34, row), kPink);
        EXPECT_EQ(g.LeftEdge(34, row).color, kPink);
        EXPECT_EQ(back(board, 33, row), kNoColor);
        EXPECT_EQ(g.LeftEdge(32, row).color, VbRGB(166, 220, 221));
        EXPECT_EQ(g.LeftEdge(33, row).color, VbRGB(250, 250, 250));
    }
    EXPECT_EQ(g.GetText(1, 3), "B1");
    EXPECT_EQ(back(board, 32, -999), kPink);
    EXPECT_EQ(g.LeftCol(), 20);
}

TEST_F(Timetable, EarlyMorningAndAnotherDay)
{
    clock->set(QDateTime(QDate(2024, 5, 7), QTime(9, 5)));
    frmB예약관리& board = draw();
    EXPECT_EQ(grid(board).LeftEdge(2, 1).color, VbRGB(255, 0, 0));
    EXPECT_EQ(back(board, 2, 1), kNoColor);
    EXPECT_EQ(grid(board).LeftCol(), 1);

    clock->set(QDateTime(QDate(2024, 5, 7), QTime(14, 25)));
    draw("2024-05-08");
    EXPECT_EQ(back(board, 34, 2), kPink);
    EXPECT_EQ(grid(board).LeftCol(), 1);
}

TEST_F(Timetable, OddShopsStillGetAGridAndTheirBookings)
{
    setTables({});
    addBooking("2024-05-07 10:00", "", "김철수", "A1;2", 1);
    frmB예약관리& board = draw();
    EXPECT_EQ(grid(board).MaxRows(), 0);
    EXPECT_EQ(grid(board).RowHeight(-999), 20 * 15);

    gSchHour = {13, 22};
    setTables({"A1"});
    draw();
    EXPECT_EQ(span(board, 2, -1000), std::make_pair(2, 54));
    EXPECT_EQ(grid(board).GetText(2, -1000), "07일 오후 - PM");

    for (const auto& hours : {std::array<int, 2>{9, 9}, std::array<int, 2>{12, 10}, std::array<int, 2>{9, 10}}) {
        gSchHour = hours;
        draw();
        EXPECT_GE(grid(board).MaxCols(), 1);
        EXPECT_EQ(grid(board).GetText(1, 1), "A1");
        EXPECT_TRUE(grid(board).ReDraw());
    }
}

TEST_F(Timetable, UnreadableCacheLogsItsQuery)
{
    hideTable("VmrBooking.mdb", "예약");
    frmB예약관리& board = draw();
    EXPECT_FALSE(board.Load_DayData("2024-05-07"));
    EXPECT_TRUE(log().contains("E)frmB예약관리->Load_DayData RS OPEN Error: \r\n"
                               "SELECT * FROM 예약 WHERE 방문일 = #2024-05-07# OR (방문일 = #2024-05-06# AND 종료일시 > '2024-05-07')"
                               " ORDER BY 예약일시"));
    board.sDate = QDate(2024, 5, 1);
    board.eDate = QDate(2024, 5, 31);
    EXPECT_FALSE(board.Load_MonthData());
    EXPECT_TRUE(log().contains("E)frmB예약관리->Load_MonthData RS OPEN Error: \r\n"
                               "SELECT 방문일, Count(방문일) AS CNT, Sum(인원N) AS Person  FROM 예약"
                               " WHERE 방문일 BETWEEN #2024-05-01# AND #2024-05-31# GROUP BY 방문일"));
}

TEST_F(Timetable, ColumnWidthsByScaleAndRowHeights)
{
    frmB예약관리& board = draw();
    const struct {
        int scale, width, timeCol, tableCol;
    } cases[] = {{1, 646, 6, 81}, {0, 646, 14, 100}, {1, 1000, 10, 123}, {2, 646, 6, 81}};
    for (const auto& c : cases) {
        gSchScaleKind = c.scale;
        grid(board).resize(c.width, 599);
        board.DrawShedule();
        EXPECT_EQ(grid(board).ColWidth(2), c.timeCol * 15) << c.scale << " " << c.width;
        EXPECT_EQ(grid(board).ColWidth(1), c.tableCol * 15) << c.scale << " " << c.width;
    }
    QStringList ten, thirty;
    for (int i = 1; i <= 30; ++i)
        (i <= 10 ? ten : thirty).append(QString("T%1").arg(i));
    thirty = ten + thirty;
    setTables(ten);
    board.DrawShedule();
    EXPECT_EQ(grid(board).RowHeight(1), 52 * 15);
    setTables(thirty);
    board.DrawShedule();
    EXPECT_EQ(grid(board).RowHeight(30), 26 * 15);
}

TEST_F(Timetable, BookingSpansNotesColoursAndLines)
{
    addBooking("2024-05-07 10:00", "2024-05-07 11:00", "김철수", "A1;2", 123, "", "M;2;F;3");
    addBooking("2024-05-07 12:05", "2024-05-07 13:05", "이영희", "A2;4;B2;3", 124, "동창회");
    addBooking("2024-05-08 10:00", "2024-05-08 11:00", "내일", "A1;2", 125);
    frmB예약관리& board = draw();
    SpreadGrid& g = grid(board);
    EXPECT_EQ(span(board, 8, 1), std::make_pair(8, 6));
    EXPECT_EQ(g.GetText(8, 1), "김철수");
    EXPECT_EQ(back(board, 8, 1), OleColor(VbRGB(255, 243, 215)));
    EXPECT_EQ(g.LeftEdge(14, 1).color, kBookingLine);
    EXPECT_EQ(g.TopEdge(8, 2).color, kBookingLine);
    EXPECT_EQ(note(board, 13, 1), "\r\n　10:00\r\n　김철수\r\n　\r\n　010-9876-5432\r\n　A1\r\n　2 / 3\r\n　창가 자리\r\n   [123]\r\n");
    EXPECT_EQ(note(board, 14, 1), "");
    EXPECT_EQ(BookingNoteNumber(note(board, 8, 1)), 123);

    // 12:05 to 13:05 covers 12:00 to 13:10 on both tables, on the second colour.
    for (int row : {2, 4}) {
        EXPECT_EQ(span(board, 20, row), std::make_pair(20, 7));
        EXPECT_EQ(g.GetText(20, row), "동창회");
        EXPECT_EQ(back(board, 20, row), OleColor(VbRGB(255, 215, 253)));
        EXPECT_TRUE(note(board, 26, row).contains("\r\n　A2, B2\r\n"));
    }
}

TEST_F(Timetable, EndsOverlapsAndOddRows)
{
    gRequireTime = 90;
    addBooking("2024-05-07 10:00", "", "기본길이", "A1;2", 1);
    addBooking("2024-05-07 10:00", "2024-05-07 12:00", "앞예약", "A2;2", 2);
    addBooking("2024-05-07 11:00", "2024-05-07 12:00", "뒤예약", "A2;2", 3);
    addBooking("2024-05-07 21:00", "2024-05-07 22:00", "네명", "B1;4", 4, "", "T;4");
    addBooking("2024-05-07 15:00", "2024-05-07 14:00", "거꾸로", "B2", 5);
    addBooking("2024-05-07 17:00", "2024-05-08 01:00", "자정넘어", "B2;2", 6);
    addBooking("2024-05-07 19:00", "", "이름\r\n둘", "A1;2;B1", 7);
    frmB예약관리& board = draw();
    SpreadGrid& g = grid(board);
    EXPECT_EQ(span(board, 8, 1), std::make_pair(8, 9));
    EXPECT_EQ(span(board, 8, 2), std::make_pair(8, 6));
    EXPECT_EQ(span(board, 14, 2), std::make_pair(14, 6));
    EXPECT_EQ(span(board, 74, 3), std::make_pair(74, 6));
    EXPECT_EQ(g.GetText(38, 4), "거꾸로");
    EXPECT_EQ(BookingNoteNumber(note(board, 38, 4)), 5);
    EXPECT_EQ(span(board, 50, 4), std::make_pair(50, 30));
    for (int row : {1, 3}) {
        EXPECT_TRUE(note(board, 62, row).contains("\r\n　이름 둘\r\n"));
        EXPECT_EQ(BookingNoteNumber(note(board, 62, row)), 7);
    }
}

// Stays across midnight on 2024-05-07, each on a table of its own: the columns they cover on the
// day's grid for the shop's hours.
TEST_F(Timetable, StaysAcrossMidnight)
{
    struct Case {
        const char* label;
        std::array<int, 2> hours;
        QString start;
        QString end;
        std::pair<int, int> span; // first column and count; (0, 0) for nothing drawn
    };
    const QList<Case> cases{
        {"ends the next day", {9, 22}, "2024-05-07 21:30", "2024-05-08 00:30", {77, 3}},
        {"from the evening before", {0, 24}, "2024-05-06 22:00", "2024-05-07 01:00", {2, 6}},
        {"the evening before's end before the first hour", {9, 22}, "2024-05-06 22:00", "2024-05-07 01:00", {0, 0}},
        {"the evening before's end at midnight", {0, 24}, "2024-05-06 22:00", "2024-05-07 00:00", {0, 0}},
        {"through the whole day", {9, 22}, "2024-05-06 23:00", "2024-05-08 01:00", {2, 78}},
        {"the evening before alone", {0, 24}, "2024-05-06 20:00", "2024-05-06 23:00", {0, 0}},
    };
    QStringList tables;
    for (int i = 0; i < cases.size(); ++i) {
        tables.append(QString("T%1").arg(i + 1));
        addBooking(cases[i].start, cases[i].end, "심야", tables.last() + ";2", 300 + i);
    }
    setTables(tables);
    frmB예약관리& board = load();
    for (int i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        gSchHour = c.hours;
        draw();
        const int row = i + 1;
        ASSERT_EQ(grid(board).GetText(1, row), tables[i]) << c.label;
        if (c.span.second == 0) {
            for (int col = 2; col <= grid(board).MaxCols(); ++col)
                ASSERT_EQ(note(board, col, row), "") << c.label << " column " << col;
            continue;
        }
        EXPECT_EQ(span(board, c.span.first, row), c.span) << c.label;
        EXPECT_EQ(grid(board).GetText(c.span.first, row), "심야") << c.label;
        EXPECT_EQ(BookingNoteNumber(note(board, c.span.first + c.span.second - 1, row)), 300 + i) << c.label;
        EXPECT_TRUE(note(board, c.span.first, row).startsWith("\r\n　" + c.start.mid(11) + "\r\n")) << c.label;
    }
}

TEST_F(Timetable, LateBookingsAndColoursCycle)
{
    addBooking("2024-05-07 23:00", "", "늦은예약", "A1;1", 1);
    addBooking("2024-05-07 08:00", "2024-05-07 09:30", "이른예약", "B1;1", 2);
    // Sixteen bookings ten minutes apart; the first is on a table that is gone but still counts.
    for (int i = 0; i < 16; ++i)
        addBooking("2024-05-07 " + QTime(9, 1).addSecs(600 * i).toString("HH:mm"), "", QString("손님%1").arg(i),
                   i == 0 ? "없는좌석;2" : "A2;2", 100 + i);
    frmB예약관리& board = draw();
    EXPECT_EQ(grid(board).MaxCols(), 79);
    EXPECT_EQ(grid(board).GetText(1, 1), "A1");
    EXPECT_EQ(grid(board).GetText(2, 3), "이른예약");
    EXPECT_EQ(span(board, 2, 3), std::make_pair(2, 3));
    EXPECT_EQ(back(board, 17, 2), OleColor(VbRGB(255, 215, 253)));
}

TEST_F(Timetable, NamesBoldOnAWideBoard)
{
    addBooking("2024-05-07 10:00", "2024-05-07 11:00", "김철수", "A1;2", 1);
    frmB예약관리& board = draw();
    EXPECT_EQ(grid(board).CellAt(8, 1)->fontSize, 8);
    EXPECT_FALSE(grid(board).CellAt(8, 1)->fontBold);
    board.resize(1024, 654);
    board.DrawShedule();
    EXPECT_EQ(grid(board).CellAt(8, 1)->fontSize, 11);
    EXPECT_TRUE(grid(board).CellAt(8, 1)->fontBold);
}

TEST(BookingTexts, TablesAndParties)
{
    EXPECT_EQ(BookingTablesText("A1"), "A1");
    EXPECT_EQ(BookingTablesText("A1;4;A2;2"), "A1, A2");
    EXPECT_EQ(BookingTablesText("A1;2;B1"), "A1, B1");
    EXPECT_EQ(BookingTablesText(";4;A2;2"), ", A2"); // an empty name keeps its place
    const std::pair<QString, QString> parties[] = {{"T;4", "4"}, {"M;2;F;3", "2 / 3"}, {"B;2;S;1", "2 / 1"},
                                                   {"5", "5"},   {"M;2;F", ""},         {"", ""}};
    for (const auto& [code, text] : parties)
        EXPECT_EQ(BookingPartyText(code), text) << code.toStdString();
}

} // namespace
