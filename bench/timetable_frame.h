#pragma once

// The frame of a day timetable as the benchmarks' floors fill it with the grid's own operations:
// cols columns (the table names, then six ten-minute columns an hour from 9 o'clock), rows tables,
// the two header rows with the hours and the day's morning and afternoon captions, the cell kinds
// and the hour and table lines. Repainting is left off.
#include "core/grid_helpers.h"
#include "platform/spread_grid.h"
#include "platform/vb_color.h"

#include <QString>

inline void FillTimetableFrame(SpreadGrid& grid, int cols, int rows, const QString& day, const QString& tablePrefix)
{
    grid.SetReDraw(false);
    grid.SetMaxCols(0);
    grid.SetMaxRows(0);
    grid.SetMaxCols(cols);
    grid.SetMaxRows(rows);
    grid.SetColHeaderRows(2);
    grid.AddCellSpan(1, -1000, 1, 2);
    grid.SetText(1, -1000, "좌석");
    for (int k = 2, hour = 9; k <= cols; k += 6, ++hour) {
        grid.AddCellSpan(k, -999, 6, 1);
        grid.SetText(k, -999, QString::number(hour));
    }
    grid.AddCellSpan(2, -1000, 18, 1);
    grid.SetText(2, -1000, day + "일 오전 - AM");
    grid.AddCellSpan(20, -1000, cols - 19, 1);
    grid.SetText(20, -1000, day + "일 오후 - PM");
    for (int c = 1; c <= cols; ++c)
        SpreadSetCellType(&grid, c, 4, "");
    for (int r = 1; r <= rows; ++r) {
        grid.SetText(1, r, tablePrefix + QString::number(r));
        grid.SetCellBorder(1, r, cols, r, 16, VbRGB(218, 237, 238), 1);
        for (int k = 3; k <= cols; k += 6) {
            for (int c : {k, k + 1, k + 3, k + 4})
                grid.SetCellBorder(c, r, c, r, 1, VbRGB(250, 250, 250), 1);
            grid.SetCellBorder(k - 1, r, k - 1, r, 1, VbRGB(166, 220, 221), 1);
        }
        grid.SetCellBorder(1, r, 1, r, 16, VbRGB(204, 204, 204), 1);
        grid.SetCellBorder(1, r, cols, r, 12, VbRGB(204, 204, 204), 1);
    }
}
