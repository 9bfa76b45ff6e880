#include "shell/main_window.h"

#include "core/date_time.h"
#include "core/log.h"
#include "core/login_values.h"
#include "platform/clock.h"
#include "server/message_credit.h"
#include "server/reservation_cache.h"
#include "shell/shell_globals.h"

#include <QPointer>

namespace {

constexpr int kStartDelayMs = 1000;
constexpr int kClockIntervalMs = 500;
// Clock ticks between two credit requests: 30 seconds.
constexpr int kTicksPerCredit = 60;

} // namespace

void frmMainMDI::startTimers()
{
    m_clockTicks = 0;
    Start_Timer = new QTimer(this);
    Start_Timer->setInterval(kStartDelayMs);
    // Due before the first activation's one-second wait ends (a coarse timer may fire up to 5 %
    // late), so that the board opened after the wait draws from the rebuilt cache.
    Start_Timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(Start_Timer, &QTimer::timeout, this, [this] { Start_Timer_Timer(); });
    Start_Timer->start();
    TimerClock = new QTimer(this);
    TimerClock->setInterval(kClockIntervalMs);
    QObject::connect(TimerClock, &QTimer::timeout, this, [this] { TimerClock_Timer(); });
    TimerClock->start();
}

// Rebuilds the reservation cache from its empty template and the backend's full list, once; a
// failed list keeps the cache of the last run.
void frmMainMDI::Start_Timer_Timer()
{
    if (!Start_Timer->isActive())
        return;
    Start_Timer->stop();
    WriteLog(QStringLiteral("회원, 예약 Loading ... Start !!"));
    Load_예약_전체();
    gStartLoaded = true;
    WriteLog(QStringLiteral("회원, 예약 Loading ... End !!"));
}

// The clock ("MM.dd (요) hh:mm") on every tick; the credit on every 60th. While no shop is logged
// in no credit is asked for, and an answer without a credit keeps the labels as they are.
void frmMainMDI::TimerClock_Timer()
{
    const QDateTime now = CurrentClock().now();
    lblClock->setText(now.toString(QStringLiteral("MM.dd")) + " (" + GetWeekdayKor(now.date()) + ") "
                      + now.toString(QStringLiteral("HH:mm")));
    if (++m_clockTicks % kTicksPerCredit != 0)
        return;
    m_clockTicks = 0;
    if (gShopID.isEmpty())
        return;
    QPointer<frmMainMDI> self(this);
    bool arrived = false;
    const int credit = VMR_남은문자(&arrived);
    if (self && arrived)
        WriteCreditLabels(credit);
}
