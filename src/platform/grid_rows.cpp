// Whole-row operations of the grid model: sorting, swapping, blocks of texts.
#include "platform/grid_model.h"

#include <algorithm>

namespace {

// Numbers compare as numbers, anything else as text.
int CompareTexts(const QString& a, const QString& b)
{
    bool aNumber = false;
    bool bNumber = false;
    const double x = a.trimmed().toDouble(&aNumber);
    const double y = b.trimmed().toDouble(&bNumber);
    if (aNumber && bNumber)
        return x < y ? -1 : (x > y ? 1 : 0);
    return a.compare(b);
}

} // namespace

bool GridModel::LessByKeys(const RowData& a, const RowData& b) const
{
    for (auto key = m_sortKeys.cbegin(); key != m_sortKeys.cend(); ++key) {
        const int col = key.value();
        if (col < 1 || col > MaxCols())
            continue;
        const int order = CompareTexts(a.cells[col].text, b.cells[col].text);
        if (order != 0)
            return SortKeyOrder(key.key()) == 2 ? order > 0 : order < 0;
    }
    return false;
}

void GridModel::SortRows(int, int row, int, int row2, int sortBy)
{
    if (sortBy != 0)
        return;
    if (row == -1) {
        row = 1;
        row2 = MaxRows();
    }
    const int first = LineOf(row);
    const int last = LineOf(row2);
    if (row < 1 || first < 0 || last < first)
        return;
    std::stable_sort(m_rows.begin() + first, m_rows.begin() + last + 1,
                     [this](const RowData& a, const RowData& b) { return LessByKeys(a, b); });
    Changed();
}

void GridModel::SwapRows(int row, int row2, int dest)
{
    const int count = row2 - row + 1;
    if (count < 1 || row < 1 || dest < 1 || row2 > MaxRows() || dest + count - 1 > MaxRows())
        return;
    if (dest < row + count && row < dest + count && dest != row)
        return;   // overlapping blocks cannot be exchanged
    for (int i = 0; i < count; ++i)
        std::swap(m_rows[LineOf(row + i)], m_rows[LineOf(dest + i)]);
    Changed();
}

QVector<QVector<QString>> GridModel::GetArray(int col, int row, int cols, int rows) const
{
    QVector<QVector<QString>> block;
    for (int r = 0; r < rows; ++r) {
        QVector<QString> line;
        for (int c = 0; c < cols; ++c)
            line.append(GetText(col + c, row + r));
        block.append(line);
    }
    return block;
}

void GridModel::SetArray(int col, int row, const QVector<QVector<QString>>& block)
{
    for (int r = 0; r < block.size(); ++r) {
        const int line = LineOf(row + r);
        for (int c = 0; c < block[r].size(); ++c) {
            if (line >= 0 && ValidCol(col + c))
                m_rows[line].cells[col + c].text = block[r][c];
        }
    }
    Changed();
}
