#pragma once

#include "core/converters.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

// Sorting and searching of lists and two-column tables (key in column 0, value in column 1).
// The sorts compare texts by character codes (case-sensitive: "B" before "b"), numbers as numbers.

namespace sorting_detail {

template <typename List, typename Less>
void quickSort(List& list, qsizetype low, qsizetype high, Less less)
{
    while (low < high) {
        const auto pivot = list[low + (high - low) / 2];
        qsizetype i = low;
        qsizetype j = high;
        while (i <= j) {
            while (less(list[i], pivot))
                ++i;
            while (less(pivot, list[j]))
                --j;
            if (i <= j) {
                std::swap(list[i], list[j]);
                ++i;
                --j;
            }
        }
        // Recurse into the smaller side and loop over the larger, so the depth stays logarithmic.
        if (j - low < high - i) {
            quickSort(list, low, j, less);
            low = i;
        } else {
            quickSort(list, i, high, less);
            high = j;
        }
    }
}

template <typename List, typename Less>
void quickSortBounds(List& list, qsizetype low, qsizetype high, Less less)
{
    if (low == -2)
        low = 0;
    if (high == -2)
        high = list.size() - 1;
    if (low < 0 || high >= list.size())
        return;
    quickSort(list, low, high, less);
}

// Index of the first entry whose key is not below the key, by a case-insensitive text order.
template <typename List, typename KeyOf>
qsizetype lowerBound(const List& list, const QString& key, KeyOf keyOf)
{
    qsizetype lo = 0;
    qsizetype hi = list.size() - 1;
    while (lo < hi) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (QString::compare(key, keyOf(list[mid]), Qt::CaseInsensitive) > 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

} // namespace sorting_detail

// Sorts list[low..high] in place, ascending; -2 stands for the first and the last index.
template <typename List>
void QuickSort(List& list, qsizetype low = -2, qsizetype high = -2)
{
    sorting_detail::quickSortBounds(list, low, high, [](const auto& a, const auto& b) { return a < b; });
}

// Sorts the rows of a two-column table (pairs) by column 0, carrying column 1 along.
template <typename Table>
void QuickSort2(Table& table, qsizetype low = -2, qsizetype high = -2)
{
    sorting_detail::quickSortBounds(table, low, high,
                                    [](const auto& a, const auto& b) { return a.first < b.first; });
}

// The index of an entry equal to the key (case ignored) in a sorted list, or -1.
inline qsizetype BinarySearch1D(const QStringList& list, const QString& key)
{
    if (list.isEmpty())
        return -1;
    const qsizetype at = sorting_detail::lowerBound(list, key, [](const QString& s) { return s; });
    return QString::compare(list[at], key, Qt::CaseInsensitive) == 0 ? at : -1;
}

// Column 1, as a whole number, of the row whose column 0 equals the key in a table sorted by
// column 0; -1 when no row has the key.
template <typename Table>
int BinarySearch2D(const Table& table, const QString& key)
{
    if (table.isEmpty())
        return -1;
    const qsizetype at = sorting_detail::lowerBound(table, key, [](const auto& row) { return QString(row.first); });
    if (QString::compare(table[at].first, key, Qt::CaseInsensitive) != 0)
        return -1;
    return ToLong(QVariant::fromValue(table[at].second));
}
