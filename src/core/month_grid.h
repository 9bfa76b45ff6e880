#pragma once

#include <QDate>

class GridModel;

// The month calendars of the windows: Sunday to Saturday in columns 1 to 7, two grid rows a week,
// the day numbers on the odd rows.

// The weeks the month of the date spans: (days + weekday of the 1st - 1) / 7 rounded up, the
// weekday counted from 1 for Sunday; 4 to 6.
int MonthWeeks(const QDate& date);

// Empties the grid, then gives it the columns and two rows a week; no headers, no scroll bars,
// read-only.
void ResetMonthGrid(GridModel& grid, int cols, int weeks);

// The cell of a day: its column and its number row (0 and 0 for none).
struct MonthCell {
    int col = 0;
    int row = 0;
};

// Writes the day numbers of the month of the date into the grid, " 오늘" after today's number
// when the month is today's, and gives the cell of the date's own day.
MonthCell WriteMonthDays(GridModel& grid, const QDate& date, const QDate& today);
