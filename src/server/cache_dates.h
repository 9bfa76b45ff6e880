#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Dates and moments of the reservation cache. The cache stores dates as "yyyy-MM-dd" and moments
// as "yyyy-MM-dd HH:mm" text, so that its readers compare, group and range them as text.

// The date at the start of a text such as "2024-05-03", "2024-5-3", "2024/05/03 18:30";
// an invalid date when the text does not read as one.
QDate ReadCacheDate(QStringView text);

// A valid date of the years 1 to 9999 as the cache writes it, "yyyy-MM-dd".
QString CacheDate(const QDate& date);

// The text as a cached date, or the text trimmed of blanks when it does not read as one.
QString CacheDate(const QString& text);

// The text as a cached moment: "yyyy-MM-dd HH:mm" when it has a time, "yyyy-MM-dd" when it is
// only a date, the text trimmed of blanks when it does not read as a date.
QString CacheMoment(const QString& text);

// The moment of a text such as "2024-05-03 18:30" or "2024-05-03 18:30:00", the date and the time
// of day together; an invalid moment when the text holds no date or no time. Moments read so
// compare with one another across midnight.
QDateTime ReadCacheMoment(QStringView text);
