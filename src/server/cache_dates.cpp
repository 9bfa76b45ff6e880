#include "server/cache_dates.h"

#include "core/converters.h"
#include "server/cache_digits.h"

#include <QTime>

#include <string_view>

namespace {

// A date and an optional time as read, before any calendar arithmetic: the rebuild reads three of
// them for each of its many rows.
struct Moment
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = -1;      // -1 when the text has no time
    int minute = 0;
    bool valid = false;
};

// Steps over one of the characters.
bool skip(QStringView text, qsizetype& at, std::u16string_view characters)
{
    if (at >= text.size() || characters.find(text[at].unicode()) == std::u16string_view::npos)
        return false;
    ++at;
    return true;
}

// "yyyy-M-d" ("-", "/" or "."), optionally followed by blanks and "H:mm" or "H:mm:ss".
Moment readMoment(QStringView text)
{
    const QStringView t = text.trimmed();
    qsizetype at = 0;
    Moment moment;
    moment.year = at + 4 <= t.size() ? int(ReadDigits(t, at, 4)) : -1;
    if (at != 4 || moment.year < 0 || !skip(t, at, u"-/."))
        return {};
    moment.month = int(ReadDigits(t, at, 2));
    if (moment.month < 0 || !skip(t, at, u"-/."))
        return {};
    moment.day = int(ReadDigits(t, at, 2));
    if (moment.day < 0 || !QDate::isValid(moment.year, moment.month, moment.day))
        return {};
    moment.valid = true;
    if (at == t.size())
        return moment;
    if (!t[at].isSpace())
        return {};
    while (at < t.size() && t[at].isSpace())
        ++at;
    moment.hour = int(ReadDigits(t, at, 2));
    moment.minute = skip(t, at, u":") ? int(ReadDigits(t, at, 2)) : -1;
    const int second = skip(t, at, u":") ? int(ReadDigits(t, at, 2)) : 0;
    if (moment.hour < 0 || moment.minute < 0 || second < 0 || at != t.size()
        || !QTime::isValid(moment.hour, moment.minute, second))
        return {};
    return moment;
}

// "yyyy-MM-dd", and " HH:mm" after it when the moment has a time. The text itself comes back when
// it is already written so, without a copy.
QString cacheText(const Moment& moment, const QString& text = QString())
{
    char16_t out[16];
    char16_t* end = WriteDigits(out, moment.year, 4);
    *end++ = u'-';
    end = WriteDigits(end, moment.month, 2);
    *end++ = u'-';
    end = WriteDigits(end, moment.day, 2);
    if (moment.hour >= 0) {
        *end++ = u' ';
        end = WriteDigits(end, moment.hour, 2);
        *end++ = u':';
        end = WriteDigits(end, moment.minute, 2);
    }
    const QStringView written(out, end - out);
    return text == written ? text : written.toString();
}

} // namespace

QDate ReadCacheDate(QStringView text)
{
    const Moment moment = readMoment(text);
    return moment.valid ? QDate(moment.year, moment.month, moment.day) : QDate();
}

QString CacheDate(const QDate& date)
{
    Moment moment;
    date.getDate(&moment.year, &moment.month, &moment.day);
    return cacheText(moment);
}

QString CacheDate(const QString& text)
{
    Moment moment = readMoment(text);
    if (!moment.valid)
        return Trim(text);
    moment.hour = -1;
    return cacheText(moment, text);
}

QString CacheMoment(const QString& text)
{
    const Moment moment = readMoment(text);
    return moment.valid ? cacheText(moment, text) : Trim(text);
}

QDateTime ReadCacheMoment(QStringView text)
{
    const Moment moment = readMoment(text);
    if (!moment.valid || moment.hour < 0)
        return QDateTime();
    return QDateTime(QDate(moment.year, moment.month, moment.day), QTime(moment.hour, moment.minute), Qt::UTC);
}
