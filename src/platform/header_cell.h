#pragma once

#include <QColor>

class GridModel;
class QPainter;

// The owner-drawn header cells of the lists: a cell of the header row (row 0) is filled with the
// window's header colour and its text is drawn in the text colour (black unless given) on one
// line, centred both ways, in the cell's font. The rectangle (x, y) to (x2, y2) is in twips, as the grid's DrawItem event gives it.
// Cells of other rows are left alone.
void DrawHeaderCell(const GridModel& grid, int col, int row, QPainter& dc, int x, int y, int x2, int y2,
                    const QColor& back, const QColor& text = Qt::black);
