#include "callerid/call_history_window.h"

#include "core/converters.h"
#include "core/date_time.h"
#include "core/month_grid.h"
#include "core/screen_values.h"
#include "platform/clock.h"
#include "platform/ini_util.h"
#include "platform/rounded_region.h"
#include "platform/vb_color.h"

#include <QPointer>

#include <cmath>

// The month calendar of the call history: a Sunday-to-Saturday week per pair of rows (the day
// numbers above, an empty body below), a ring round the chosen day; a click picks the day.

namespace {

const QString kDayFormat = QStringLiteral("yyyy-MM-dd");
const OleColor kBlockOutline = VbRGB(95, 158, 160);

int toPixels(double twips, int perPixel)
{
    return int(std::nearbyint(twips / qMax(1, perPixel)));
}

void formatRow(GridModel& grid, int row, bool numberRow, double twips)
{
    grid.SetCol(-1);
    grid.SetRow(row);
    grid.SetCellType(GridCellType::StaticText);
    grid.SetTypeHAlign(numberRow ? GridAlign::Left : GridAlign::Center);
    grid.SetTypeVAlign(numberRow ? GridAlign::Top : GridAlign::Center);
    grid.SetTypeTextWordWrap(true);
    if (numberRow) {
        grid.SetFontName(QStringLiteral("굴림"));
        grid.SetFontSize(8);
        grid.SetFontBold(true);
        grid.SetForeColor(VbRGB(68, 159, 202));
        grid.SetBackColor(VbRGB(240, 248, 255));
    }
    grid.SetRowHeight(row, twips);
}

// Widths and heights whose rounded pixel totals end exactly at W - 6 and H - 2n.
void sizeCalendar(GridModel& grid, int W, int H, int weeks)
{
    const double column = (W - 8) / 7.0;
    double total = 0;
    for (int col = 1; col <= 6; ++col) {
        grid.SetColWidth(col, column * gTwipsX2);
        total = std::nearbyint(total + column);
    }
    grid.SetColWidth(7, (W - 6 - total) * gTwipsX2);
    const double body = (double(H - 2 * weeks - 1) / weeks) * gTwipsY2 - 200;
    total = 0;
    for (int row = 1; row < 2 * weeks; ++row) {
        const bool numberRow = row % 2 == 1;
        const double twips = numberRow ? 200.0 : body;
        formatRow(grid, row, numberRow, twips);
        total = std::nearbyint(total + twips / gTwipsY2);
    }
    formatRow(grid, 2 * weeks, false, (H - 2 * weeks - total) * gTwipsY2);
}

void styleCalendar(GridModel& grid, int weeks)
{
    for (int week = 1; week <= weeks; ++week) {
        grid.SetRow(2 * week - 1);
        grid.SetCol(1);
        grid.SetForeColor(VbRGB(199, 109, 127));
        grid.SetCol(7);
        grid.SetForeColor(VbRGB(105, 158, 17));
    }
    for (int week = 1; week <= weeks; ++week) {
        grid.SetCol(-1);
        grid.SetRow(2 * week);
        grid.SetFontName(QStringLiteral("굴림"));
        grid.SetFontSize(9);
        grid.SetFontBold(false);
        grid.SetForeColor(VbRGB(0, 0, 0));
    }
    for (int week = 1; week <= weeks; ++week) {
        for (int col = 1; col <= 7; ++col)
            grid.SetCellBorder(col, 2 * week - 1, col, 2 * week, 16, kBlockOutline, 1);
    }
}

} // namespace

void frmB전화수신이력B::CalcDraw(const QDate& date)
{
    if (!date.isValid())
        return;
    SpreadGrid& grid = *sprCAL;
    sspMonth->setCaption(QStringLiteral("%1년 %2월").arg(date.year()).arg(date.month()));
    grid.SetTag(date.toString(kDayFormat));
    sDate = QDate(date.year(), date.month(), 1);
    eDate = sDate.addMonths(1).addDays(-1);
    const int weeks = MonthWeeks(date);

    ResetMonthGrid(grid, 7, weeks);
    sizeCalendar(grid, grid.width(), grid.height(), weeks);
    styleCalendar(grid, weeks);

    const MonthCell chosen = WriteMonthDays(grid, date, CurrentClock().now().date());
    if (chosen.row > 0)
        placeCalendarBorder(chosen.col, chosen.row, true);
}

// The ring round the day-number cell and the body cell below it; reshaped only when its size
// changes, or always after a new drawing.
void frmB전화수신이력B::placeCalendarBorder(int col, int numberRow, bool always)
{
    int x = 0, y = 0, cellWidth = 0, numberHeight = 0;
    int bodyX = 0, bodyY = 0, bodyWidth = 0, bodyHeight = 0;
    if (!sprCAL->GetCellPos(col, numberRow, &x, &y, &cellWidth, &numberHeight))
        return;
    sprCAL->GetCellPos(col, numberRow + 1, &bodyX, &bodyY, &bodyWidth, &bodyHeight);
    const int width = toPixels(cellWidth, gTwipsX2);
    const int height = toPixels(numberHeight, gTwipsY2) + toPixels(bodyHeight, gTwipsY2);
    picCalBorder->move(sprCAL->x() + toPixels(x, gTwipsX2), sprCAL->y() + toPixels(y, gTwipsY2));
    if (always || picCalBorder->width() != width || picCalBorder->height() != height) {
        picCalBorder->resize(width, height);
        picCalBorder->setMask(CalendarRing(width, height));
    }
    picCalBorder->show();
    picCalBorder->raise();
}

void frmB전화수신이력B::sspMonth_Click()
{
    CalcDraw(CurrentClock().now().date());
}

void frmB전화수신이력B::sprCAL_Click(int col, int row)
{
    const int numberRow = row % 2 == 1 ? row : row - 1;
    const QString text = Trim(sprCAL->GetText(col, numberRow));
    if (!text.isEmpty() && numberRow >= 1) {
        const int day = IniUtil::VarToLong(text);
        const QDate month = QDate::fromString(sprCAL->Tag(), kDayFormat);
        const QDate chosen(month.year(), month.month(), day);
        if (chosen.isValid()) {
            sprCAL->SetTag(chosen.toString(kDayFormat));
            showDay(chosen);
            placeCalendarBorder(col, numberRow, false);
        }
    }
    QPointer<frmB전화수신이력B> self(this);
    Load_CID(shownDay(), false);
    Delay(100);
    if (self)
        picCalcBack->hide();
}
