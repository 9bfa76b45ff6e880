#include "board/board_window.h"

#include "platform/clock.h"
#include "server/call_log_day.h"

// The call list: the calls of a day from the local call log, newest first.

namespace {

constexpr int kIdColumn = 1;
const CallLogColumns kColumns{kIdColumn, 2, 3, 4, 5};

void markChosen(SpreadGrid& grid, int row)
{
    grid.SetText(6, row, QStringLiteral("→"));
}

void makeFirstRowActive(SpreadGrid& grid)
{
    if (grid.MaxRows() > 0) {
        grid.SetRow(1);
        grid.SetActiveCell(3, 1);
    }
}

// The list row of a record number, 0 when the list has none. A written call newer than the first
// row's is not looked for.
int rowOfCall(const SpreadGrid& grid, qint64 callId)
{
    if (grid.MaxRows() == 0 || (callId > 0 && callId > grid.GetText(kIdColumn, 1).toLongLong()))
        return 0;
    const QString id = QString::number(callId);
    for (int r = 1; r <= grid.MaxRows(); ++r)
        if (grid.GetText(kIdColumn, r) == id)
            return r;
    return 0;
}

// A new empty row 1, the others moved down.
void insertFirstRow(SpreadGrid& grid)
{
    grid.SetMaxRows(grid.MaxRows() + 1);
    for (int r = grid.MaxRows(); r > 1; --r)
        grid.SwapRows(r - 1, r - 1, r);
}

} // namespace

bool frmB예약관리::Load_CID(const QDate& mDate, bool)
{
    SpreadGrid& grid = *SPR[1];
    grid.SetReDraw(false);
    grid.SetMaxRows(0);
    m_callListDay = mDate;
    QList<CallLogRow> calls;
    const bool read = ReadCallLogDay(mDate, calls, FormName(), QStringLiteral("Load_CID"));
    FillCallLogRows(grid, calls, kColumns);
    for (int r = 1; r <= grid.MaxRows(); ++r)
        markChosen(grid, r);
    makeFirstRowActive(grid);
    grid.SetReDraw(true);
    picWait->hide();
    return read;
}

// The panel holds today's calls, whatever day the board shows.
void frmB예약관리::ShowCall(const CallLogRow& call)
{
    const QDate today = CurrentClock().now().date();
    if (today != m_callListDay) {
        Load_CID(today, false);
        return;
    }
    if (call.day != today.toString(QStringLiteral("yyyy-MM-dd")))
        return;
    SpreadGrid& grid = *SPR[1];
    grid.SetReDraw(false);
    int row = rowOfCall(grid, call.id);
    if (row == 0) {
        insertFirstRow(grid);
        row = 1;
        markChosen(grid, row);
    }
    FillCallLogRow(grid, row, call, kColumns);
    makeFirstRowActive(grid);
    grid.SetReDraw(true);
}

void frmB예약관리::ShowTodaysCalls()
{
    Load_CID(CurrentClock().now().date(), false);
}

// The day commands leave the panel on today's calls; it is loaded again only when it holds
// another day's (after midnight).
void frmB예약관리::keepTodaysCalls()
{
    if (m_callListDay != CurrentClock().now().date())
        ShowTodaysCalls();
}
