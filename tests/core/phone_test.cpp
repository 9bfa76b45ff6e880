#include "core/phone.h"

#include <gtest/gtest.h>

TEST(Phone, SplitByKnownPrefixes)
{
    struct Case { QString phone; int kind; QString area, middle, last; };
    const Case cases[] = {
        {"010-9876-5432", PhoneParts::Mobile, "010", "9876", "5432"},
        {"01098765432", PhoneParts::Mobile, "010", "9876", "5432"},
        {"02-987-6543", PhoneParts::Landline, "02", "987", "6543"},
        {"0298765432", PhoneParts::Landline, "02", "9876", "5432"},
        {"031-987-6543", PhoneParts::Landline, "031", "987", "6543"},
        {"1588-9876", PhoneParts::Landline, "", "1588", "9876"},
        {"987-6543", PhoneParts::Landline, "", "987", "6543"},
        {"0504-9876-5432", PhoneParts::Landline, "0504", "9876", "5432"},
        {"(031)987-6543", PhoneParts::NotPhone, "", "", ""},
        {" 011-987-6543 ", PhoneParts::Mobile, "011", "987", "6543"},
        {"12345", PhoneParts::NotPhone, "", "", ""},
        {"", PhoneParts::NotPhone, "", "", ""},
        {"123456789", PhoneParts::NotPhone, "", "", ""},
        {"0109876543210", PhoneParts::NotPhone, "", "", ""},
        {"010abcd5432", PhoneParts::NotPhone, "", "", ""},
    };
    for (const Case& c : cases) {
        const PhoneParts p = SplitPhone(c.phone);
        EXPECT_EQ(p.kind, c.kind) << c.phone.toStdString();
        EXPECT_EQ(p.area, c.area) << c.phone.toStdString();
        EXPECT_EQ(p.middle, c.middle) << c.phone.toStdString();
        EXPECT_EQ(p.last, c.last) << c.phone.toStdString();
    }
}

TEST(Phone, MaskedForm)
{
    struct Case { QString phone; QString masked; QString plain; };
    const Case cases[] = {
        {"01098765432", "010-9**6-5432", "010-9876-5432"},
        {"0119876543", "011-987-6543", "011-987-6543"},
        {"1588-9876", "1**8-9876", "1588-9876"},
        {"9876543", "987-6543", "987-6543"},
        {"12345", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatPhoneMasked(c.phone, true), c.masked) << c.phone.toStdString();
        EXPECT_EQ(FormatPhoneMasked(c.phone, false), c.plain) << c.phone.toStdString();
    }
}
