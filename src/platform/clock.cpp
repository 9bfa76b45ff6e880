#include "platform/clock.h"

#include <QElapsedTimer>

namespace {

class RealClock : public Clock
{
public:
    RealClock() { m_timer.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 tick64() const override { return m_timer.elapsed() + 1000; }

private:
    QElapsedTimer m_timer;
};

const Clock* g_clock = nullptr;

} // namespace

const Clock& SystemClock()
{
    static RealClock clock;
    return clock;
}

const Clock& CurrentClock()
{
    return g_clock ? *g_clock : SystemClock();
}

void SetClock(const Clock* clock)
{
    g_clock = clock;
}
