#pragma once

#include "platform/vb_color.h"

#include <QColor>
#include <QtGlobal>

// A colour setting of the grid: a colour number (VbRGB) or -1, "no colour of its own", which is
// kept as it is wherever a colour is stored.
using OleColor = qint32;

constexpr OleColor kNoColor = -1;

// The colour to paint with: the fallback for -1 (or any value that is not a colour number).
inline QColor ToQColor(OleColor color, const QColor& fallback)
{
    if (color < 0 || color > 0xFFFFFF)
        return fallback;
    return FromVbColor(quint32(color));
}
