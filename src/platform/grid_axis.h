#pragma once

#include <vector>

// One direction of the grid laid out in pixels: the header lines first, then the data lines
// 1..n. The first `frozen` data lines stay in view; the others scroll so that line `first` comes
// right after them, and the lines between are out of view. Sizes are twips; every edge is the
// running twips total converted once, so that lines tile without gaps whatever their fractions.
class GridAxis
{
public:
    struct Extent {
        int start = 0;
        int end = 0;
        bool shown = false;   // in the laid-out order (it may still lie beyond the window)
    };
    struct Hit {
        enum Kind { None, Header, Data } kind = None;
        int index = 0;        // header line 0.. or data line 1..
    };

    GridAxis() = default;
    GridAxis(const std::vector<double>& headerTwips, const std::vector<double>& dataTwips,
             int frozen, int first);

    int headerCount() const { return int(m_header.size()); }
    int dataCount() const { return int(m_data.size()); }
    Extent header(int h) const;
    Extent data(int line) const;
    Hit at(int pixel) const;
    // Pixel position after the last line shown.
    int end() const { return m_end; }
    // The data lines in the order they are laid out (frozen first, then from `first`).
    const std::vector<int>& order() const { return m_order; }

private:
    std::vector<Extent> m_header;
    std::vector<Extent> m_data;
    std::vector<int> m_order;
    int m_end = 0;
};
