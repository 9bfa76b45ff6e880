#include "board/board_window.h"

#include "server/call_log_day.h"

// The call list: the calls of a day from the local call log, newest first.

bool frmB예약관리::Load_CID(const QDate& mDate, bool)
{
    SpreadGrid& grid = *SPR[1];
    grid.SetReDraw(false);
    grid.SetMaxRows(0);
    QList<CallLogRow> calls;
    const bool read = ReadCallLogDay(mDate, calls, FormName(), QStringLiteral("Load_CID"));
    FillCallLogRows(grid, calls, {1, 2, 3, 4, 5});
    for (int r = 1; r <= grid.MaxRows(); ++r)
        grid.SetText(6, r, QStringLiteral("→"));
    if (grid.MaxRows() > 0) {
        grid.SetRow(1);
        grid.SetActiveCell(3, 1);
    }
    grid.SetReDraw(true);
    picWait->hide();
    return read;
}
