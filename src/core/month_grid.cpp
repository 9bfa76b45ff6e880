#include "core/month_grid.h"

#include "platform/grid_model.h"
#include "platform/ini_util.h"

namespace {

int weekdayOfFirst(const QDate& date)
{
    return QDate(date.year(), date.month(), 1).dayOfWeek() % 7 + 1;
}

} // namespace

int MonthWeeks(const QDate& date)
{
    return int(IniUtil::RoundUp((date.daysInMonth() + weekdayOfFirst(date) - 1) / 7.0, 0));
}

void ResetMonthGrid(GridModel& grid, int cols, int weeks)
{
    grid.SetDisplayRowHeaders(false);
    grid.SetDisplayColHeaders(false);
    grid.SetScrollBars(0);
    grid.SetOperationMode(GridModel::ModeReadOnly);
    grid.SetMaxCols(0);
    grid.SetMaxRows(0);
    grid.SetMaxCols(cols);
    grid.SetMaxRows(2 * weeks);
}

MonthCell WriteMonthDays(GridModel& grid, const QDate& date, const QDate& today)
{
    const bool todaysMonth = date.year() == today.year() && date.month() == today.month();
    const int lastDay = date.daysInMonth();
    const int weeks = MonthWeeks(date);
    MonthCell chosen;
    int number = 2 - weekdayOfFirst(date);
    for (int week = 1; week <= weeks && number <= lastDay; ++week) {
        for (int col = 1; col <= 7 && number <= lastDay; ++col, ++number) {
            if (number < 1)
                continue;
            if (number == date.day())
                chosen = {col, 2 * week - 1};
            const QString text = QString::number(number);
            grid.SetText(col, 2 * week - 1, todaysMonth && number == today.day() ? text + QStringLiteral(" 오늘") : text);
        }
    }
    return chosen;
}
