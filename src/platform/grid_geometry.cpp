// Where the cells of the grid model lie: both directions laid out, positions in twips.
#include "platform/grid_model.h"

#include "platform/twips.h"

std::vector<double> GridModel::DataColumnTwips() const
{
    std::vector<double> sizes;
    sizes.reserve(MaxCols());
    for (int c = 1; c <= MaxCols(); ++c)
        sizes.push_back(m_cols[c].hidden ? 0 : m_cols[c].width);
    return sizes;
}

std::vector<double> GridModel::DataRowTwips() const
{
    std::vector<double> sizes;
    sizes.reserve(MaxRows());
    for (int line = m_headerRows; line < int(m_rows.size()); ++line)
        sizes.push_back(m_rows[line].hidden ? 0 : m_rows[line].height);
    return sizes;
}

namespace {

// The furthest line (1-based) that may lead so that the lines from it to the last still fill
// the space; 1 when every line fits.
int LastUsefulFirst(const std::vector<double>& twips, int from, double spaceTwips)
{
    int first = int(twips.size()) + 1;
    double used = 0;
    while (first > from && used + twips[first - 2] <= spaceTwips) {
        used += twips[first - 2];
        --first;
    }
    return std::max(from, std::min(first, int(twips.size())));
}

double Sum(const std::vector<double>& twips, int count)
{
    double sum = 0;
    for (int i = 0; i < count && i < int(twips.size()); ++i)
        sum += twips[i];
    return sum;
}

} // namespace

int GridModel::MaxLeftCol() const
{
    const std::vector<double> widths = DataColumnTwips();
    const int frozen = std::min(m_colsFrozen, MaxCols());
    if (!ViewSize().isValid())
        return std::max(MaxCols(), frozen + 1);
    const double fixed = (m_displayRowHeaders && !m_cols[0].hidden ? m_cols[0].width : 0) + Sum(widths, frozen);
    return LastUsefulFirst(widths, frozen + 1, PixelsToTwips(ViewSize().width()) - fixed);
}

int GridModel::MaxTopRow() const
{
    const std::vector<double> heights = DataRowTwips();
    if (!ViewSize().isValid())
        return std::max(MaxRows(), 1);
    double fixed = 0;
    for (int line = 0; m_displayColHeaders && line < m_headerRows; ++line)
        fixed += m_rows[line].hidden ? 0 : m_rows[line].height;
    return LastUsefulFirst(heights, 1, PixelsToTwips(ViewSize().height()) - fixed);
}

GridAxis GridModel::ColumnAxis() const
{
    std::vector<double> header;
    if (m_displayRowHeaders)
        header.push_back(m_cols[0].hidden ? 0 : m_cols[0].width);
    return GridAxis(header, DataColumnTwips(), m_colsFrozen, std::min(m_leftCol, MaxLeftCol()));
}

GridAxis GridModel::RowAxis() const
{
    std::vector<double> header;
    for (int line = 0; m_displayColHeaders && line < m_headerRows; ++line)
        header.push_back(m_rows[line].hidden ? 0 : m_rows[line].height);
    return GridAxis(header, DataRowTwips(), 0, std::min(m_topRow, MaxTopRow()));
}

bool GridModel::GetCellFromScreenCoord(int* col, int* row, int x, int y) const
{
    const GridAxis::Hit across = ColumnAxis().at(TwipsToPixels(x));
    const GridAxis::Hit down = RowAxis().at(TwipsToPixels(y));
    if (across.kind == GridAxis::Hit::None || down.kind == GridAxis::Hit::None) {
        *col = -1;
        *row = -1;
        return false;
    }
    *col = across.kind == GridAxis::Hit::Header ? 0 : across.index;
    *row = down.kind == GridAxis::Hit::Header ? 0 : down.index;
    return true;
}

bool GridModel::GetCellPos(int col, int row, int* x, int* y, int* width, int* height) const
{
    const GridAxis columns = ColumnAxis();
    const GridAxis rows = RowAxis();
    const GridAxis::Extent across = col == 0 ? columns.header(0) : columns.data(col);
    const int line = LineOf(row);
    const GridAxis::Extent down = line < 0 ? GridAxis::Extent{}
                                  : line < m_headerRows ? rows.header(line)
                                                        : rows.data(row);
    if (!across.shown || !down.shown)
        return false;
    *x = int(PixelsToTwips(across.start));
    *y = int(PixelsToTwips(down.start));
    *width = int(PixelsToTwips(across.end - across.start));
    *height = int(PixelsToTwips(down.end - down.start));
    return true;
}
