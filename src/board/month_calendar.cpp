#include "board/board_window.h"

#include "core/converters.h"
#include "core/jet_failure_log.h"
#include "core/jet_recordset.h"
#include "core/month_grid.h"
#include "core/screen_values.h"
#include "platform/clock.h"
#include "platform/ini_util.h"
#include "platform/program_folder.h"
#include "platform/rounded_region.h"

#include <QPointer>

#include <cmath>

// The month calendar: a Sunday-to-Saturday week per pair of rows (day numbers above, the day's
// bookings and guests below), the week numbers on the right, a red ring round the picked day.

namespace {

const QString kWindow = QStringLiteral("frmB예약관리");
const QString kDayFormat = QStringLiteral("yyyy-MM-dd");

double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

void styleRow(GridModel& grid, int row, int hAlign, int vAlign, double fontSize, bool bold, OleColor fore)
{
    grid.SetCol(-1);
    grid.SetRow(row);
    grid.SetCellType(GridCellType::StaticText);
    grid.SetTypeHAlign(hAlign);
    grid.SetTypeVAlign(vAlign);
    grid.SetTypeTextWordWrap(true);
    grid.SetFontName(QStringLiteral("굴림"));
    grid.SetFontSize(fontSize);
    grid.SetFontBold(bold);
    grid.SetForeColor(fore);
}

void styleCalendar(GridModel& grid, int weeks)
{
    for (int row = 1; row <= 2 * weeks; row += 2) {
        styleRow(grid, row, GridAlign::Left, GridAlign::Top, 8, true, VbRGB(68, 159, 202));
        grid.SetBackColor(VbRGB(240, 248, 255));
    }
    for (int row = 1; row <= 2 * weeks; row += 2) {
        grid.SetRow(row);
        grid.SetCol(1);
        grid.SetForeColor(VbRGB(199, 109, 127));
        grid.SetCol(7);
        grid.SetForeColor(VbRGB(105, 158, 17));
    }
    for (int row = 2; row <= 2 * weeks; row += 2)
        styleRow(grid, row, GridAlign::Center, GridAlign::Center, 9, false, VbRGB(0, 0, 0));
    for (int week = 1; week <= weeks; ++week) {
        for (int col = 1; col <= 7; ++col)
            grid.SetCellBorder(col, 2 * week - 1, col, 2 * week, 1 | 2 | 4 | 8, VbRGB(95, 158, 160), 1);
    }
    for (int week = 1; week <= weeks; ++week) {
        const int row = 2 * week - 1;
        grid.AddCellSpan(8, row, 1, 2);
        grid.SetCol(8);
        grid.SetRow(row);
        grid.SetForeColor(VbRGB(255, 255, 255));
        grid.SetBackColor(VbRGB(0, 141, 238));
        grid.SetCellBorder(8, row, 8, row + 1, 1 | 2 | 4 | 8, VbRGB(255, 255, 255), 1);
        grid.SetTypeHAlign(GridAlign::Center);
        grid.SetTypeVAlign(GridAlign::Center);
        grid.SetFontSize(12);
        grid.SetFontBold(true);
        grid.SetText(QString::number(week) + QStringLiteral("\r\n주차"));
    }
}

// Column widths and row heights that end exactly at W - 7 and H - 2w pixels.
void sizeCalendar(GridModel& grid, int W, int H, int weeks)
{
    const double tx = gTwipsX2;
    const double ty = gTwipsY2;
    const double d = (W - 9) / 8.0;
    double S = 0;
    for (int col = 1; col <= 7; ++col) {
        grid.SetColWidth(col, d * tx);
        S = roundHalfEven(S + d);
    }
    grid.SetColWidth(8, (W - 7 - S) * tx);
    double R = 0;
    for (int row = 1; row < 2 * weeks; ++row) {
        const double twips = row % 2 == 1 ? 200.0 : (double(H - 2 * weeks - 1) / weeks) * ty - 200;
        grid.SetRowHeight(row, twips);
        R = roundHalfEven(R + twips / ty);
    }
    grid.SetRowHeight(2 * weeks, (H - 2 * weeks - R) * ty);
}

} // namespace

bool frmB예약관리::날짜라벨_표시(const QString& dayT)
{
    sspDay->setTag(dayT);
    const QDate day = QDate::fromString(dayT, kDayFormat);
    if (day.isValid())
        sspDay->setText(day.toString(QStringLiteral("MM.dd")) + "(" + GetWeekdayKor(day) + ")");
    return true;
}

void frmB예약관리::CalcDraw(const QDate& date)
{
    SpreadGrid& grid = *sprCAL;
    sspMonth->setText(QStringLiteral("%1년 %2월").arg(date.year()).arg(date.month()));
    grid.SetTag(date.toString(kDayFormat));
    날짜라벨_표시(grid.Tag());
    sDate = QDate(date.year(), date.month(), 1);
    eDate = sDate.addMonths(1).addDays(-1);
    const int weeks = MonthWeeks(date);

    ResetMonthGrid(grid, 8, weeks);
    sizeCalendar(grid, grid.width(), grid.height(), weeks);
    styleCalendar(grid, weeks);

    const MonthCell picked = WriteMonthDays(grid, date, CurrentClock().now().date());
    if (picked.row > 0)
        placeCalendarBorder(picked.col, picked.row, true);
    Load_MonthData();
}

// The red ring round the day-number cell and the count cell below it; resized only when the
// ring's size changes (always when the calendar was redrawn).
void frmB예약관리::placeCalendarBorder(int col, int row, bool always)
{
    int x = 0, y = 0, cw = 0, dayHeight = 0, countX = 0, countY = 0, countW = 0, countHeight = 0;
    if (!sprCAL->GetCellPos(col, row, &x, &y, &cw, &dayHeight))
        return;
    sprCAL->GetCellPos(col, row + 1, &countX, &countY, &countW, &countHeight);
    const int tx = qMax(1, gTwipsX2);
    const int ty = qMax(1, gTwipsY2);
    const int left = int(roundHalfEven(double(x) / tx));
    const int top = int(roundHalfEven(double(y) / ty));
    const int width = int(roundHalfEven(double(cw) / tx));
    const int height = int(roundHalfEven(double(dayHeight + countHeight) / ty));
    picCalBorder->move(sprCAL->x() + left, sprCAL->y() + top);
    if (!always && picCalBorder->width() == width && picCalBorder->height() == height)
        return;
    picCalBorder->resize(width, height);
    picCalBorder->setMask(CalendarRing(width, height));
    picCalBorder->show();
    picCalBorder->raise();
}

bool frmB예약관리::Load_MonthData()
{
    const QString path = AppFile(QStringLiteral("VmrBooking.mdb"));
    JetDbPtr db;
    if (!JetOpenDB(db, path)) {
        LogDbOpenError(kWindow, QStringLiteral("Load_MonthData"), path);
        return false;
    }
    const JetSql sql(QStringLiteral("SELECT 방문일, Count(방문일) AS CNT, Sum(인원N) AS Person  FROM 예약"
                                    " WHERE 방문일 BETWEEN ? AND ? GROUP BY 방문일"),
                     {sDate, eDate});
    JetRsPtr rs;
    if (!JetOpenRST(*db, rs, sql, dbOpenDynaset)) {
        LogRsOpenError(kWindow, QStringLiteral("Load_MonthData"), sql.display());
        return false;
    }
    std::array<int, 32> count{};
    std::array<int, 32> guests{};
    for (rs->MoveFirst(); !rs->AtEnd(); rs->MoveNext()) {
        const QDate day = QDate::fromString(rs->Field(QStringLiteral("방문일")).toString().left(10), kDayFormat);
        if (!day.isValid())
            continue;
        count[day.day()] = ToLong(rs->Field(QStringLiteral("Cnt")));
        guests[day.day()] = ToLong(rs->Field(QStringLiteral("Person")));
    }
    SpreadGrid& grid = *sprCAL;
    for (int row = 1; row < grid.MaxRows(); row += 2) {
        for (int col = 1; col <= 7; ++col) {
            const int n = IniUtil::VarToLong(grid.GetText(col, row));
            if (n > 0 && n <= 31 && count[n] != 0 && guests[n] != 0)
                grid.SetText(col, row + 1, QStringLiteral("%1-%2").arg(count[n]).arg(guests[n]));
        }
    }
    return true;
}

void frmB예약관리::sspMonth_Click()
{
    CalcDraw(CurrentClock().now().date());
    DrawShedule();
}

void frmB예약관리::sprCAL_Click(int col, int row)
{
    const int r = row % 2 == 0 ? row - 1 : row;
    const QString s = Trim(sprCAL->GetText(col, r));
    if (!s.isEmpty()) {
        const QDate shown = QDate::fromString(sprCAL->Tag(), kDayFormat);
        if (s.size() <= 2 || s.endsWith(QStringLiteral("오늘"))) {
            sprCAL->SetTag(shown.toString(QStringLiteral("yyyy-MM")) + "-" +
                           QStringLiteral("%1").arg(IniUtil::VarToLong(s), 2, 10, QChar('0')));
            날짜라벨_표시(sprCAL->Tag());
            mListDay[0] = QDate::fromString(sprCAL->Tag(), kDayFormat);
            mListDay[1] = mListDay[0];
        } else {
            const auto dayOf = [&](int c) {
                return QDate(shown.year(), shown.month(), IniUtil::VarToLong(sprCAL->GetText(c, r)));
            };
            for (int c = 1; c <= 7; ++c) {
                if (!Trim(sprCAL->GetText(c, r)).isEmpty()) {
                    mListDay[0] = dayOf(c);
                    break;
                }
            }
            for (int c = 7; c >= 1; --c) {
                if (!Trim(sprCAL->GetText(c, r)).isEmpty()) {
                    mListDay[1] = dayOf(c);
                    break;
                }
            }
            sprCAL->SetTag(mListDay[0].toString(kDayFormat));
            날짜라벨_표시(sprCAL->Tag());
        }
        QPointer<frmB예약관리> self(this);
        예약_검색(false);
        if (!self)
            return;
        placeCalendarBorder(col, r, false);
    }
    시간대_리스트_토글(picLayer[0]->isVisible() ? 2 : 1);
}
