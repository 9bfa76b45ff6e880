#pragma once

#include <QDateTime>
#include <QtGlobal>

// The wall clock and the millisecond tick. Production reads the system; tests install their own.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds since an arbitrary start that never goes backwards.
    virtual qint64 tick64() const = 0;
};

const Clock& SystemClock();

// The clock in use. SetClock(nullptr) goes back to the system clock.
const Clock& CurrentClock();
void SetClock(const Clock* clock);
