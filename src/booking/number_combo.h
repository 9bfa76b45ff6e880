#pragma once

#include <QString>

class QComboBox;

// Selects the item of an hour or minute list whose leading number is the value. A value that no
// item carries (a quarter hour, an hour outside the timetable, an end after midnight) is added
// among the items in the order of the numbers, with two digits and the unit ("01시"), so that the
// list shows the time it holds.
void ShowNumber(QComboBox& combo, int value, const QString& unit);
