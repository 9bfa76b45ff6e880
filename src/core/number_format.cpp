#include "core/number_format.h"

#include <cmath>

namespace {

QString grouped(double magnitude)
{
    QString digits = QString::number(magnitude, 'f', 0);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return digits;
}

} // namespace

QString FormatNumber(double value, const QString& pattern)
{
    const double rounded = std::isfinite(value) ? std::nearbyint(value) : 0;
    if (rounded == 0)
        return pattern == u"#,###" ? QString() : QStringLiteral("0");
    return (rounded < 0 ? QStringLiteral("-") : QString()) + grouped(std::abs(rounded));
}
