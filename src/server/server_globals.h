#pragma once

#include <QString>

// Program-wide values of the shop's data, set by the loaders after the login.

// Reservation settings: party-size scheme "0" one total, "1" men and women, "2" adults and children.
extern QString gPersonType;

// The number of distinct phones of the cached reservations whose kind is "미등록" (unregistered
// callers); set by the full rebuild of the reservation cache, added into the statistics' totals.
extern int gUnregCallerCnt;
