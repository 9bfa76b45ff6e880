#pragma once

#include <QDateTime>
#include <QString>

// When a cached reservation runs, as whole moments: from its start to its stored end, which may
// lie on a later day, or, for a reservation stored without an end (or with one that names no time),
// for the shop's usual stay (gRequireTime). The start is invalid when its text names no moment.
struct CachedSpan
{
    QDateTime start;
    QDateTime end;
};

// From the texts of the columns 예약일시 and 종료일시.
CachedSpan CachedSpanOf(const QString& startText, const QString& endText);
