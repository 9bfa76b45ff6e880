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
Moment readMoment(QStringView text)
{
    const QStringView t = text.trimmed();
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

// Writes the number with at least `digits` digits, zeros in front.
void appendDigits(QString& out, int number, int digits)
{
    char buffer[12];
    int n = 0;
    do {
        buffer[n++] = char('0' + number % 10);
        number /= 10;
    } while (number > 0 || n < digits);
    while (n > 0)
        out += QLatin1Char(buffer[--n]);
}

// "yyyy-MM-dd", and " HH:mm" after it when the time is valid; written directly, as the rebuild
// writes three of them for each of its many rows.
QString cacheText(const QDate& date, const QTime& time = QTime())
{
    QString out;
    out.reserve(16);
    appendDigits(out, date.year(), 4);
    out += u'-';
    appendDigits(out, date.month(), 2);
    out += u'-';
    appendDigits(out, date.day(), 2);
    if (time.isValid()) {
        out += u' ';
        appendDigits(out, time.hour(), 2);
        out += u':';
        appendDigits(out, time.minute(), 2);
    }
    return out;
}

} // namespace

QDate ReadCacheDate(QStringView text)
{
    return readMoment(text).date;
}

QString CacheDate(const QDate& date)
{
    return cacheText(date);
}

QString CacheDate(const QString& text)
{
    const QDate date = ReadCacheDate(text);
    return date.isValid() ? cacheText(date) : Trim(text);
}

QString CacheMoment(const QString& text)
{
    const Moment moment = readMoment(text);
    if (!moment.date.isValid())
        return Trim(text);
    return cacheText(moment.date, moment.time);
}
