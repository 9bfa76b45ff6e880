#pragma once

#include <QString>

// The time label in which a reservation's start hour travels to the backend: "오후 6시 30분" for
// the hour 18 and the minute item "30분"; noon is "오후 0시"; an hour outside 0 to 23 gives an
// empty label, so the value is one blank and the minute item.
QString TimeLabel(int hour, const QString& minuteItem);
