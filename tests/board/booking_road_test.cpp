#include "board/board_fixture.h"

#include "booking/entry_window.h"
#include "core/screen_values.h"
#include "core/date_time.h"
#include "platform/panel_button.h"
#include "platform/placeholder_box.h"
#include "platform/spread_grid.h"
#include "server/server_globals.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

// The booking road as a user walks it: a free timetable cell opens the real entry window, the
// save reaches the stand-in and the cache, and the board's lists and timetable show the result.

namespace {

const QString kMemberPhone = "01054787890";

class BookingRoad : public BoardTest
{
protected:
    BookingRoad()
    {
        clock->set(QDateTime(QDate(2024, 5, 7), QTime(9, 0)));
        gStaff = {"김민준", "이서연"};
        gStaffCount = int(gStaff.size());
        gPersonType = "0";
        RegisterFormFactory(frmB예약_등록B::FormName(), [] { return new frmB예약_등록B(); });
    }

    frmB예약관리& board() { return Form<frmB예약관리>(); }
    frmB예약_등록B& entry() { return Form<frmB예약_등록B>(); }
    SpreadGrid& graph() { return *board().sprGraph[0]; }
    QPoint centre(int col, int row)
    {
        int x = 0, y = 0, w = 0, h = 0;
        EXPECT_TRUE(graph().GetCellPos(col, row, &x, &y, &w, &h)) << col << "," << row;
        return {(x + w / 2) / 15, (y + h / 2) / 15};
    }
    // Clicks a timetable cell; once the entry window is up, runs the step in it.
    void clickWith(int col, int row, const std::function<void(frmB예약_등록B&)>& step)
    {
        const auto activated = [this] { return log().filter("[frmB예약_등록B→Form_Activate] End").size(); };
        const qsizetype before = activated();
        bool ran = false;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            const QWidget* shown = FormByName(frmB예약_등록B::FormName());
            if (ran || !shown || !shown->isVisible() || activated() == before)
                return;
            ran = true;
            poll.stop();
            frmB예약_등록B& w = entry();
            step(w);
            if (w.isVisible())
                QTest::mouseClick(w.lblTerminate, Qt::LeftButton);
        });
        poll.start();
        QTest::mouseClick(graph().viewport(), Qt::LeftButton, {}, centre(col, row));
        EXPECT_TRUE(ran);
    }
    QStringList listColumn(int col)
    {
        QStringList cells;
        for (int r = 1; r <= board().SPR[0]->MaxRows(); ++r)
            cells.append(board().SPR[0]->GetText(col, r));
        return cells;
    }
};

TEST_F(BookingRoad, BookEditAndCancelFromTheTimetable)
{
    open();
    board().txtA[1]->setText(kMemberPhone);
    // 16:00 at A1: a new booking for the member.
    clickWith(44, 1, [](frmB예약_등록B& w) {
        EXPECT_EQ(w.m_ModeA, 0);
        EXPECT_EQ(w.txt성함Box->text(), "한주원");
        w.txt인원_총인원Box->setText("3");
        QTest::mouseClick(w.CMD[4], Qt::LeftButton);
        EXPECT_TRUE(w.isHidden());
    });
    const StandinRecord stored = backend.shop().reservations.last();
    EXPECT_EQ(stored.value("regdatess"), "2024-05-07");
    EXPECT_EQ(stored.value("regdatess3"), "16:00");
    EXPECT_EQ(stored.value("table"), "A1;1");
    EXPECT_EQ(graph().GetText(44, 1), "한주원");
    EXPECT_EQ(board().SPR[0]->MaxRows(), 1);
    EXPECT_TRUE(board().picShadow->isHidden());
    EXPECT_FALSE(board().m_EventPrevent);

    // A click on the booking opens it for editing; a new group name is saved.
    clickWith(45, 1, [&](frmB예약_등록B& w) {
        EXPECT_EQ(w.m_ModeA, 1);
        EXPECT_EQ(w.m_CurBkNumT, stored.value("num"));
        w.txt모임명Box->setText("회식");
        QTest::mouseClick(w.CMD[4], Qt::LeftButton);
        EXPECT_TRUE(w.isHidden());
    });
    EXPECT_EQ(backend.shop().reservations.last().value("requestoz"), "회식");
    EXPECT_TRUE(graph().CellNote().contains("회식") || graph().CellAt(44, 1)->note.contains("회식"));

    // Cancel: the booking leaves the timetable and the cell books again.
    clickWith(44, 1, [&](frmB예약_등록B& w) {
        EXPECT_EQ(w.m_CurBkNumT, stored.value("num"));
        QTest::mouseClick(w.CMD2[1], Qt::LeftButton);
        EXPECT_TRUE(w.isHidden());
    });
    EXPECT_EQ(backend.shop().reservations.last().value("YN"), "X");
    EXPECT_TRUE(graph().CellAt(44, 1)->note.isEmpty());
    EXPECT_NE(graph().GetText(44, 1), "한주원");
}

TEST_F(BookingRoad, ANewCustomerIsRegisteredAndFoundAgain)
{
    open();
    board().txtA[1]->setText("010-7777-6666");
    // 18:00 at B1, for a number the shop does not know.
    clickWith(56, 3, [](frmB예약_등록B& w) {
        ASSERT_TRUE(w.IsNewMember());
        w.txtA[0]->setText("새손님");
        w.txt인원_총인원Box->setText("2");
        QTest::mouseClick(w.CMD[4], Qt::LeftButton);
        EXPECT_TRUE(w.isHidden());
    });
    const StandinRecord stored = backend.shop().reservations.last();
    EXPECT_EQ(stored.value("regdatess3"), "18:00");
    EXPECT_FALSE(stored.value("membernum").isEmpty());
    EXPECT_EQ(graph().GetText(56, 3), "새손님");

    clickWith(57, 3, [&](frmB예약_등록B& w) {
        EXPECT_EQ(w.m_ModeA, 1);
        EXPECT_EQ(w.m_CurBkNumT, stored.value("num"));
        EXPECT_EQ(w.m_MemNumT, stored.value("membernum"));
        EXPECT_FALSE(w.IsNewMember());
        QTest::mouseClick(w.CMD2[2], Qt::LeftButton);
        EXPECT_TRUE(w.isHidden());
    });
    EXPECT_EQ(backend.shop().reservations.last().value("YN"), "noshow");
    EXPECT_TRUE(graph().CellAt(56, 3)->note.isEmpty());
}

TEST_F(BookingRoad, ClicksAndTimersDuringTheWaits)
{
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [this] { clock->advance(20); });
    ticks.start(20);
    open();
    board().txtA[1]->setText(kMemberPhone);
    board().StartBlink(GetTickCountMS() + 7000);
    // The close label and the board's timers while the save waits for the backend.
    clickWith(44, 1, [this](frmB예약_등록B& w) {
        backend->script("/vbPHP/zzimorder.php", StandinReply::text("성공").after(300));
        w.txt인원_총인원Box->setText("2");
        QTimer::singleShot(50, &w, [&w] { QTest::mouseClick(w.lblTerminate, Qt::LeftButton); });
        QTest::mouseClick(w.CMD[4], Qt::LeftButton);
        EXPECT_TRUE(w.isHidden());
    });
    EXPECT_EQ(backend->requestsTo("/vbPHP/zzimorder.php").size(), 1);
    EXPECT_TRUE(board().picShadow->isHidden());
    EXPECT_FALSE(board().m_EventPrevent);

    EXPECT_TRUE(entry().isHidden());
    EXPECT_TRUE(board().picShadow->isHidden());
    EXPECT_FALSE(board().m_EventPrevent);
}

} // namespace
