#pragma once

#include "core/win_http.h"

#include <QString>

// The local reservation cache: table 예약 of "VmrBooking.mdb" in the program folder, a copy of
// the backend's confirmed ("Y") and finished ("finish") reservations.

// The full rebuild, once per run at start. A fresh copy of the empty template "VmrBooking.0.mdb"
// (or, without a template, of the cache) is filled beside the cache with every reservation the
// backend lists and then put in place of "VmrBooking.mdb" in one step, so that the cache is never
// seen half-written. Every list answer does this, an empty list included, however its allcount
// counts (a difference is noted in the main log). An answer that is evidently broken (none, a
// time-out, one cut short or cut inside a field, an empty one, one without a list:
// server/reservation_list_check.h) keeps the previous cache as it was and writes one error line to
// the main log saying why; with no previous cache the template's empty copy takes its place.
// The rebuild counts the unregistered callers into gUnregCallerCnt and gives every row with a
// phone its first visit and number of visits. True when a rebuilt cache is in place.
bool Load_예약_전체();

// The rebuild once the list answer has arrived: everything Load_예약_전체 does after its request.
bool Rebuild_예약_전체(const QString& answer, HttpOutcome outcome);

// The rebuild's work on one cache file, whatever the answer: replaces every row.
bool Store_예약_전체(const QString& answer, const QString& path);

// Replaces the rows of one day ("yyyy-MM-dd") with the backend's reservations of that day, by the
// same rule as the full rebuild: a list, empty or not, replaces them; an answer that is evidently
// broken changes nothing, writes its error line and returns false, so that a failed request never
// makes a day look free.
bool Load_예약_DAY(const QString& day);
