#pragma once

#include <QDate>
#include <QList>
#include <QString>

class GridModel;

// One logged call of the local call log ("VmrCID.mdb", table cid).
struct CallLogRow {
    qint64 id = 0;           // cid_id
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

// Where a list shows a call: the record number, the time, the number (area-middle-last, not
// masked), the status and the moment of writing.
struct CallLogColumns {
    int id;
    int time;
    int tel;
    int status;
    int modified;
};

// Gives the list one row per call, in order, filled into those columns.
void FillCallLogRows(GridModel& grid, const QList<CallLogRow>& calls, const CallLogColumns& columns);
