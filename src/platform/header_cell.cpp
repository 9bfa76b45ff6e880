#include "platform/header_cell.h"

#include "platform/grid_model.h"
#include "platform/text_fit.h"
#include "platform/twips.h"

#include <QPainter>

void DrawHeaderCell(const GridModel& grid, int col, int row, QPainter& dc, int x, int y, int x2, int y2,
                    const QColor& back, const QColor& text)
{
    if (row != 0)
        return;
    const QRect cell(QPoint(TwipsToPixels(x), TwipsToPixels(y)), QPoint(TwipsToPixels(x2) - 1, TwipsToPixels(y2) - 1));
    dc.save();
    dc.fillRect(cell, back);
    if (const GridCell* header = grid.CellAt(col, row)) {
        QFont font(header->fontName);
        font.setPointSizeF(header->fontSize > 0 ? header->fontSize : 9);
        font.setBold(header->fontBold);
        dc.setFont(font);
    }
    dc.setPen(text);
    DrawFittedText(dc, cell, Qt::AlignCenter | Qt::TextSingleLine, grid.GetText(col, row));
    dc.restore();
}
