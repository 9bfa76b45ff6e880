#include "customer/member_grids.h"

#include "customer/member_answers.h"

#include "core/grid_helpers.h"
#include "core/screen_values.h"
#include "platform/grid_cell.h"
#include "platform/grid_model.h"
#include "platform/text_fit.h"

#include <cmath>

namespace {

struct Column {
    const char* header;
    int width;
    bool shown;
    int kind;   // cell kind through SpreadSetCellType; -1 keeps the grid's own
};

void setAll(GridModel& grid, int col, int row)
{
    grid.SetCol(col);
    grid.SetRow(row);
}

void layout(GridModel& grid, const QList<Column>& columns)
{
    grid.SetReDraw(false);
    grid.SetMaxRows(0);
    grid.SetMaxCols(int(columns.size()) - 1);
    grid.SetOperationMode(3);
    grid.SetScrollBars(2);
    grid.SetRowHeight(-1, 35 * gTwipsX);
    grid.SetRowHeight(0, 30 * gTwipsY);
    for (const auto& [col, row] : {std::pair{-1, -1}, std::pair{0, -1}, std::pair{-1, 0}, std::pair{0, 0}}) {
        setAll(grid, col, row);
        grid.SetFontSize(12);
    }
    for (int c = 0; c < columns.size(); ++c) {
        const Column& column = columns[c];
        grid.SetText(c, 0, QString::fromUtf8(column.header));
        grid.SetColWidth(c, column.width * gTwipsX);
        if (c == 0)
            continue;
        setAll(grid, c, -1);
        grid.SetColHidden(!column.shown);
        if (column.kind >= 0)
            SpreadSetCellType(&grid, c, column.kind, QString());
    }
    스프레드_색상초기화7(&grid);
    for (int c = 0; c <= grid.MaxCols(); ++c) {
        setAll(grid, c, 0);
        grid.SetCellType(GridCellType::OwnerDrawn);
    }
    grid.SetReDraw(true);
}

int toPixels(int twips, int factor)
{
    return int(std::nearbyint(double(twips) / factor));
}

} // namespace

void LayoutMemberListGrid(GridModel& grid)
{
    layout(grid, {{"NO", 35, true, -1},
                  {"AN", 35, false, 4},
                  {"휴대폰", 200, true, 4},
                  {"이름", 120, true, 4},
                  {"생일", 80, false, 4},
                  {"성별", 40, false, 4},
                  {"메모", 107, false, 3}});
}

void LayoutHistoryGrid(GridModel& grid)
{
    layout(grid, {{"", 35, true, -1},
                  {"", 35, false, -1},
                  {"예약일시", 80, true, 4},
                  {"예약자", 65, false, 4},
                  {"모임명", 120, true, 4},
                  {"좌석", 65, true, 4},
                  {"인원", 53, true, 4},
                  {"접수", 35, false, 4},
                  {"담당자", 55, false, 4},
                  {"요청사항", 120, false, 4},
                  {"예약상품", 65, false, 4},
                  {"상태", 35, false, 4},
                  {"예약일시2", 100, false, 4},
                  {"좌석2", 30, false, 4}});
}

void FillMemberListGrid(GridModel& grid, const QList<MemberListRecord>& members)
{
    grid.SetMaxRows(int(members.size()));
    for (int i = 0; i < members.size(); ++i) {
        const MemberListRecord& m = members[i];
        const int row = i + 1;
        grid.SetText(1, row, m.num);
        grid.SetText(2, row, MemberListPhone(m.phone));
        grid.SetText(3, row, m.name);
        grid.SetText(4, row, m.birthday);
        grid.SetText(5, row, m.sex);
        grid.SetText(6, row, m.memo);
    }
}

void FillHistoryGrid(GridModel& grid, const MemberHistory& history)
{
    grid.SetMaxRows(int(history.rows.size()));
    for (int i = 0; i < history.rows.size(); ++i) {
        const MemberHistoryRow& entry = history.rows[i];
        const int row = i + 1;
        for (int col : {1, 2, 12, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13})
            grid.SetText(col, row, entry.cells[col]);
        grid.SetRow(row);
        for (int col = 1; col <= grid.MaxCols(); ++col) {
            grid.SetCol(col);
            grid.SetForeColor(entry.foreColor);
            grid.SetFontItalic(entry.italic);
        }
        grid.SetRowHeight(row, 35 * gTwipsX);
    }
}

void DrawMemberGridHeader(const GridModel& grid, int col, int row, QPainter& dc, int x, int y, int x2, int y2)
{
    if (row != 0)
        return;
    const QRect cell(QPoint(toPixels(x, gTwipsX), toPixels(y, gTwipsY)),
                     QPoint(toPixels(x2, gTwipsX) - 1, toPixels(y2, gTwipsY) - 1));
    dc.save();
    dc.fillRect(cell, QColor(232, 246, 255));
    dc.setPen(Qt::black);
    dc.setClipRect(cell);
    DrawFittedText(dc, cell, Qt::AlignCenter | Qt::TextSingleLine, grid.GetText(col, row));
    dc.restore();
}
