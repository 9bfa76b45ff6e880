#pragma once

#include "core/jet_attempts.h"
#include "server/call_log_row.h"

#include <QDate>
#include <QString>

#include <optional>

// The call log: table cid of "VmrCID.mdb" in the program folder, one row per incoming call.
// Each call opens its own database handle, so a call handled inside another's wait is safe.

QString CallLogPath();

// Adds the row of one call: time_modified, rDate, rTime, ch, Tel, S_ID 0, SeqNO, cid_kind and,
// when it has one, Status. Each text is cut to the size its field declares (side table
// vmr_fields: Tel 20, SeqNO 30). The new row's cid_id, or nothing (with the engine's failure)
// when the file or the row cannot be written; a missing file is reported to the user by the
// database opening.
std::optional<qint64> AddCallRow(const CallLogRow& call, JetError* failure = nullptr);

// One incoming call in the call log: its row written, or, when the log cannot take it (or still
// holds earlier calls back), held in memory with a provisional number, written later in order
// and logged with its number, its service and the cause.
struct RecordedCall {
    CallLogRow row;
    bool written = false;
    // Calls held back earlier whose rows were written first.
    int heldWritten = 0;
};
RecordedCall RecordCall(const QDate& day, qint32 ch, const QString& tel, const QString& seqNo, qint32 kind);

// Sets the status word of the call with that identifier (cut as the row's was) while it has none;
// of several calls with the identifier the newest counts, also a call held back in memory.
// NotOpened when the file or the query cannot be opened, Failed (with the engine's error) when the
// change cannot be written, else Done (whether or not a call changed; changed is the call as it
// now is, when it changed).
struct CallStatusResult {
    enum Outcome { Done, NotOpened, Failed } outcome = Done;
    int number = 0;
    QString description;
    std::optional<CallLogRow> changed;
    // Calls held back earlier whose rows were written first.
    int heldWritten = 0;
};
CallStatusResult SetCallStatus(const QString& seqNo, const QString& word);
