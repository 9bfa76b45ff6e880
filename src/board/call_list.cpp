#include "board/board_window.h"

#include "core/converters.h"
#include "server/call_log_day.h"

// The call list: the calls of a day from the local call log, newest first.

bool frmB예약관리::Load_CID(const QDate& mDate, bool)
{
    SpreadGrid& grid = *SPR[1];
    grid.SetReDraw(false);
    grid.SetMaxRows(0);
    QList<CallLogRow> calls;
    const bool read = ReadCallLogDay(mDate, calls, FormName(), QStringLiteral("Load_CID"));
    grid.SetMaxRows(int(calls.size()));
    for (int r = 1; r <= calls.size(); ++r) {
        const CallLogRow& call = calls[r - 1];
        grid.SetText(1, r, QString::number(call.id));
        grid.SetText(2, r, call.time);
        grid.SetText(3, r, FormatPhoneMasked(call.tel, false));
        grid.SetText(4, r, call.status);
        grid.SetText(5, r, call.modified);
        grid.SetText(6, r, QStringLiteral("→"));
    }
    if (grid.MaxRows() > 0) {
        grid.SetRow(1);
        grid.SetActiveCell(3, 1);
    }
    grid.SetReDraw(true);
    picWait->hide();
    return read;
}
