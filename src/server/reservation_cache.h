#pragma once

#include <QString>

// The local reservation cache: table 예약 of "VmrBooking.mdb" in the program folder, a copy of
// the backend's confirmed ("Y") and finished ("finish") reservations.

// The full rebuild, once per run after the start copy of the template: empties the table, stores
// every reservation the backend lists, counts the unregistered callers into gUnregCallerCnt and
// gives every row with a phone its first visit and number of visits. True when it ran to its end,
// and when the answer held no record separator at all (nothing touched).
bool Load_예약_전체();

// The rebuild's work once the list answer has arrived.
bool Store_예약_전체(const QString& answer);

// Replaces the rows of one day ("yyyy-MM-dd") with the backend's reservations of that day. An
// empty answer (none arrived) changes nothing and returns false, so that a time-out never makes a
// day look free; an answer without a record separator changes nothing and returns true.
bool Load_예약_DAY(const QString& day);
