#include "server/cache_dates.h"

#include <gtest/gtest.h>

namespace {

TEST(CacheDates, MomentsAndDatesAreWrittenInTheCachesForm)
{
    struct Case {
        QString text;
        QString moment;
        QString date;
    };
    const Case cases[] = {
        {"2024-05-03 18:30", "2024-05-03 18:30", "2024-05-03"},
        {"2024-5-3 9:05", "2024-05-03 09:05", "2024-05-03"},
        {"2024/05/03 18:30:15", "2024-05-03 18:30", "2024-05-03"},
        {"2024.12.31", "2024-12-31", "2024-12-31"},
        {" 2024-05-03   21:00 ", "2024-05-03 21:00", "2024-05-03"},
        {"2024-02-29 00:00", "2024-02-29 00:00", "2024-02-29"},
        // Not a date, or a date with something after it that is not a time: the text as it is,
        // without the blanks around it.
        {" 2023-02-29 ", "2023-02-29", "2023-02-29"},
        {"2024-05-03 24:00", "2024-05-03 24:00", "2024-05-03 24:00"},
        {"2024-05-03 18:30:60", "2024-05-03 18:30:60", "2024-05-03 18:30:60"},
        {"2024-05-03T18:30", "2024-05-03T18:30", "2024-05-03T18:30"},
        {"2024-05-03 18:", "2024-05-03 18:", "2024-05-03 18:"},
        {"24-05-03", "24-05-03", "24-05-03"},
        {"５월 3일", "５월 3일", "５월 3일"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CacheMoment(c.text), c.moment) << c.text.toStdString();
        EXPECT_EQ(CacheDate(c.text), c.date) << c.text.toStdString();
    }
    EXPECT_EQ(ReadCacheDate(u"2024-4-9 18:30"), QDate(2024, 4, 9));
    EXPECT_FALSE(ReadCacheDate(u"2024-13-01").isValid());
    EXPECT_EQ(CacheDate(QDate(987, 6, 5)), "0987-06-05");
}

} // namespace
