#pragma once

#include <QString>

// One logged call of the local call log ("VmrCID.mdb", table cid). A call whose row is still
// waiting to be written has a provisional negative number until it is.
struct CallLogRow {
    qint64 id = 0;           // cid_id
    QString day;             // rDate as stored ("yyyy-MM-dd")
    QString time;            // rTime as "HH:mm:ss"
    QString tel;             // Tel as stored
    QString status;          // Status after the busy rule
    QString modified;        // time_modified as "yyyy-MM-dd HH:mm:ss"
    int kind = 0;            // cid_kind: 1 KT, 2 LG U+
    int ch = 0;              // ch
    QString seqNo;           // SeqNO
};
