#include "platform/outside_event_buffer.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

using Kind = OutsideEventKind;

// The events left after pushing one more than the buffer holds, by their numbers in arrival order.
struct Overflow {
    const char* name;
    Kind first;    // the kind of the oldest event
    Kind others;   // the kind of every other waiting event
    Kind last;     // the kind of the one too many
    int droppedNumber;
};

TEST(OutsideEventBuffer, OneTooManyDropsTheOldestStatusBeforeAnyCall)
{
    const int limit = int(OutsideEventBuffer::kLimit);
    const QList<Overflow> cases{
        {"statuses only", Kind::Status, Kind::Status, Kind::Status, 0},
        {"a call first", Kind::Call, Kind::Status, Kind::Status, 1},
        {"calls, then a status", Kind::Call, Kind::Call, Kind::Status, limit},
        {"calls, then a call", Kind::Call, Kind::Call, Kind::Call, 0},
        {"statuses, then a call", Kind::Status, Kind::Status, Kind::Call, 0},
    };
    for (const Overflow& c : cases) {
        OutsideEventBuffer buffer;
        QList<int> handled;
        for (int number = 0; number <= limit; ++number) {
            const Kind kind = number == 0 ? c.first : number == limit ? c.last : c.others;
            buffer.push({nullptr, [&handled, number] { handled << number; }, kind});
        }
        EXPECT_EQ(buffer.size(), limit) << c.name;
        EXPECT_EQ(buffer.takeDropped(), 1) << c.name;
        EXPECT_EQ(buffer.takeDropped(), 0) << c.name;
        for (OutsideEvent& event : buffer.takeAll())
            event.handle();
        EXPECT_TRUE(buffer.empty()) << c.name;
        ASSERT_EQ(handled.size(), limit) << c.name;
        EXPECT_FALSE(handled.contains(c.droppedNumber)) << c.name;
        EXPECT_TRUE(std::is_sorted(handled.begin(), handled.end())) << c.name;
    }
}

} // namespace
