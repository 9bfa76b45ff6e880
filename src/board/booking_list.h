#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>

class GridModel;

// The booking list of the board: the backend's reservation list ("/vbPHP/zzimorderload.php") read
// into the rows of the list grid and the counts of its status line.

// The counts by state: total, waiting, confirmed, refused, changed, cancelled, finished.
using BookingCounts = std::array<int, 7>;

struct BookingListRow {
    std::array<QString, 16> cells;   // columns 1 to 15 (0 unused)
    QDateTime visit;                 // invalid when the record's day or time is
    enum Look { Plain, NoTable, Cancelled, NoShow } look = Plain;
};

struct BookingList {
    BookingCounts counts{};
    QList<BookingListRow> rows;
    // "전체: 1,024, 대기: 3, ..."
    QString statusLine() const;
};

// Reads the answer. A search over all days shows the records whose name, group name or shortened
// phone contain the search text, or whose whole phone number it is, with or without hyphens (an
// empty text: those with any of them); a hidden record lowers the counts of its state, and no
// count goes below 0.
BookingList ReadBookingList(const QString& answer, bool allDays, const QString& searchText);

// Fills the grid (drawing off meanwhile): one row per booking with its look, 35 pixels high,
// in the order of their visits (date and time; those without a valid one first), row 1 active
// at column 3.
void FillBookingList(GridModel& grid, const BookingList& list, int twipsX);
