#include "platform/grid_model.h"

#include "platform/twips.h"

#include <algorithm>
#include <map>

namespace {

GridCell HeaderStyle()
{
    GridCell cell;
    cell.type = GridCellType::StaticText;
    cell.hAlign = GridAlign::Center;
    return cell;
}

} // namespace

GridModel::GridModel()
    : m_headerStyle(HeaderStyle()),
      m_defaultRowHeight(PixelsToTwips(20)),
      m_defaultHeaderHeight(PixelsToTwips(20)),
      m_defaultColWidth(PixelsToTwips(64))
{
    m_cols.push_back({HeaderStyle(), PixelsToTwips(35), false});
    m_rows.push_back(NewRow(true));
    m_bottom.resize(1);
    m_spanAt.assign(1, -1);
}

// ---- size -----------------------------------------------------------------------------------

GridModel::RowData GridModel::NewRow(bool header) const
{
    RowData row;
    const int cols = MaxCols();
    row.cells.reserve(cols + 1);
    for (int c = 0; c <= cols; ++c)
        row.cells.push_back(header ? m_headerStyle.style() : m_cols[c].style.style());
    row.left.resize(cols + 2);
    row.top.resize(cols + 1);
    row.height = header ? m_defaultHeaderHeight : m_defaultRowHeight;
    return row;
}

void GridModel::SetMaxRows(int rows)
{
    if (rows < 0)
        return;
    const int current = MaxRows();
    const int stride = MaxCols() + 1;
    if (rows > current) {
        for (int r = current; r < rows; ++r) {
            m_rows.push_back(NewRow(false));
            if (r == current) {
                m_rows.back().top = m_bottom;    // the line under the old last row stays put
                m_bottom.assign(stride, GridEdge{});
            }
        }
        m_spanAt.resize(m_rows.size() * stride, -1);
    } else if (rows < current) {
        m_rows.resize(m_headerRows + rows);
        m_activeRow = std::clamp(m_activeRow, 1, std::max(1, rows));
        m_topRow = std::clamp(m_topRow, 1, std::max(1, rows));
        m_bottom.assign(stride, GridEdge{});
        m_spanAt.resize(m_rows.size() * stride);
        DropSpansOutside();
    }
    Changed();
}

void GridModel::SetMaxCols(int cols)
{
    if (cols < 0)
        return;
    ResizeColumns(cols);
    DropSpansOutside();
    RebuildSpanIndex();
    Changed();
}

void GridModel::ResizeColumns(int cols)
{
    const int current = MaxCols();
    m_cols.resize(cols + 1);
    for (int c = current + 1; c <= cols; ++c)
        m_cols[c] = {m_sheetStyle.style(), m_defaultColWidth, false};
    for (int line = 0; line < int(m_rows.size()); ++line) {
        RowData& row = m_rows[line];
        const bool header = line < m_headerRows;
        row.cells.resize(cols + 1);
        for (int c = current + 1; c <= cols; ++c)
            row.cells[c] = header ? m_headerStyle.style() : m_cols[c].style.style();
        row.left.resize(cols + 2);
        row.top.resize(cols + 1);
        if (cols == 0)
            row.left[1] = {};   // the left edge of the old first column
    }
    m_bottom.resize(cols + 1);
}

void GridModel::SetColHeaderRows(int rows)
{
    if (rows < 1 || rows == m_headerRows)
        return;
    const int shift = rows - m_headerRows;
    if (shift > 0) {
        for (int i = 0; i < shift; ++i)
            m_rows.insert(m_rows.begin() + m_headerRows, NewRow(true));
    } else {
        m_rows.erase(m_rows.begin() + rows, m_rows.begin() + m_headerRows);
    }
    std::vector<Span> kept;
    for (Span span : m_spans) {
        if (span.line >= m_headerRows)
            span.line += shift;
        else if (span.line >= rows)
            continue;
        else
            span.lines = std::min(span.lines, rows - span.line);
        kept.push_back(span);
    }
    m_spans = kept;
    m_headerRows = rows;
    RebuildSpanIndex();
    Changed();
}

int GridModel::LineOf(int row) const
{
    if (row >= 1 && row <= MaxRows())
        return m_headerRows + row - 1;
    if (row == 0)
        return 0;
    if (row >= -1000 && row < -1000 + m_headerRows)
        return row + 1000;
    return -1;
}

int GridModel::NextRowAddress(int row) const
{
    const int line = LineOf(row);
    if (line >= 0 && line + 1 < m_headerRows)
        return HeaderRowAddress(line + 1);
    return line >= 0 && line < m_headerRows ? 1 : row + 1;
}

const GridCell* GridModel::CellAt(int col, int row) const
{
    const int line = LineOf(row);
    if (line < 0 || !ValidCol(col))
        return nullptr;
    return &m_rows[line].cells[col];
}

// ---- the current cells ----------------------------------------------------------------------

const GridCell& GridModel::Current() const
{
    static const GridCell none;
    if (m_row == -1 && m_col == -1)
        return m_sheetStyle;
    if (m_row == -1)
        return ValidCol(m_col) ? m_cols[m_col].style : none;
    const int col = m_col == -1 ? 1 : m_col;
    const GridCell* cell = CellAt(col, m_row);
    if (cell)
        return *cell;
    return m_col == -1 && LineOf(m_row) >= 0 && LineOf(m_row) < m_headerRows ? m_headerStyle : none;
}

void GridModel::ForEachCurrentCell(const std::function<void(GridCell&)>& change)
{
    std::vector<int> cols;
    if (m_col == -1) {
        for (int c = 1; c <= MaxCols(); ++c)
            cols.push_back(c);
    } else if (ValidCol(m_col)) {
        cols.push_back(m_col);
    }
    if (m_row == -1) {
        for (int c : cols)
            change(m_cols[c].style);
        if (m_col == -1)
            change(m_sheetStyle);
        for (int line = m_headerRows; line < int(m_rows.size()); ++line) {
            for (int c : cols)
                change(m_rows[line].cells[c]);
        }
    } else {
        const int line = LineOf(m_row);
        if (line < 0)
            return;
        if (line < m_headerRows && m_col == -1)
            change(m_headerStyle);
        for (int c : cols)
            change(m_rows[line].cells[c]);
    }
    Changed();
}

void GridModel::SetText(const QString& text)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.text = text; });
}

void GridModel::SetText(int col, int row, const QString& text)
{
    const int line = LineOf(row);
    if (line < 0 || !ValidCol(col))
        return;
    m_rows[line].cells[col].text = text;
    Changed();
}

QString GridModel::GetText(int col, int row) const
{
    const GridCell* cell = CellAt(col, row);
    return cell ? cell->text : QString();
}

void GridModel::SetCellNote(const QString& note)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.note = note; });
}

int GridModel::Value() const
{
    return Current().text.trimmed().toInt();
}

void GridModel::SetValue(int value)
{
    SetText(QString::number(value));
}

void GridModel::SetCellType(int type)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.type = type; });
}

void GridModel::SetTypeHAlign(int align)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.hAlign = align; });
}

void GridModel::SetTypeVAlign(int align)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.vAlign = align; });
}

void GridModel::SetTypeTextWordWrap(bool wrap)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.wordWrap = wrap; });
}

void GridModel::SetTypeNumberShowSep(bool show)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.numberShowSep = show; });
}

void GridModel::SetTypeNumberDecPlaces(int places)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.numberDecPlaces = places; });
}

void GridModel::SetTypeCheckType(int type)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.checkType = type; });
}

void GridModel::SetTypeCheckCenter(bool center)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.checkCenter = center; });
}

QPixmap GridModel::TypeCheckPicture(int state) const
{
    const auto& pictures = Current().checkPictures;
    if (!pictures || state < 0 || state > 3)
        return QPixmap();
    return (*pictures)[state];
}

void GridModel::SetTypeCheckPicture(int state, const QPixmap& picture)
{
    if (state < 0 || state > 3)
        return;
    // Cells that shared one set of pictures keep sharing the changed set.
    std::map<const CheckPictures*, std::shared_ptr<const CheckPictures>> changed;
    ForEachCurrentCell([&](GridCell& cell) {
        auto& replacement = changed[cell.checkPictures.get()];
        if (!replacement) {
            auto pictures = cell.checkPictures ? std::make_shared<CheckPictures>(*cell.checkPictures)
                                               : std::make_shared<CheckPictures>();
            (*pictures)[state] = picture;
            replacement = pictures;
        }
        cell.checkPictures = replacement;
    });
}

void GridModel::SetFontName(const QString& name)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.fontName = name; });
}

void GridModel::SetFontSize(double size)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.fontSize = size; });
}

void GridModel::SetFontBold(bool bold)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.fontBold = bold; });
}

void GridModel::SetFontItalic(bool italic)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.fontItalic = italic; });
}

void GridModel::SetForeColor(OleColor color)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.foreColor = color; });
}

void GridModel::SetBackColor(OleColor color)
{
    ForEachCurrentCell([&](GridCell& cell) { cell.backColor = color; });
}

// ---- sizes and hidden lines -----------------------------------------------------------------

double GridModel::ColWidth(int col) const
{
    if (col == -1)
        return m_defaultColWidth;
    return ValidCol(col) ? m_cols[col].width : 0;
}

void GridModel::SetColWidth(int col, double twips)
{
    if (twips < 0)
        return;
    if (col == -1) {
        m_defaultColWidth = twips;
        for (int c = 1; c <= MaxCols(); ++c)
            m_cols[c].width = twips;
    } else if (ValidCol(col)) {
        m_cols[col].width = twips;
    }
    Changed();
}

double GridModel::RowHeight(int row) const
{
    if (row == -1)
        return m_defaultRowHeight;
    const int line = LineOf(row);
    return line >= 0 ? m_rows[line].height : 0;
}

void GridModel::SetRowHeight(int row, double twips)
{
    if (twips < 0)
        return;
    if (row == -1) {
        m_defaultRowHeight = twips;
        for (int line = m_headerRows; line < int(m_rows.size()); ++line)
            m_rows[line].height = twips;
    } else if (const int line = LineOf(row); line >= 0) {
        m_rows[line].height = twips;
        if (line == 0)
            m_defaultHeaderHeight = twips;
    }
    Changed();
}

bool GridModel::ColHidden() const
{
    const int col = m_col == -1 ? 1 : m_col;
    return ValidCol(col) && m_cols[col].hidden;
}

void GridModel::SetColHidden(bool hidden)
{
    if (m_col == -1) {
        for (int c = 1; c <= MaxCols(); ++c)
            m_cols[c].hidden = hidden;
    } else if (ValidCol(m_col)) {
        m_cols[m_col].hidden = hidden;
    }
    Changed();
}

bool GridModel::RowHidden() const
{
    const int line = LineOf(m_row == -1 ? 1 : m_row);
    return line >= 0 && m_rows[line].hidden;
}

void GridModel::SetRowHidden(bool hidden)
{
    if (m_row == -1) {
        for (int line = m_headerRows; line < int(m_rows.size()); ++line)
            m_rows[line].hidden = hidden;
    } else if (const int line = LineOf(m_row); line >= 0) {
        m_rows[line].hidden = hidden;
    }
    Changed();
}

// ---- view settings --------------------------------------------------------------------------

void GridModel::SetColsFrozen(int cols)
{
    if (cols < 0)
        return;
    m_colsFrozen = cols;
    Changed();
}

void GridModel::SetLeftCol(int col)
{
    if (col < 1 || col > MaxCols())
        return;
    m_leftCol = col;
    Changed();
}

void GridModel::SetTopRow(int row)
{
    if (row < 1 || row > MaxRows())
        return;
    m_topRow = row;
    Changed();
}

void GridModel::SetReDraw(bool on)
{
    m_reDraw = on;
    Changed();
}

void GridModel::SetOddEvenRowColor(OleColor backOdd, OleColor foreOdd, OleColor backEven, OleColor foreEven)
{
    m_backOdd = backOdd;
    m_foreOdd = foreOdd;
    m_backEven = backEven;
    m_foreEven = foreEven;
    Changed();
}

void GridModel::GetOddEvenRowColor(OleColor* backOdd, OleColor* foreOdd, OleColor* backEven,
                                   OleColor* foreEven) const
{
    *backOdd = m_backOdd;
    *foreOdd = m_foreOdd;
    *backEven = m_backEven;
    *foreEven = m_foreEven;
}

void GridModel::SetTextTipAppearance(const QString& fontName, double fontSize, bool bold, bool italic,
                                     OleColor backColor, OleColor foreColor)
{
    m_tip = {fontName, fontSize, bold, italic, backColor, foreColor};
}

void GridModel::SetActiveCell(int col, int row)
{
    if (col < 1 || col > MaxCols() || row < 1 || row > MaxRows())
        return;
    m_activeCol = col;
    m_activeRow = row;
    Changed();
}
