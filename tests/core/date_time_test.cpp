#include "core/date_time.h"
#include "support/seams.h"

#include <QTimer>
#include <gtest/gtest.h>

TEST(DateTime, MonthLengthAndWeekday)
{
    EXPECT_EQ(LastDayOfMonth(QDate(2024, 2, 10)), 29);
    EXPECT_EQ(LastDayOfMonth(QDate(2023, 2, 28)), 28);
    EXPECT_EQ(LastDayOfMonth(QDate(2024, 12, 31)), 31);
    EXPECT_EQ(LastDayOfMonth(QDate()), 0);
    EXPECT_EQ(GetWeekdayKor(QDate(2024, 4, 26)), "금");
    EXPECT_EQ(GetWeekdayKor(QDate(2024, 4, 28)), "일");
    EXPECT_EQ(GetWeekdayKor(QDate(2024, 4, 27)), "토");
}

TEST(DateTime, TickIsTheLow32BitsOfTheClock)
{
    ScopedFakeClock clock;
    clock->setTick(0x1'0000'0005LL);
    EXPECT_EQ(GetTickCountMS(), 5);
    clock->setTick(0xFFFF'FFFFLL);
    EXPECT_EQ(GetTickCountMS(), -1);
}

TEST(DateTime, DelayEndsAcrossTheWrapAndRunsEvents)
{
    ScopedFakeClock clock;
    clock->setTick(0xFFFF'FF00LL);   // 256 ms before the 32-bit tick wraps
    int ticks = 0;
    QTimer mover;
    QObject::connect(&mover, &QTimer::timeout, [&] {
        ++ticks;
        clock->advance(100);
    });
    mover.start(1);
    Delay(1000);
    EXPECT_GE(ticks, 10);    // at least 1000 ms of the tick passed
    EXPECT_LT(ticks, 200);   // and the wait did not run on past the wrap
}

TEST(DateTime, DelayOfZeroReturnsAtOnce)
{
    ScopedFakeClock clock;
    Delay(0);
    Delay(-5);
    SUCCEED();
}
