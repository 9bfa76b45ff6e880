#include "board/board_window.h"

#include "board/board_globals.h"
#include "board/booking_texts.h"
#include "core/converters.h"
#include "core/grid_helpers.h"
#include "core/screen_values.h"
#include "platform/clock.h"
#include "server/server_globals.h"

// The day timetable: one row per table, one column per ten minutes from the first to the last
// hour, two header rows, the hour lines and the current time marked.

namespace {

constexpr int kCentred = 4;
constexpr int kSolid = 1;
constexpr int kTimeBlock = 6; // ten-minute columns per hour

const OleColor kCellLine = VbRGB(218, 237, 238);
const OleColor kTenMinuteLine = VbRGB(250, 250, 250);
const OleColor kHourLine = VbRGB(166, 220, 221);
const OleColor kTableLine = VbRGB(204, 204, 204);
const OleColor kNowPink = VbRGB(255, 184, 189);
const OleColor kNowRed = VbRGB(255, 0, 0);

// The whole number of a two-character part of a time; the plain digits are read directly, as the
// timetable reads them hundreds of times per build.
int wholeNumber(const QString& part)
{
    bool ok = false;
    const int value = part.toInt(&ok);
    return ok ? value : ToLong(part);
}

// A span of cols columns from col in a header row; nothing for an empty or negative width.
void headerSpan(GridModel& grid, int col, int row, int cols, const QString& text)
{
    cols = qMin(cols, grid.MaxCols() - col + 1);
    if (cols < 1)
        return;
    grid.AddCellSpan(col, row, cols, 1);
    grid.SetText(col, row, text);
}

void drawHeaders(GridModel& grid, const QDate& day)
{
    const int lastCol = grid.MaxCols();
    grid.AddCellSpan(1, -1000, 1, 2);
    grid.SetText(1, -1000, QStringLiteral("좌석"));
    for (int k = 2, hour = gSchHour[0]; k <= lastCol; k += kTimeBlock, ++hour) {
        headerSpan(grid, k, -999, kTimeBlock, QString::number(hour));
        grid.SetCol(k);
        grid.SetRow(-999);
        grid.SetTypeHAlign(0);
    }
    const QString dd = day.toString(QStringLiteral("dd"));
    if (gSchHour[0] < 12) {
        const int n = 12 - gSchHour[0];
        headerSpan(grid, 2, -1000, n * kTimeBlock, dd + QStringLiteral("일 오전 - AM"));
        headerSpan(grid, n * kTimeBlock + 2, -1000, lastCol - n * kTimeBlock - 1, dd + QStringLiteral("일 오후 - PM"));
    } else {
        headerSpan(grid, 2, -1000, lastCol - 1, dd + QStringLiteral("일 오후 - PM"));
    }
}

// Lines of one table's row; later lines overwrite earlier ones.
void drawRowLines(GridModel& grid, int row)
{
    const int lastCol = grid.MaxCols();
    grid.SetCellBorder(1, row, lastCol, row, 16, kCellLine, kSolid);
    for (int k = 3; k <= lastCol; k += kTimeBlock) {
        for (int c : {k, k + 1, k + 3, k + 4}) {
            if (c <= lastCol)
                grid.SetCellBorder(c, row, c, row, 1, kTenMinuteLine, kSolid);
        }
        grid.SetCellBorder(k - 1, row, k - 1, row, 1, kHourLine, kSolid);
    }
    grid.SetCellBorder(1, row, 1, row, 16, kTableLine, kSolid);
    grid.SetCellBorder(1, row, lastCol, row, 12, kTableLine, kSolid);
}

} // namespace

int frmB예약관리::GetScheduleColumn(const QString& timeT, int roundUp) const
{
    if (timeT.size() != 5)
        return 0;
    const int hh = wholeNumber(timeT.left(2));
    const int mm = wholeNumber(timeT.right(2));
    if (hh < gSchHour[0])
        return 0;
    const int m = roundUp == 0 ? mm / 10 : (mm + 9) / 10;
    return (hh - gSchHour[0]) * kTimeBlock + m + 2;
}

QString frmB예약관리::GetTimeAdd(const QString& timeT, int minutes)
{
    const int start = MinutesOfDay(timeT);
    if (start < 0)
        return QString();
    const int day = 24 * 60;
    const int later = ((start + minutes) % day + day) % day;
    const int hour = later / 60;
    const int minute = later % 60;
    const QChar text[] = {QChar(u'0' + hour / 10), QChar(u'0' + hour % 10), QChar(u':'), QChar(u'0' + minute / 10),
                          QChar(u'0' + minute % 10)};
    return QString(text, 5);
}

bool frmB예약관리::DrawShedule()
{
    SpreadGrid& grid = *sprGraph[0];
    currTimeT = CurrentClock().now().toString(QStringLiteral("HH:mm"));
    grid.SetReDraw(false);
    grid.SetMaxCols(0);
    grid.SetMaxRows(0);
    const int lastCol = qMax(1, (gSchHour[1] - gSchHour[0]) * kTimeBlock + 1);
    grid.SetMaxCols(lastCol);
    grid.SetMaxRows(gSeatCount);
    SpreadSetCellType(&grid, 1, kCentred, QString());
    grid.SetColHeaderRows(2);
    // The header names the day whose bookings the rows show: a calendar pick leaves currDate.
    drawHeaders(grid, QDate::fromString(sprCAL->Tag(), QStringLiteral("yyyy-MM-dd")));

    if (gSeatCount > 0) {
        for (int c = 2; c <= lastCol; ++c)
            SpreadSetCellType(&grid, c, kCentred, QString());
        for (int row = 1; row <= grid.MaxRows(); ++row) {
            grid.SetText(1, row, row - 1 < gSeat.size() ? gSeat[row - 1].name : QString());
            drawRowLines(grid, row);
        }
        const int now = GetScheduleColumn(currTimeT, 0);
        for (int row = 1; row <= grid.MaxRows(); ++row) {
            if (now > 2) {
                grid.SetCellBorder(now, row, now, row, 1, kNowPink, kSolid);
                grid.SetCol(now);
                grid.SetRow(row);
                grid.SetBackColor(kNowPink);
            } else {
                grid.SetCellBorder(now, row, now, row, 1, kNowRed, kSolid);
            }
        }
        grid.SetCol(GetScheduleColumn(currTimeT.left(2) + QStringLiteral(":00"), 0));
        grid.SetRow(-999);
        grid.SetCellType(GridCellType::StaticText);
        grid.SetBackColor(kNowPink);

        int leftCol = 1;
        if (CurrentClock().now().date().toString(QStringLiteral("yyyy-MM-dd")) == sspDay->tag()) {
            const int hour = ToLong(currTimeT.left(2));
            for (int c = lastCol; c >= 2; --c) {
                if (ToLong(grid.GetText(c, -999)) == hour) {
                    leftCol = qMax(1, c - 12);
                    break;
                }
            }
        }
        grid.SetLeftCol(leftCol);
    }

    Load_DayData(sprCAL->Tag());
    sizeTimetable();
    grid.SetReDraw(true);
    return true;
}

void frmB예약관리::sizeTimetable()
{
    SpreadGrid& grid = *sprGraph[0];
    const int W = grid.width();
    const int H = grid.height();
    const int timeCols = qMax(1, grid.MaxCols() - 1);
    int w = 0;
    int first = 100;
    if (gSchScaleKind == 0) {
        w = (W - 154) / 35;
    } else {
        w = (W - 118) / timeCols;
        first = W - w * timeCols - 18 - grid.MaxCols();
        if (first < 50) {
            --w;
            first = W - w * timeCols - 18 - grid.MaxCols();
        }
    }
    grid.SetColWidth(-1, double(qMax(0, w)) * gTwipsX);
    grid.SetColWidth(1, double(qMax(0, first)) * gTwipsX);
    if (grid.MaxRows() > 0) {
        int h = (H - 73) / grid.MaxRows();
        if (h < 30 && grid.MaxRows() > 20)
            h = (H - 73) / 20;
        grid.SetRowHeight(-1, double(qMax(0, h)) * gTwipsY);
    }
    grid.SetRowHeight(-1000, 20.0 * gTwipsY);
    grid.SetRowHeight(-999, 20.0 * gTwipsY);
}
