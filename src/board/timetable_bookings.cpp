#include "board/board_window.h"

#include "board/booking_texts.h"
#include "core/converters.h"
#include "core/error_line.h"
#include "core/jet_failure_log.h"
#include "core/jet_recordset.h"
#include "core/screen_values.h"
#include "platform/program_folder.h"
#include "server/server_globals.h"

// The day's bookings of the local cache on the timetable: a span per table from start to end on
// the booking's colour, outlined in blue, each cell carrying the booking's note.

namespace {

const QString kWindow = QStringLiteral("frmB예약관리");
const OleColor kBookingLine = VbRGB(68, 114, 196);

struct DayBooking {
    QString start;     // "hh:nn" drawn from: "00:00" for a stay of the evening before
    bool fromEveningBefore = false;
    QString end;       // "hh:nn", "23:59" when it ends on a later day
    QString name;      // group name, or the booker's
    QStringList tables;
    QString note;
};

QString fieldText(const JetRecordset& rs, const QString& name)
{
    const QVariant value = rs.Field(name);
    return value.isNull() ? QString() : value.toString();
}

// The end of a booking: the stored end, or the start plus the default length; "23:59" when that
// end falls on a later day than the one drawn.
QString bookingEnd(const QString& day, const QString& start, const QString& storedEnd)
{
    if (!Trim(storedEnd).isEmpty())
        return storedEnd.left(10) > day ? QStringLiteral("23:59") : storedEnd.mid(11, 5);
    const int begin = MinutesOfDay(start);
    if (begin >= 0 && begin + gRequireTime >= 24 * 60)
        return QStringLiteral("23:59");
    return frmB예약관리::GetTimeAdd(start, gRequireTime);
}

// A booking of the evening before (the query brings one only when it ends after midnight) is
// drawn from midnight; its note keeps its own start.
DayBooking readBooking(const JetRecordset& rs, const QString& day)
{
    DayBooking booking;
    const QString stored = fieldText(rs, QStringLiteral("예약일시")).mid(11, 5);
    booking.fromEveningBefore = fieldText(rs, QStringLiteral("방문일")) != day;
    booking.start = booking.fromEveningBefore ? QStringLiteral("00:00") : stored;
    booking.end = bookingEnd(day, booking.start, fieldText(rs, QStringLiteral("종료일시")));
    const QString booker = fieldText(rs, QStringLiteral("예약자"));
    const QString group = fieldText(rs, QStringLiteral("모임명"));
    booking.name = group.isEmpty() ? booker : group;
    const QString seats = fieldText(rs, QStringLiteral("좌석"));
    const QStringList parts = seats.split(QChar(';'));
    for (int k = 0; k < parts.size(); k += 2)
        booking.tables.append(parts[k]);
    booking.note = BookingNote({stored, booker, group, fieldText(rs, QStringLiteral("cPhoneT")),
                                BookingTablesText(seats), BookingPartyText(fieldText(rs, QStringLiteral("인원"))),
                                fieldText(rs, QStringLiteral("요청사항")), ToLong(rs.Field(QStringLiteral("NUM")))});
    return booking;
}

// A stay of the evening before shows only where the grid's hours reach its end.
bool endsAfterFirstHour(const DayBooking& booking)
{
    return MinutesOfDay(booking.end) > gSchHour[0] * 60;
}

// The row of each table name; where a name repeats, its first row.
QHash<QString, int> tableRows(const GridModel& grid)
{
    QHash<QString, int> rows;
    for (int row = grid.MaxRows(); row >= 1; --row)
        rows.insert(grid.GetText(1, row), row);
    return rows;
}

} // namespace

bool frmB예약관리::Load_DayData(const QString& DateT)
{
    const QString path = AppFile(QStringLiteral("VmrBooking.mdb"));
    JetDbPtr db;
    if (!JetOpenDB(db, path)) {
        LogDbOpenError(kWindow, QStringLiteral("Load_DayData"), path);
        return false;
    }
    // The day's own bookings and those of the evening before that end after midnight.
    const QDate day = QDate::fromString(DateT, QStringLiteral("yyyy-MM-dd"));
    const JetSql sql(QStringLiteral("SELECT * FROM 예약 WHERE 방문일 = ? OR (방문일 = ? AND 종료일시 > ?) ORDER BY 예약일시"),
                     {day, day.addDays(-1), DateT});
    JetRsPtr rs;
    if (!JetOpenRST(*db, rs, sql, dbOpenDynaset)) {
        LogRsOpenError(kWindow, QStringLiteral("Load_DayData"), sql.display());
        return false;
    }
    QList<DayBooking> bookings;
    for (rs->MoveFirst(); !rs->AtEnd(); rs->MoveNext())
        bookings.append(readBooking(*rs, DateT));
    rs.reset();
    db.reset();

    SpreadGrid& grid = *sprGraph[0];
    const bool wide = width() >= 1024;
    const QHash<QString, int> rows = tableRows(grid);
    for (int b = 0; b < bookings.size(); ++b) {
        const DayBooking& booking = bookings[b];
        for (const QString& table : booking.tables) {
            const int row = rows.value(table);
            if (row == 0)
                continue;
            // Columns before the first hour and after the last are left out; a booking that ends
            // where it starts keeps its start column.
            const int s = qMax(2, GetScheduleColumn(booking.start, 0));
            if (s > grid.MaxCols() || (booking.fromEveningBefore && !endsAfterFirstHour(booking)))
                continue;
            const int e = qMin(qMax(GetScheduleColumn(booking.end, 1), s + 1), grid.MaxCols() + 1);
            int a = 0, spanRow = 0, cols = 0, rows = 0;
            if (grid.GetCellSpan(s, row, &a, &spanRow, &cols, &rows)) {
                grid.RemoveCellSpan(a, spanRow);
                if (s > a)
                    grid.AddCellSpan(a, spanRow, s - a, 1);
            }
            grid.SetRow(row);
            for (int c = s; c < e; ++c) {
                grid.SetCol(c);
                grid.SetCellNote(booking.note);
            }
            grid.SetCol(s);
            grid.SetText(booking.name);
            grid.SetFontSize(wide ? 11 : 8);
            grid.SetFontBold(wide);
            grid.SetBackColor(OleColor(mBookColor[b % mBookColor.size()]));
            grid.AddCellSpan(s, row, e - s, 1);
            grid.SetCellBorder(s, row, e - 1, row, 16, kBookingLine, 1);
            grid.SetCellBorder(e, row, e, row, 1, kBookingLine, 1);
            grid.SetCellBorder(s, row + 1, e - 1, row + 1, 4, kBookingLine, 1);
        }
    }
    return true;
}
