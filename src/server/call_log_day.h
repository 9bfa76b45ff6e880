#pragma once

#include "server/call_log_row.h"

#include <QDate>
#include <QList>
#include <QString>

class GridModel;
class JetRecordset;

// The call of the record set's current row, as it is stored.
CallLogRow CallLogRowOf(const JetRecordset& rs);

// The calls of a day, newest first, the calls still held back in memory on top. The busy rule
// (call_busy_rule.h) is applied to every row read, and the mark is saved at once. A file or query
// that cannot be opened writes its line for the caller's window and procedure and gives false
// with no rows but the held ones.
bool ReadCallLogDay(const QDate& day, QList<CallLogRow>& rows, const QString& window, const QString& procedure);

// Where a list shows a call: the record number, the time, the number (area-middle-last, not
// masked), the status and the moment of writing.
struct CallLogColumns {
    int id;
    int time;
    int tel;
    int status;
    int modified;
};

// Fills one row of the list with the call.
void FillCallLogRow(GridModel& grid, int row, const CallLogRow& call, const CallLogColumns& columns);

// Gives the list one row per call, in order, filled into those columns.
void FillCallLogRows(GridModel& grid, const QList<CallLogRow>& calls, const CallLogColumns& columns);
