#pragma once

#include "platform/grid_model.h"
#include "platform/text_fit.h"

#include <QFont>
#include <QHash>
#include <QPainter>

#include <functional>
#include <optional>
#include <set>

// Paints a grid model into a rectangle of a painter: cells with their colours, texts, check
// boxes and owner-drawn cells, spans drawn as one cell, grid lines, then the edges set with
// SetCellBorder on top. Owner-drawn cells are handed to the callback with the cell's rectangle.
class GridPainter
{
public:
    using OwnerDraw = std::function<void(QPainter&, int col, int row, const QRect& cell)>;

    GridPainter(const GridModel& grid, QPainter& painter, const QSize& area, OwnerDraw ownerDraw);
    void paint();

    // The text a cell shows: number cells formatted, empty row headers numbered.
    static QString DisplayText(const GridCell& cell, int col, int row);

    // A text as a cell draws it: its box, flags and font, fitted to the box.
    struct CellText {
        int col, row;
        QRect box;
        int flags;
        QFont font;
        QString text;
        FittedText shown;
    };
    // The texts of the cells shown in the area (owner-drawn cells and check boxes left out).
    static std::vector<CellText> ShownTexts(const GridModel& grid, const QSize& area);

private:
    struct Line {
        int address;    // row or column address
        int start, end; // pixels
    };
    std::vector<Line> VisibleLines(const GridAxis& axis, bool rows, int limit) const;
    QRect SpanRect(int col, int row, int cols, int rows) const;
    void ForEachShownCell(const std::function<void(int col, int row, const QRect& rect)>& visit) const;
    void PaintCell(int col, int row, const QRect& rect);
    std::optional<CellText> TextOf(const GridCell& cell, int col, int row, const QRect& rect);
    void PaintCheck(const GridCell& cell, const QRect& rect);
    void PaintEdges();
    bool SameSpan(int col, int row, int col2, int row2) const;
    const QFont& FontOf(const GridCell& cell);

    const GridModel& m_grid;
    QPainter& m_painter;
    QSize m_area;
    OwnerDraw m_ownerDraw;
    GridAxis m_cols;
    GridAxis m_rows;
    std::vector<Line> m_visibleCols;
    std::vector<Line> m_visibleRows;
    QHash<QString, QFont> m_fonts;
};
