#include "platform/grid_painter.h"

#include <QImage>
#include <QLocale>

#include <climits>

namespace {

const QColor kGridGray(192, 192, 192);

int Flags(const GridCell& cell)
{
    int flags = cell.hAlign == GridAlign::Right ? Qt::AlignRight
              : cell.hAlign == GridAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    flags |= cell.vAlign == GridAlign::Top ? Qt::AlignTop
           : cell.vAlign == GridAlign::Bottom ? Qt::AlignBottom : Qt::AlignVCenter;
    if (cell.wordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

} // namespace

GridPainter::GridPainter(const GridModel& grid, QPainter& painter, const QSize& area, OwnerDraw ownerDraw)
    : m_grid(grid), m_painter(painter), m_area(area), m_ownerDraw(std::move(ownerDraw)),
      m_cols(grid.ColumnAxis()), m_rows(grid.RowAxis())
{
    m_visibleCols = VisibleLines(m_cols, false, area.width());
    m_visibleRows = VisibleLines(m_rows, true, area.height());
}

std::vector<GridPainter::Line> GridPainter::VisibleLines(const GridAxis& axis, bool rows, int limit) const
{
    std::vector<Line> lines;
    for (int h = 0; h < axis.headerCount(); ++h) {
        const GridAxis::Extent e = axis.header(h);
        if (e.end > e.start)
            lines.push_back({rows ? m_grid.HeaderRowAddress(h) : 0, e.start, e.end});
    }
    for (int index : axis.order()) {
        const GridAxis::Extent e = axis.data(index);
        if (e.start >= limit)
            break;
        if (e.end > e.start)
            lines.push_back({index, e.start, e.end});
    }
    return lines;
}

QString GridPainter::DisplayText(const GridCell& cell, int col, int row)
{
    if (col == 0 && row > 0 && cell.text.isEmpty())
        return QString::number(row);
    if (cell.type == GridCellType::Number) {
        bool ok = false;
        const double value = cell.text.trimmed().toDouble(&ok);
        if (ok) {
            QLocale locale = QLocale::c();
            if (!cell.numberShowSep)
                locale.setNumberOptions(QLocale::OmitGroupSeparator);
            else
                locale.setNumberOptions({});
            return locale.toString(value, 'f', cell.numberDecPlaces);
        }
    }
    QString text = cell.text;
    return text.replace("\r\n", "\n");
}

const QFont& GridPainter::FontOf(const GridCell& cell)
{
    const QString key = QString("%1|%2|%3|%4").arg(cell.fontName).arg(cell.fontSize).arg(cell.fontBold).arg(cell.fontItalic);
    auto found = m_fonts.find(key);
    if (found == m_fonts.end()) {
        QFont font(cell.fontName);
        font.setPointSizeF(cell.fontSize > 0 ? cell.fontSize : 9);
        font.setBold(cell.fontBold);
        font.setItalic(cell.fontItalic);
        found = m_fonts.insert(key, font);
    }
    return *found;
}

QRect GridPainter::SpanRect(int col, int row, int cols, int rows) const
{
    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
    for (const Line& c : m_visibleCols) {
        if (c.address >= col && c.address < col + cols) {
            left = std::min(left, c.start);
            right = std::max(right, c.end);
        }
    }
    for (const Line& r : m_visibleRows) {
        if (r.address >= row && r.address < row + rows) {
            top = std::min(top, r.start);
            bottom = std::max(bottom, r.end);
        }
    }
    return left < right && top < bottom ? QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) : QRect();
}

void GridPainter::ForEachShownCell(const std::function<void(int col, int row, const QRect& rect)>& visit) const
{
    std::set<std::pair<int, int>> spansDone;
    for (const Line& r : m_visibleRows) {
        for (const Line& c : m_visibleCols) {
            int col0 = 0, row0 = 0, cols = 0, rows = 0;
            if (!m_grid.GetCellSpan(c.address, r.address, &col0, &row0, &cols, &rows)) {
                visit(c.address, r.address, QRect(QPoint(c.start, r.start), QPoint(c.end - 1, r.end - 1)));
            } else if (spansDone.insert({col0, row0}).second) {
                visit(col0, row0, SpanRect(col0, row0, cols, rows));
            }
        }
    }
}

void GridPainter::paint()
{
    m_painter.fillRect(QRect(QPoint(0, 0), m_area), ToQColor(m_grid.GrayAreaBackColor(), Qt::gray));
    ForEachShownCell([this](int col, int row, const QRect& rect) { PaintCell(col, row, rect); });
    PaintEdges();
}

std::vector<GridPainter::CellText> GridPainter::ShownTexts(const GridModel& grid, const QSize& area)
{
    QImage nowhere(1, 1, QImage::Format_RGB32);
    QPainter painter(&nowhere);
    GridPainter measuring(grid, painter, area, {});
    std::vector<CellText> texts;
    measuring.ForEachShownCell([&](int col, int row, const QRect& rect) {
        const GridCell* cell = grid.CellAt(col, row);
        if (!cell || rect.isEmpty() || cell->type == GridCellType::OwnerDrawn
            || (cell->type == GridCellType::CheckBox && col != 0 && row > 0))
            return;
        if (auto text = measuring.TextOf(*cell, col, row, rect))
            texts.push_back(*text);
    });
    return texts;
}

std::optional<GridPainter::CellText> GridPainter::TextOf(const GridCell& cell, int col, int row, const QRect& rect)
{
    const QString text = DisplayText(cell, col, row);
    if (text.isEmpty())
        return std::nullopt;
    const QRect box = rect.adjusted(2, 1, -2, -1);
    const QFont& font = FontOf(cell);
    return CellText{col, row, box, Flags(cell), font, text, FitText(text, font, box.size(), Flags(cell))};
}

void GridPainter::PaintCell(int col, int row, const QRect& rect)
{
    const GridCell* cell = m_grid.CellAt(col, row);
    if (!cell || rect.isEmpty())
        return;
    const bool header = col == 0 || row <= 0;
    OleColor back = cell->backColor;
    OleColor fore = cell->foreColor;
    OleColor backOdd, foreOdd, backEven, foreEven;
    m_grid.GetOddEvenRowColor(&backOdd, &foreOdd, &backEven, &foreEven);
    const OleColor schemeBack = header ? m_grid.ShadowColor() : (row % 2 ? backOdd : backEven);
    const OleColor schemeFore = header ? m_grid.ShadowText() : (row % 2 ? foreOdd : foreEven);
    if (!header && m_grid.OperationMode() == GridModel::ModeSingleSelect && row == m_grid.ActiveRow()) {
        back = m_grid.SelBackColor() != kNoColor ? m_grid.SelBackColor() : back;
        fore = m_grid.SelForeColor() != kNoColor ? m_grid.SelForeColor() : fore;
    }
    m_painter.fillRect(rect, ToQColor(back, ToQColor(schemeBack, Qt::white)));

    m_painter.setPen(header && m_grid.ShadowDark() != kNoColor ? ToQColor(m_grid.ShadowDark(), kGridGray)
                                                                : ToQColor(m_grid.GridColor(), kGridGray));
    m_painter.drawLine(rect.topRight(), rect.bottomRight());
    m_painter.drawLine(rect.bottomLeft(), rect.bottomRight());

    if (cell->type == GridCellType::OwnerDrawn) {
        if (m_ownerDraw) {
            m_painter.save();
            m_painter.setClipRect(rect);
            m_ownerDraw(m_painter, col, row, rect);
            m_painter.restore();
        }
        return;
    }
    if (cell->type == GridCellType::CheckBox && !header) {
        PaintCheck(*cell, rect);
        return;
    }
    const std::optional<CellText> text = TextOf(*cell, col, row, rect);
    if (!text)
        return;
    m_painter.save();
    m_painter.setClipRect(rect);
    m_painter.setFont(text->shown.font);
    m_painter.setPen(ToQColor(fore, ToQColor(schemeFore, Qt::black)));
    m_painter.drawText(text->box, text->flags, text->shown.text);
    m_painter.restore();
}

void GridPainter::PaintCheck(const GridCell& cell, const QRect& rect)
{
    const bool checked = cell.text.trimmed().toInt() == 1;
    const QPixmap picture = cell.checkPictures ? (*cell.checkPictures)[checked ? 1 : 0] : QPixmap();
    const QSize size = picture.isNull() ? QSize(13, 13) : picture.size();
    QRect box(QPoint(0, 0), size);
    box.moveCenter(rect.center());
    if (!cell.checkCenter)
        box.moveLeft(rect.left() + 2);
    if (!picture.isNull()) {
        m_painter.drawPixmap(box.topLeft(), picture);
        return;
    }
    m_painter.setPen(Qt::black);
    m_painter.setBrush(Qt::white);
    m_painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (checked) {
        m_painter.drawLine(box.left() + 3, box.center().y(), box.center().x() - 1, box.bottom() - 3);
        m_painter.drawLine(box.center().x() - 1, box.bottom() - 3, box.right() - 3, box.top() + 3);
    }
    m_painter.setBrush(Qt::NoBrush);
}

bool GridPainter::SameSpan(int col, int row, int col2, int row2) const
{
    int a[4], b[4];
    return m_grid.GetCellSpan(col, row, &a[0], &a[1], &a[2], &a[3])
        && m_grid.GetCellSpan(col2, row2, &b[0], &b[1], &b[2], &b[3]) && a[0] == b[0] && a[1] == b[1];
}

void GridPainter::PaintEdges()
{
    auto draw = [this](const GridEdge& edge, QPoint from, QPoint to) {
        if (edge.style == 0)
            return;
        m_painter.setPen(ToQColor(edge.color, ToQColor(m_grid.GridColor(), kGridGray)));
        m_painter.drawLine(from, to);
    };
    // Each cell draws its left and top edge; the last column and row shown also their far edge.
    // Edges inside a span are not drawn.
    for (size_t ri = 0; ri < m_visibleRows.size(); ++ri) {
        const Line& r = m_visibleRows[ri];
        const int below = m_grid.NextRowAddress(r.address);
        for (size_t ci = 0; ci < m_visibleCols.size(); ++ci) {
            const Line& c = m_visibleCols[ci];
            if (c.address < 1)
                continue;
            const QPoint topLeft(c.start, r.start), bottomRight(c.end, r.end);
            if (!SameSpan(c.address - 1, r.address, c.address, r.address))
                draw(m_grid.LeftEdge(c.address, r.address), topLeft, QPoint(c.start, r.end - 1));
            if (!SameSpan(c.address, r.address, c.address, r.address - 1))
                draw(m_grid.TopEdge(c.address, r.address), topLeft, QPoint(c.end - 1, r.start));
            if (ci + 1 == m_visibleCols.size())
                draw(m_grid.LeftEdge(c.address + 1, r.address), QPoint(c.end - 1, r.start), bottomRight - QPoint(1, 1));
            if (ri + 1 == m_visibleRows.size())
                draw(m_grid.TopEdge(c.address, below), QPoint(c.start, r.end - 1), bottomRight - QPoint(1, 1));
        }
    }
}
