#include "board/board_window.h"

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

// The list row of a record number, 0 when the list has none. A call newer than the first row's is
// not looked for.
int rowOfCall(const SpreadGrid& grid, qint64 callId)
{
    if (grid.MaxRows() == 0 || callId > grid.GetText(kIdColumn, 1).toLongLong())
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

// The list follows the day the board shows: when it shows another day, that day is loaded whole.
void frmB예약관리::ShowCall(qint64 callId)
{
    const QDate day = QDate::fromString(ShownDay(), QStringLiteral("yyyy-MM-dd"));
    if (!day.isValid())
        return;
    if (day != m_callListDay) {
        Load_CID(day, false);
        return;
    }
    const std::optional<CallLogRow> call = ReadCallLogRow(callId, FormName(), QStringLiteral("ShowCall"));
    if (!call || call->day != ShownDay())
        return;
    SpreadGrid& grid = *SPR[1];
    grid.SetReDraw(false);
    int row = rowOfCall(grid, callId);
    if (row == 0) {
        insertFirstRow(grid);
        row = 1;
        markChosen(grid, row);
    }
    FillCallLogRow(grid, row, *call, kColumns);
    makeFirstRowActive(grid);
    grid.SetReDraw(true);
}
