#pragma once

#include "core/jet_attempts.h"
#include "server/call_log_row.h"

#include <QList>
#include <QString>

// The calls whose rows the call log could not take yet (locked, busy, the disk full, the file
// gone), oldest first, kept while the program runs. They are written in the order they came as
// soon as the log takes rows again; at most kMostHeldCalls are kept, the oldest giving way with a
// line in the main log.
inline constexpr int kMostHeldCalls = 10000;

// Keeps the call back; it gets the next provisional (negative) number.
void HoldCall(CallLogRow& call);
bool HasHeldCalls();
// Writes the held rows in order until one is refused; the count written. A missing file is not
// tried (its message is not shown again).
int WriteHeldCalls();
// The held calls of a day ("yyyy-MM-dd"), newest first.
QList<CallLogRow> HeldCallsOfDay(const QString& day);
// The newest held call with that identifier, or null.
CallLogRow* HeldCallWithId(const QString& seqNo);
// Writes what is held and logs every call that still cannot be written: at the program's end.
void WriteHeldCallsAtEnd();

// The cause of a failed write as the log names it: a full disk by name.
QString CallLogFailureCause(const JetError& failure);
// The service's name for the log: "KT" for kind 1, "LG U+" for kind 2.
QString CallServiceName(int kind);
