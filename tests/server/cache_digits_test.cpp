#include "server/cache_digits.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

TEST(CacheDigits, NumbersAreReadOnlyFromDigitsAndWrittenWithTheirSignAndWidth)
{
    EXPECT_EQ(DigitsValue(u"0057", 9), 57);
    EXPECT_EQ(DigitsValue(u"999999999999999999", 18), 999999999999999999LL);
    for (const char16_t* refused : {u"", u"1234567890", u"-3", u"12a", u" 12", u"１２"})
        EXPECT_FALSE(DigitsValue(refused, 9)) << QString::fromUtf16(refused).toStdString();

    qsizetype at = 5;
    EXPECT_EQ(ReadDigits(u"2024-123", at, 2), 12);
    EXPECT_EQ(at, 7);
    EXPECT_EQ(ReadDigits(u"2024-", at = 4, 2), -1);
    EXPECT_EQ(at, 4);

    const struct {
        qlonglong number;
        int width;
        const char16_t* written;
    } cases[] = {{7, 2, u"07"}, {2024, 4, u"2024"}, {987, 4, u"0987"}, {0, 1, u"0"}, {-12, 1, u"-12"},
                 {123456, 2, u"123456"}, {std::numeric_limits<qlonglong>::min(), 1, u"-9223372036854775808"}};
    for (const auto& c : cases) {
        char16_t out[32];
        EXPECT_EQ(QStringView(out, WriteDigits(out, c.number, c.width) - out), QStringView(c.written)) << c.number;
    }
}

} // namespace
