#pragma once

#include "server/call_log_row.h"

#include <QDateTime>
#include <QList>

// The busy rule of the call lists: a call of the second carrier (kind 2) that has no status more
// than 45 whole seconds after its row was written is "통화중". The lists apply it to every row
// they read; between loads the calls not yet due are watched, oldest first, and settled at every
// ring and status (SettleBusyCalls), so that the cost stays with the calls that fall due.

inline const QString kBusyStatus = QStringLiteral("통화중");

bool IsDueBusy(const CallLogRow& call, const QDateTime& now);
// Watches a call of the second carrier without status that is not yet due.
void WatchForBusy(const CallLogRow& call);
// A held call's row was written under its number.
void RenumberWatchedCall(qint64 provisional, qint64 id);
// Marks the watched calls that are due and still without status: a written row in the call log,
// a held call in memory. The calls that changed, as they now are.
QList<CallLogRow> SettleBusyCalls();
