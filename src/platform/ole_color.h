#pragma once

#include <QColor>
#include <QtGlobal>

// Colour numbers as the windows write them: red in the low byte, then green, then blue.
// -1 means "no colour of its own" and is kept as it is wherever a colour is stored.
using OleColor = qint32;

constexpr OleColor kNoColor = -1;

constexpr OleColor RGB(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

// The colour to paint with: the fallback for -1 (or any value that is not a colour number).
inline QColor ToQColor(OleColor color, const QColor& fallback)
{
    if (color < 0 || color > 0xFFFFFF)
        return fallback;
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
