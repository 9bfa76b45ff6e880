// Spans and edges of the grid model.
#include "platform/grid_model.h"

#include <algorithm>
#include <set>

int GridModel::SpanSlotAt(int col, int line) const
{
    if (line < 0 || line >= int(m_rows.size()) || !ValidCol(col))
        return -1;
    return m_spanAt[line * (MaxCols() + 1) + col];
}

void GridModel::IndexSpan(int slot)
{
    const Span& span = m_spans[slot];
    const int stride = MaxCols() + 1;
    for (int line = span.line; line < span.line + span.lines; ++line) {
        for (int col = span.col; col < span.col + span.cols; ++col)
            m_spanAt[line * stride + col] = slot;
    }
}

void GridModel::RebuildSpanIndex()
{
    m_spanAt.assign(m_rows.size() * (MaxCols() + 1), -1);
    for (int slot = 0; slot < int(m_spans.size()); ++slot)
        IndexSpan(slot);
}

void GridModel::DropSpansOutside()
{
    const int lines = int(m_rows.size());
    bool changed = false;
    std::vector<Span> kept;
    for (Span span : m_spans) {
        if (span.line >= lines || span.col > MaxCols()) {
            changed = true;
            continue;
        }
        const int maxLines = (span.line < m_headerRows ? m_headerRows : lines) - span.line;
        if (span.lines > maxLines || span.cols > MaxCols() + 1 - span.col) {
            span.lines = std::min(span.lines, maxLines);
            span.cols = std::min(span.cols, MaxCols() + 1 - span.col);
            changed = true;
        }
        kept.push_back(span);
    }
    if (changed) {
        m_spans = kept;
        RebuildSpanIndex();
    }
}

void GridModel::RemoveSpanSlot(int slot)
{
    m_spans.erase(m_spans.begin() + slot);
    RebuildSpanIndex();
}

void GridModel::AddCellSpan(int col, int row, int cols, int rows)
{
    const int line = LineOf(row);
    if (cols < 1 || rows < 1 || line < 0 || col < 1 || col > MaxCols())
        return;
    // A span stays within the header rows or within the data rows, and within the columns.
    const int lastLine = line < m_headerRows ? m_headerRows : int(m_rows.size());
    Span span{col, line, std::min(cols, MaxCols() + 1 - col), std::min(rows, lastLine - line)};

    std::set<int, std::greater<int>> covered;   // earlier spans that the new one overlaps give way
    for (int l = span.line; l < span.line + span.lines; ++l) {
        for (int c = span.col; c < span.col + span.cols; ++c) {
            if (const int slot = SpanSlotAt(c, l); slot >= 0)
                covered.insert(slot);
        }
    }
    for (int slot : covered)
        m_spans.erase(m_spans.begin() + slot);
    m_spans.push_back(span);
    if (covered.empty())
        IndexSpan(int(m_spans.size()) - 1);
    else
        RebuildSpanIndex();
    Changed();
}

bool GridModel::GetCellSpan(int col, int row, int* col0, int* row0, int* cols, int* rows) const
{
    const int slot = SpanSlotAt(col, LineOf(row));
    if (slot < 0)
        return false;
    const Span& span = m_spans[slot];
    *col0 = span.col;
    *row0 = span.line < m_headerRows ? HeaderRowAddress(span.line) : span.line - m_headerRows + 1;
    *cols = span.cols;
    *rows = span.lines;
    return true;
}

void GridModel::RemoveCellSpan(int col, int row)
{
    const int slot = SpanSlotAt(col, LineOf(row));
    if (slot < 0)
        return;
    RemoveSpanSlot(slot);
    Changed();
}

// ---- edges ----------------------------------------------------------------------------------

namespace {
enum Side { Left = 1, Right = 2, Top = 4, Bottom = 8, Outline = 16 };
}

void GridModel::SetEdge(int col, int line, int side, const GridEdge& edge)
{
    RowData& row = m_rows[line];
    switch (side) {
    case Left: row.left[col] = edge; break;
    case Right: row.left[col + 1] = edge; break;
    case Top: row.top[col] = edge; break;
    case Bottom:
        if (line + 1 < int(m_rows.size()))
            m_rows[line + 1].top[col] = edge;
        else
            m_bottom[col] = edge;
        break;
    }
}

void GridModel::SetCellBorder(int col, int row, int col2, int row2, int sides, OleColor color, int style)
{
    if (col == -1) {
        col = 1;
        col2 = MaxCols();
    }
    if (row == -1) {
        row = 1;
        row2 = MaxRows();
    }
    const GridEdge edge{color, style};
    const int each = (sides & Outline) ? (Left | Right | Top | Bottom) : sides;
    for (int r = row; r <= row2; ++r) {
        const int line = LineOf(r);
        if (line < 0)
            continue;
        for (int c = std::max(col, 1); c <= std::min(col2, MaxCols()); ++c) {
            for (int side : {Left, Right, Top, Bottom}) {
                if (each & side)
                    SetEdge(c, line, side, edge);
            }
        }
    }
    Changed();
}

GridEdge GridModel::LeftEdge(int col, int row) const
{
    const int line = LineOf(row);
    if (line < 0 || col < 0 || col > MaxCols() + 1)
        return {};
    return m_rows[line].left[col];
}

GridEdge GridModel::TopEdge(int col, int row) const
{
    if (!ValidCol(col))
        return {};
    if (row == MaxRows() + 1)
        return m_bottom[col];
    const int line = LineOf(row);
    return line >= 0 ? m_rows[line].top[col] : GridEdge{};
}
