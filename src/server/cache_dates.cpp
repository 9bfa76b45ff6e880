#include "server/cache_dates.h"

#include "core/converters.h"

#include <QTime>

namespace {

struct Moment
{
    QDate date;
    QTime time; // invalid when the text has none
};

// Reads up to maxDigits decimal digits at the position; -1 when there is none.
int number(QStringView text, qsizetype& at, int maxDigits)
{
    int value = -1;
    for (int n = 0; n < maxDigits && at < text.size() && text[at].isDigit() && text[at].unicode() < 128; ++n, ++at)
        value = (value < 0 ? 0 : value * 10) + (text[at].unicode() - '0');
    return value;
}

bool skip(QStringView text, qsizetype& at, QStringView separators)
{
    if (at >= text.size() || !separators.contains(text[at]))
        return false;
    ++at;
    return true;
}

// "yyyy-M-d" ("-", "/" or "."), optionally followed by blanks and "H:mm" or "H:mm:ss".
Moment readMoment(const QString& text)
{
    const QStringView t = QStringView(text).trimmed();
    qsizetype at = 0;
    const int year = at + 4 <= t.size() ? number(t, at, 4) : -1;
    if (at != 4 || year < 0 || !skip(t, at, u"-/."))
        return {};
    const int month = number(t, at, 2);
    if (month < 0 || !skip(t, at, u"-/."))
        return {};
    const int day = number(t, at, 2);
    const QDate date(year, month, day);
    if (day < 0 || !date.isValid())
        return {};
    if (at == t.size())
        return {date, QTime()};
    if (!t[at].isSpace())
        return {};
    while (at < t.size() && t[at].isSpace())
        ++at;
    const int hour = number(t, at, 2);
    const int minute = skip(t, at, u":") ? number(t, at, 2) : -1;
    const int second = skip(t, at, u":") ? number(t, at, 2) : 0;
    const QTime time(hour, minute, second);
    if (hour < 0 || minute < 0 || second < 0 || at != t.size() || !time.isValid())
        return {};
    return {date, time};
}

} // namespace

QDate ReadCacheDate(const QString& text)
{
    return readMoment(text).date;
}

QString CacheDate(const QString& text)
{
    const QDate date = ReadCacheDate(text);
    return date.isValid() ? date.toString("yyyy-MM-dd") : Trim(text);
}

QString CacheMoment(const QString& text)
{
    const Moment moment = readMoment(text);
    if (!moment.date.isValid())
        return Trim(text);
    const QString day = moment.date.toString("yyyy-MM-dd");
    return moment.time.isValid() ? day + " " + moment.time.toString("HH:mm") : day;
}
