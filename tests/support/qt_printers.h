#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <ostream>

// GoogleTest shows Qt texts as text rather than as bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *out << (i ? ",\n  " : "\n  ") << '"' << list[i].toStdString() << '"';
    *out << "\n}";
}

// Places in failure messages, as left, top, width × height.
inline std::ostream& operator<<(std::ostream& out, const QRect& place)
{
    return out << '(' << place.left() << ", " << place.top() << ", " << place.width() << " x " << place.height() << ')';
}
