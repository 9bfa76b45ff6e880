#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class GridModel;

// One logged call of the local call log ("VmrCID.mdb", table cid).
struct CallLogRow {
    qint64 id = 0;           // cid_id
    QString day;             // rDate as stored ("yyyy-MM-dd")
    QString time;            // rTime as "HH:mm:ss"
    QString tel;             // Tel as stored
    QString status;          // Status after the busy rule
    QString modified;        // time_modified as "yyyy-MM-dd HH:mm:ss"
    int kind = 0;            // cid_kind: 1 KT, 2 LG U+
};

// The calls of a day, newest first. A call of the second carrier (kind 2) without a status that
// was logged more than 45 whole seconds ago by the clock is marked "통화중", and the mark is saved
// at once. A file or query that cannot be opened writes its line for the caller's window and
// procedure and gives false with no rows.
bool ReadCallLogDay(const QDate& day, QList<CallLogRow>& rows, const QString& window, const QString& procedure);

// One call by its record number, read as the day list reads it (busy rule included); nothing when
// it is not there or cannot be read (with the same log lines).
std::optional<CallLogRow> ReadCallLogRow(qint64 id, const QString& window, const QString& procedure);

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
