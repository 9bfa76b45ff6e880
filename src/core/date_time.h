#pragma once

#include <QDate>
#include <QString>

// The number of days of the date's month (28 to 31); 0 for an invalid date.
int LastDayOfMonth(const QDate& date);

// The one-letter Korean weekday, "일" for Sunday to "토" for Saturday; empty for an invalid date.
QString GetWeekdayKor(const QDate& date);

// The low 32 bits of the millisecond tick: wraps after about 49.7 days, so elapsed times are
// taken as the 32-bit difference of two readings.
int GetTickCountMS();

// Waits until that many milliseconds of the tick have passed, running the event loop meanwhile:
// timers, calls and clicks are handled inside the wait. Ends even when the tick wraps.
void Delay(int milliseconds);
