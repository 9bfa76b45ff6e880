#include "board/board_fixture.h"

#include "board/booking_list.h"
#include "core/log.h"
#include "support/log_entries.h"
#include "support/qt_printers.h"

#include <QTest>
#include <QTimer>

namespace {

using Fields = QList<std::pair<QString, QString>>;

// One record as the backend writes it: " name[value]name " per field.
QString record(const Fields& fields)
{
    QString text;
    for (const auto& [name, value] : fields)
        text += " " + name + "[" + value + "]" + name + " ";
    return text;
}

QString answer(const QString& counters, const QList<Fields>& records)
{
    QString text = counters;
    for (const Fields& r : records)
        text += "<menubrrs>" + record(r);
    return text;
}

Fields booking(const QString& num, const QString& state, const QString& name, const QString& phone,
               const QString& table = "A1;2", const QString& day = "2024-05-07", const QString& time = "18:00")
{
    return {{"num", num},          {"regdatess", day},    {"regdatess3", time}, {"requestname", name},
            {"requestoz", ""},     {"phone", phone},      {"table", table},     {"memo", "창가"},
            {"menu", ""},          {"zzim_APP", "웹주문"}, {"zzim_managername", "김민준"},
            {"YN", state},         {"personcount", "<persontype>0</persontype><totalcount>4</totalcount>"}};
}

Fields with(Fields fields, const QString& name, const QString& value)
{
    for (auto& [n, v] : fields)
        if (n == name)
            v = value;
    return fields;
}

const QString kCounters = "allcount[1024]allcount scount[3]scount ycount[900]ycount ncount[1]ncount "
                          "editcount[0]editcount xcount[100]xcount fcount[20]fcount ";

TEST(BookingListReader, RecordsToCells)
{
    const Fields base = booking("501", "Y", "김철수", "010-1234-5678");
    const struct {
        Fields fields;
        int col;
        QString shown;
    } cases[] = {
        {base, 1, "501"},
        {base, 2, "05.07 18:00"},
        {with(base, "regdatess3", "9:05"), 2, "05.07 09:05"},
        {with(base, "regdatess", "어제"), 2, ""},
        {base, 5, "1234-5678"},
        {with(base, "phone", "02-3141-5926"), 5, "02-3141-5926"},
        {base, 12, "010-1234-5678"},
        {with(base, "table", "A 1;2;B2;3"), 7, "A1 B2"},
        {with(base, "table", ""), 7, ""},
        {base, 15, "A1;2"},
        {base, 8, "4"},
        {with(base, "personcount", "<persontype>0</persontype><totalcount>0</totalcount>"), 8, ""},
        {with(base, "personcount", "<persontype>1</persontype><sexmale>2</sexmale><sexfemale></sexfemale>"), 8, "2 / 0"},
        {with(base, "personcount", "<persontype>2</persontype><big>3</big><small>1</small>"), 8, "3 / 1"},
        {with(base, "personcount", "<persontype>7</persontype>"), 8, ""},
        {base, 6, "웹"},
        {with(base, "zzim_APP", "앱주문"), 6, "앱"},
        {with(base, "zzim_APP", "수기입력"), 6, "수기"},
        {with(base, "zzim_APP", "전화"), 6, "전화"},
        {with(base, "menu", "점심 특선<menuliner>"), 9, ""},
        {with(base, "menu", "점심 특선"), 9, "점심 특선"},
        {with(base, "requestoz", "%EB%8F%99%EC%B0%BD%ED%9A%8C"), 4, "동창회"},
        {with(base, "requestoz", "동창회"), 4, "동창회"},
        {base, 10, "확정"},
        {with(base, "YN", "S"), 10, "대기"},
        {with(base, "YN", "N"), 10, "거절"},
        {with(base, "YN", "X"), 10, "취소"},
        {with(base, "YN", "noshow"), 10, "노쇼"},
        {with(base, "YN", "finish"), 10, "완료"},
        {with(base, "YN", "?"), 10, ""},
        {base, 11, "2024-05-07 18:00"},
        {base, 13, "김민준"},
        {base, 14, "창가"},
    };
    for (const auto& c : cases) {
        const BookingList list = ReadBookingList(answer(kCounters, {c.fields}), false, QString());
        ASSERT_EQ(list.rows.size(), 1);
        EXPECT_EQ(list.rows[0].cells[c.col], c.shown) << c.col << " " << record(c.fields).toStdString();
    }
    // A record that lacks a field shows it empty, never the previous record's value.
    Fields bare = {{"num", "502"}, {"YN", "S"}};
    const BookingList two = ReadBookingList(answer(kCounters, {base, bare}), false, QString());
    ASSERT_EQ(two.rows.size(), 2);
    EXPECT_EQ(two.rows[1].cells[12], "");
    EXPECT_EQ(two.rows[1].cells[3], "");
}

TEST(BookingListReader, LooksByState)
{
    const Fields base = booking("1", "Y", "가", "010-1111-2222");
    const std::pair<Fields, BookingListRow::Look> looks[] = {
        {with(base, "YN", "X"), BookingListRow::Cancelled},
        {with(base, "YN", "noshow"), BookingListRow::NoShow},
        {with(with(base, "YN", "S"), "table", ""), BookingListRow::NoTable},
        {base, BookingListRow::Plain},
    };
    for (const auto& [fields, look] : looks)
        EXPECT_EQ(ReadBookingList(answer("", {fields}), false, "").rows[0].look, look);
}

TEST(BookingListReader, SearchOverAllDaysFiltersAndLowersTheCounts)
{
    const QList<Fields> records{
        booking("1", "S", "김철수", "010-1234-5678"),
        booking("2", "S", "이영희", "010-9999-0000"),
        booking("3", "S", "박1234", "02-555-0000"),
        booking("4", "noshow", "최민수", "010-8888-7777"),
        booking("5", "Y", "", ""),
        booking("6", "?", "정", "010-5555-4444"),
    };
    const QString counters = "allcount[6]allcount scount[3]scount ycount[1]ycount ncount[0]ncount "
                             "editcount[0]editcount xcount[0]xcount fcount[0]fcount ";
    const BookingList found = ReadBookingList(answer(counters, records), true, "1234");
    QStringList numbers;
    for (const BookingListRow& row : found.rows)
        numbers << row.cells[1];
    EXPECT_EQ(numbers, QStringList({"1", "3"}));
    EXPECT_EQ(found.counts, (BookingCounts{4, 2, 0, 0, 0, 0, 0}));

    EXPECT_TRUE(ReadBookingList(answer(counters, records), true, "010").rows.isEmpty());
    // The whole number, with or without its hyphens, finds its booking.
    const struct {
        QString search;
        QStringList found;
    } whole[] = {{"01088887777", {"4"}}, {"010-8888-7777", {"4"}}, {" 010-9999-0000 ", {"2"}}, {"025550000", {"3"}},
                 {"0108888777", {}}};
    for (const auto& w : whole) {
        QStringList found;
        for (const BookingListRow& row : ReadBookingList(answer(counters, records), true, w.search).rows)
            found << row.cells[1];
        EXPECT_EQ(found, w.found) << w.search.toStdString();
    }
    const BookingList all = ReadBookingList(answer(counters, records), true, "");
    EXPECT_EQ(all.rows.size(), 5);
    EXPECT_EQ(all.counts[2], 0);
    const BookingList none = ReadBookingList(answer("", records), true, "없음");
    EXPECT_EQ(none.counts, (BookingCounts{0, 0, 0, 0, 0, 0, 0}));
}

TEST(BookingListReader, StatusLineAndOddAnswers)
{
    EXPECT_EQ(ReadBookingList(kCounters, false, "").statusLine(),
              "전체: 1,024, 대기: 3, 확정: 900, 거절: 1, 수정: 0, 취소: 100, 완료: 20");
    const BookingList empty = ReadBookingList("", false, "");
    EXPECT_TRUE(empty.rows.isEmpty());
    EXPECT_EQ(empty.statusLine(), "전체: 0, 대기: 0, 확정: 0, 거절: 0, 수정: 0, 취소: 0, 완료: 0");
    EXPECT_TRUE(ReadBookingList(kCounters + record(booking("1", "Y", "a", "b")), false, "").rows.isEmpty());
}

// Across a year's end the January booking follows the December ones; a record without a valid
// visit comes first.
TEST(BookingListReader, FilledSortedByVisitWithTheFirstRowActive)
{
    SpreadGrid grid;
    grid.SetMaxCols(15);
    const QList<Fields> records{
        booking("1", "Y", "가", "", "A1;2", "2024-12-30", "18:00"),
        booking("2", "X", "나", "", "A1;2", "2025-01-02", "12:00"),
        booking("3", "noshow", "다", "", "", "2024-12-30", "11:00"),
        booking("4", "Y", "라", "", "A1;2", "2024-12-30", "9:30"),
        booking("5", "Y", "마", "", "A1;2", "", ""),
    };
    FillBookingList(grid, ReadBookingList(answer("", records), false, ""), 15);
    EXPECT_EQ(grid.MaxRows(), 5);
    QStringList numbers;
    for (int row = 1; row <= grid.MaxRows(); ++row)
        numbers << grid.GetText(1, row);
    EXPECT_EQ(numbers, QStringList({"5", "4", "3", "1", "2"}));
    EXPECT_EQ(grid.GetText(2, 5), "01.02 12:00");
    EXPECT_EQ(grid.ActiveRow(), 1);
    EXPECT_EQ(grid.ActiveCol(), 3);
    EXPECT_EQ(grid.RowHeight(2), 35 * 15);
    const struct {
        int row;
        OleColor fore;
        bool italic;
    } looks[] = {{5, OleColor(VbRGB(170, 170, 170)), true}, {3, OleColor(VbRGB(255, 0, 255)), true}, {4, 0, false}};
    for (const auto& l : looks) {
        for (int col : {2, 10}) {
            EXPECT_EQ(grid.CellAt(col, l.row)->foreColor, l.fore) << l.row;
            EXPECT_EQ(grid.CellAt(col, l.row)->fontItalic, l.italic) << l.row;
        }
    }
    FillBookingList(grid, ReadBookingList("", false, ""), 15);
    EXPECT_EQ(grid.MaxRows(), 0);
}

class BookingSearch : public BoardTest
{
};

TEST_F(BookingSearch, BodiesLogLinesAndTheStatusLine)
{
    frmB예약관리& board = open();
    const QList<StandinRequest> first = backend->requestsTo("/vbPHP/zzimorderload.php");
    ASSERT_EQ(first.size(), 1);
    const QString account = "ID=" + backend.shopId() + "&PassWord=" + backend.shopPassword();
    EXPECT_EQ(first[0].body, account + "&day=2024-05-07&day2=2024-05-07&noshowt=N&select=all");
    const QStringList lines = LogEntries("_WinHttp").filter("예약_검색() ... ");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "예약_검색() ... " + backend->baseUrl() + "/vbPHP/zzimorderload.php?" + first[0].body);
    EXPECT_TRUE(lines[1].startsWith("예약_검색() ... ResponseStr:\r\n"));
    EXPECT_TRUE(board.lb건수->text().startsWith("전체: "));

    backend->script("/vbPHP/zzimorderload.php",
                    StandinReply::text(answer(kCounters, {booking("7", "Y", "홍길동", "010-2222-3333")})));
    board.txt검색->setText("길동");
    board.activateWindow();
    board.txt검색->setFocus();
    QTest::keyClick(board.txt검색, Qt::Key_Return);
    const QList<StandinRequest> all = backend->requestsTo("/vbPHP/zzimorderload.php");
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all[1].body, account + "&day=all&day2=all&noshowt=Y&select=all");
    EXPECT_EQ(board.SPR[0]->MaxRows(), 1);
    EXPECT_EQ(board.SPR[0]->GetText(3, 1), "홍길동");
    EXPECT_EQ(board.lb건수->text(), "전체: 1,024, 대기: 3, 확정: 900, 거절: 1, 수정: 0, 취소: 100, 완료: 20");
    EXPECT_EQ(board.txt검색->text(), "");
    EXPECT_FALSE(board.picWait->isVisible());
}

TEST_F(BookingSearch, AStaleAnswerIsDropped)
{
    frmB예약관리& board = open();
    backend->scriptSequence("/vbPHP/zzimorderload.php",
                            {StandinReply::text(answer("allcount[9]allcount", {booking("1", "Y", "느린답", "")})).after(400),
                             StandinReply::text(answer("allcount[2]allcount", {booking("2", "Y", "새답", ""), booking("3", "S", "새답2", "")}))});
    QTimer::singleShot(100, &board, [&board] { board.예약_검색(false); });
    board.예약_검색(false);
    EXPECT_EQ(board.SPR[0]->MaxRows(), 2);
    EXPECT_EQ(board.SPR[0]->GetText(3, 1), "새답");
    EXPECT_TRUE(board.lb건수->text().startsWith("전체: 2,"));
}

} // namespace
