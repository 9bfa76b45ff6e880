#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as the program would meet them: raw, or decoded as UTF-8 text.
inline QByteArray FuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline QString FuzzText(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(FuzzBytes(data, size));
}

// A short name taken from the text's first line ("num" when there is none), and the rest: lets the
// fuzzer try marker names of its own as well as the program's.
inline QString TakeName(QString& text)
{
    const qsizetype end = text.indexOf(u'\n');
    if (end < 0 || end > 16)
        return QStringLiteral("num");
    const QString name = text.left(end);
    text.remove(0, end + 1);
    return name;
}
