#pragma once

#include <QList>
#include <QString>

#include <optional>

class GridModel;
class QWidget;
class WaitPicture;

// One table of the backend's table list, its fields as the answer gives them (a field whose
// marker is missing from the record reads as empty).
struct TableRecord
{
    QString nums;          // the record number, the key of every change
    QString tableqr;       // the QR code text
    QString tableqroup;    // the group's name, empty without a group
    QString tablenum;      // the table's name
    QString tableinfo;     // the description, location and bill printer inside
    QString tableregdate;  // the creation date as the backend writes it
    QString tableYN;       // "Y" for a table in use; anything else is hidden

    bool isActive() const { return tableYN == QLatin1String("Y"); }
};

// Asks the backend for every table, hidden ones included, in its order. Both list loaders of the
// tables window and the order window ask so, logged as "Load_설정(1) ... ". An empty or refused
// answer gives no tables.
QList<TableRecord> RequestTableList();

// The list request of a window that shows the list: its grid emptied with drawing off, its wait
// picture shown while the request runs and hidden after it. No value when the window went away
// meanwhile; the caller fills the grid and turns its drawing on again.
std::optional<QList<TableRecord>> RequestTableListFor(QWidget& window, GridModel& grid, WaitPicture& wait);

// The records of a table-list answer: each begins at an occurrence of "nums[".
QList<TableRecord> ReadTableList(const QString& answer);
