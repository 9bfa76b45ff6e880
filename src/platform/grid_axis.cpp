#include "platform/grid_axis.h"

#include "platform/twips.h"

#include <algorithm>

namespace {

GridAxis::Extent Place(double& twips, double size)
{
    GridAxis::Extent extent;
    extent.start = TwipsToPixels(twips);
    twips += std::max(0.0, size);
    extent.end = TwipsToPixels(twips);
    extent.shown = true;
    return extent;
}

} // namespace

GridAxis::GridAxis(const std::vector<double>& headerTwips, const std::vector<double>& dataTwips,
                   int frozen, int first)
{
    double twips = 0;
    for (double size : headerTwips)
        m_header.push_back(Place(twips, size));

    const int count = int(dataTwips.size());
    frozen = std::clamp(frozen, 0, count);
    first = std::clamp(first, frozen + 1, std::max(count, frozen + 1));
    m_data.resize(count);
    for (int line = 1; line <= frozen; ++line)
        m_order.push_back(line);
    for (int line = first; line <= count; ++line)
        m_order.push_back(line);
    for (int line : m_order)
        m_data[line - 1] = Place(twips, dataTwips[line - 1]);
    m_end = TwipsToPixels(twips);
}

GridAxis::Extent GridAxis::header(int h) const
{
    return h >= 0 && h < headerCount() ? m_header[h] : Extent{};
}

GridAxis::Extent GridAxis::data(int line) const
{
    return line >= 1 && line <= dataCount() ? m_data[line - 1] : Extent{};
}

GridAxis::Hit GridAxis::at(int pixel) const
{
    for (int h = 0; h < headerCount(); ++h) {
        if (pixel >= m_header[h].start && pixel < m_header[h].end)
            return {Hit::Header, h};
    }
    // Laid-out lines have rising edges: the first whose end lies beyond the pixel holds it.
    auto found = std::upper_bound(m_order.begin(), m_order.end(), pixel,
                                  [this](int p, int line) { return p < m_data[line - 1].end; });
    if (found == m_order.end() || pixel < m_data[*found - 1].start)
        return {};
    return {Hit::Data, *found};
}
