#include "board/board_fixture.h"

#include "board/fake_windows.h"
#include "core/date_time.h"
#include "support/qt_printers.h"

#include <QTest>

namespace {

class TimetableClicks : public BoardTest
{
protected:
    TimetableClicks() { clock->set(QDateTime(QDate(2024, 5, 7), QTime(9, 0))); }

    frmB예약관리& board() { return Form<frmB예약관리>(); }
    SpreadGrid& graph() { return *board().sprGraph[0]; }
    QPoint centre(int col, int row)
    {
        int x = 0, y = 0, w = 0, h = 0;
        EXPECT_TRUE(graph().GetCellPos(col, row, &x, &y, &w, &h)) << col << "," << row;
        return {(x + w / 2) / 15, (y + h / 2) / 15};
    }
    void click(int col, int row) { QTest::mouseClick(graph().viewport(), Qt::LeftButton, {}, centre(col, row)); }
    void hover(int col, int row)
    {
        const QPoint p = centre(col, row);
        board().sprGraph_MouseMove(0, 0, p.x() * 15, p.y() * 15);
    }

    FakeEntryWindows entry;
};

TEST_F(TimetableClicks, FreeCellsOpenANewBooking)
{
    open();
    click(2, 1);
    click(13, 2);
    board().txtA[1]->setText("010-1234-5678");
    click(14, 4);
    ASSERT_EQ(entry.openings.size(), 3);
    const EntryOpening& first = entry.openings[0];
    EXPECT_EQ(first.mode, 0);
    EXPECT_EQ(first.bkNum, "");
    EXPECT_EQ(first.phone, "");
    EXPECT_EQ(first.when, "2024-05-07 09:00:00");
    EXPECT_EQ(first.seat, "A1");
    EXPECT_TRUE(first.veiled);
    EXPECT_EQ(entry.openings[1].when, "2024-05-07 10:50:00");
    EXPECT_EQ(entry.openings[1].seat, "A2");
    EXPECT_EQ(entry.openings[2].when, "2024-05-07 11:00:00");
    EXPECT_EQ(entry.openings[2].phone, "01012345678");
    EXPECT_TRUE(board().picShadow->isHidden());
    EXPECT_FALSE(board().m_EventPrevent);
}

TEST_F(TimetableClicks, BookedCellsOpenTheirBooking)
{
    addBooking("2024-05-07 10:00", "2024-05-07 11:00", "김철수", "A1;2", 123);
    addBooking("2024-05-07 12:00", "2024-05-07 13:00", "새손님", "B1;2", -1);
    open();
    click(12, 1);
    click(20, 3);
    ASSERT_EQ(entry.openings.size(), 2);
    EXPECT_EQ(entry.openings[0].mode, 1);
    EXPECT_EQ(entry.openings[0].bkNum, "123");
    EXPECT_EQ(entry.openings[0].phone, "01098765432");
    EXPECT_EQ(entry.openings[0].when, "");
    EXPECT_EQ(entry.openings[0].seat, "");
    EXPECT_EQ(entry.openings[1].bkNum, "-1");
}

TEST_F(TimetableClicks, HeadersAndTableNamesOpenNothing)
{
    open();
    for (const auto& [col, row] : {std::pair{1, 1}, std::pair{5, -999}, std::pair{5, -1000}})
        board().sprGraph_Click(col, row);
    click(1, 2);
    board().sprGraph_Click(80, 1);
    board().sprGraph_Click(3, 5);
    EXPECT_TRUE(entry.openings.isEmpty());
    EXPECT_TRUE(board().picShadow->isHidden());
    EXPECT_FALSE(board().m_EventPrevent);
}

TEST_F(TimetableClicks, TheBoardIsRedrawnAfterTheEntryWindow)
{
    open();
    const int searches = backend->requestsTo("/vbPHP/zzimorderload.php").size();
    entry.whileOpen = [this] {
        addBooking("2024-05-07 10:00", "2024-05-07 11:00", "방금예약", "A2;2", 900, "", "T;3", 3);
        EXPECT_TRUE(board().m_EventPrevent);
    };
    click(8, 2);
    EXPECT_EQ(graph().GetText(8, 2), "방금예약");
    EXPECT_EQ(board().sprCAL->GetText(3, 4), "1-3");
    EXPECT_EQ(backend->requestsTo("/vbPHP/zzimorderload.php").size(), searches + 1);
}

TEST_F(TimetableClicks, WithoutAnEntryWindowTheBoardStillRefreshes)
{
    RegisterFormFactory(kReservationEntryForm, nullptr);
    open();
    board().sprGraph_Click(3, 1);
    EXPECT_TRUE(board().picShadow->isHidden());
    EXPECT_FALSE(board().m_EventPrevent);
}

TEST_F(TimetableClicks, HoverPanelTipAndCloseTimer)
{
    addBooking("2024-05-07 10:00", "2024-05-07 11:00", "김철수", "A1;2", 123);
    open();
    hover(5, 2);
    EXPECT_TRUE(board().picDummy->isVisible());
    EXPECT_EQ(board().picDummy->text(), "A2\n09:30:00");
    const QPoint p = centre(5, 2);
    EXPECT_EQ(board().picDummy->pos(), graph().pos() + board().picLayer[0]->pos() + p + QPoint(5, 5));

    hover(9, 1);
    EXPECT_FALSE(board().picDummy->isVisible());
    int multiLine = 0, width = 1000;
    QString text;
    bool show = false;
    board().sprGraph_TextTipFetch(9, 1, multiLine, width, text, show);
    EXPECT_TRUE(show);
    EXPECT_EQ(multiLine, 2);
    EXPECT_EQ(width, 1150);
    EXPECT_TRUE(text.contains("   [123]"));
    show = false;
    text.clear();
    board().sprGraph_TextTipFetch(5, 2, multiLine, width, text, show);
    EXPECT_FALSE(show);
    EXPECT_EQ(text, "");

    hover(5, 2);
    clock->advance(1000);
    board().Close_Timer();
    EXPECT_TRUE(board().picDummy->isVisible());
    clock->advance(1);
    board().Close_Timer();
    EXPECT_FALSE(board().picDummy->isVisible());

    // No hover while a click runs.
    board().m_EventPrevent = true;
    hover(5, 2);
    EXPECT_FALSE(board().picDummy->isVisible());
    board().m_EventPrevent = false;
}

TEST_F(TimetableClicks, ThePhoneBoxBlinksUntilItsDeadline)
{
    frmB예약관리& b = open();
    b.m_Blink_TickCount = GetTickCountMS() + 7000;
    b.Blink->start();
    QList<bool> shown;
    while (b.Blink->isActive() && shown.size() < 40) {
        clock->advance(500);
        b.Blink_Timer();
        shown << !b.txtA[1]->isHidden();
    }
    ASSERT_EQ(shown.size(), 15);
    for (int i = 1; i < 14; ++i)
        EXPECT_NE(shown[i], shown[i - 1]) << i;
    EXPECT_TRUE(shown.last());

    b.m_Blink_TickCount = GetTickCountMS() - 1;
    b.Blink->start();
    b.Blink_Timer();
    EXPECT_FALSE(b.Blink->isActive());
    EXPECT_FALSE(b.txtA[1]->isHidden());
}

} // namespace
