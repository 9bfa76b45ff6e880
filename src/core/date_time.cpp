#include "core/date_time.h"

#include "platform/clock.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace {

// The longest the wait sleeps between two readings of the tick.
constexpr int kPollMs = 10;

quint32 elapsedSince(int start)
{
    return static_cast<quint32>(GetTickCountMS()) - static_cast<quint32>(start);
}

void runEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int LastDayOfMonth(const QDate& date)
{
    return date.isValid() ? date.daysInMonth() : 0;
}

QString GetWeekdayKor(const QDate& date)
{
    static const QString names[] = {"월", "화", "수", "목", "금", "토", "일"};
    return date.isValid() ? names[date.dayOfWeek() - 1] : QString();
}

int GetTickCountMS()
{
    return static_cast<int>(static_cast<quint32>(CurrentClock().tick64()));
}

void Delay(int milliseconds)
{
    const int start = GetTickCountMS();
    if (milliseconds <= 0)
        return;
    const auto wanted = static_cast<quint32>(milliseconds);
    for (quint32 elapsed = elapsedSince(start); elapsed < wanted; elapsed = elapsedSince(start))
        runEventsFor(static_cast<int>(std::min<quint32>(wanted - elapsed, kPollMs)));
}
