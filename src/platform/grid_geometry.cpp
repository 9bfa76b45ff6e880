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

GridAxis GridModel::ColumnAxis() const
{
    std::vector<double> header;
    if (m_displayRowHeaders)
        header.push_back(m_cols[0].hidden ? 0 : m_cols[0].width);
    return GridAxis(header, DataColumnTwips(), m_colsFrozen, m_leftCol);
}

GridAxis GridModel::RowAxis() const
{
    std::vector<double> header;
    for (int line = 0; m_displayColHeaders && line < m_headerRows; ++line)
        header.push_back(m_rows[line].hidden ? 0 : m_rows[line].height);
    return GridAxis(header, DataRowTwips(), 0, m_topRow);
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
