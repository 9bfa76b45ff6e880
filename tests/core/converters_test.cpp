#include "core/converters.h"
#include "core/number_format.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Converters, ToLongAndToDouble)
{
    struct Case { QVariant value; int asLong; double asDouble; };
    const Case cases[] = {
        {"2,048", 2048, 2048},
        {" 56 ", 56, 0},
        {"7일", 7, 7},
        {"abc", 0, 0},
        {"True", -1, -1},
        {"false", 0, 0},
        {"3000000000", 0, 3e9},
        {"-3000000000", 0, -3e9},
        {"2.5", 2, 2.5},
        {"3.5", 4, 3.5},
        {"-2.5", -2, -2.5},
        {"2,048.5원", 2048, 2048.5},
        {"2024-04-26", 2024, 2024},
        {"12-3", 12, 12},
        {"--5", 0, 0},
        {"-3.25kg", -3, -3.25},
        {"", 0, 0},
        {"+.5", 0, 0.5},
        {"1.2.3", 1, 1.2},
        {QVariant(), 0, 0},
        {QVariant(true), -1, -1},
        {QVariant(41.5), 42, 41.5},
        {QVariant(1e20), 0, 1e20},
        {QVariant(std::numeric_limits<double>::quiet_NaN()), 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToLong(c.value), c.asLong) << c.value.toString().toStdString();
        EXPECT_DOUBLE_EQ(ToDouble(c.value), c.asDouble) << c.value.toString().toStdString();
    }
}

TEST(Converters, ToBooleanTruthWords)
{
    for (const QVariant& yes : {QVariant("Y"), QVariant("yes"), QVariant("TRUE"), QVariant("t"), QVariant("1"),
                                QVariant(-1), QVariant(true), QVariant("2개")})
        EXPECT_TRUE(ToBoolean(yes)) << yes.toString().toStdString();
    for (const QVariant& no : {QVariant("N"), QVariant("no"), QVariant("0"), QVariant(""), QVariant(),
                               QVariant(false), QVariant("False")})
        EXPECT_FALSE(ToBoolean(no)) << no.toString().toStdString();
}

TEST(Converters, IsNumberTrimAndZeroPad)
{
    EXPECT_TRUE(IsNumber(""));
    EXPECT_TRUE(IsNumber("01098765432"));
    EXPECT_TRUE(IsNumber("-1.5"));
    EXPECT_TRUE(IsNumber(QVariant(12)));
    EXPECT_FALSE(IsNumber("12a"));
    EXPECT_FALSE(IsNumber("nan"));
    for (const QString& whole : QStringList{"0", "007", " 3 ", "999999999999"})
        EXPECT_TRUE(IsWholeNumberText(whole)) << whole.toStdString();
    for (const QString& other : QStringList{"", "  ", "abc", "4회", "-1", "1.5", "1,000", "3\r\n", QString::fromUtf8("３")})
        EXPECT_FALSE(IsWholeNumberText(other)) << other.toStdString();
    EXPECT_EQ(Trim("  a b\t "), "a b\t");
    EXPECT_EQ(ZeroPad("7", 2), "07");
    EXPECT_EQ(ZeroPad("123", 2), "123");
}

TEST(Converters, NumberFormats)
{
    struct Case { double value; QString zeroShown; QString zeroBlank; };
    for (const Case& c : {Case{0, "0", ""}, Case{0.4, "0", ""}, Case{1234.5, "1,234", "1,234"},
                          Case{1235.5, "1,236", "1,236"}, Case{999, "999", "999"},
                          Case{1234567, "1,234,567", "1,234,567"}, Case{-98765, "-98,765", "-98,765"},
                          Case{-0.4, "0", ""}, Case{1e19, "10,000,000,000,000,000,000", "10,000,000,000,000,000,000"}}) {
        EXPECT_EQ(FormatNumber(c.value, "#,##0"), c.zeroShown) << c.value;
        EXPECT_EQ(FormatNumber(c.value, "#,###"), c.zeroBlank) << c.value;
    }
}
