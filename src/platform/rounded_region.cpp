#include "platform/rounded_region.h"

QRegion RoundedRegion(int width, int height, int corner)
{
    if (corner <= 1 || width <= 0 || height <= 0)
        return QRegion(0, 0, qMax(width, 0), qMax(height, 0));
    const int c = qMin(corner, qMin(width, height));
    const int half = c / 2;
    QRegion region(half, 0, width - 2 * half, height);
    region += QRegion(0, half, width, height - 2 * half);
    region += QRegion(0, 0, c, c, QRegion::Ellipse);
    region += QRegion(width - c, 0, c, c, QRegion::Ellipse);
    region += QRegion(0, height - c, c, c, QRegion::Ellipse);
    region += QRegion(width - c, height - c, c, c, QRegion::Ellipse);
    return region;
}

QRegion CalendarRing(int width, int height)
{
    const QRegion inner = RoundedRegion(width - 3, height - 3, 3).translated(2, 2);
    return RoundedRegion(width + 1, height + 1, 3).subtracted(inner);
}
