#include "server/cache_dates.h"

#include "core/converters.h"

#include <QRegularExpression>
#include <QTime>

namespace {

struct Moment
{
    QDate date;
    QTime time; // invalid when the text has none
};

Moment readMoment(const QString& text)
{
    static const QRegularExpression form(
        R"(^\s*(\d{4})[-/.](\d{1,2})[-/.](\d{1,2})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)");
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return {};
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid() || m.captured(4).isEmpty())
        return {date, QTime()};
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    return time.isValid() ? Moment{date, time} : Moment{};
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
