#pragma once

#include <QColor>
#include <QtGlobal>

// Colour values as the windows write them: red in the low byte, then green, then blue.
inline QColor FromVbColor(quint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline quint32 VbRGB(int red, int green, int blue)
{
    return quint32(red & 0xFF) | (quint32(green & 0xFF) << 8) | (quint32(blue & 0xFF) << 16);
}
