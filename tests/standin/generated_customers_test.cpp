#include "standin/generated_customers.h"
#include "support/standin_fixture.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>

// The generated shop: a shop of the asked size that looks like a shop's real history.

namespace {

const QDate kToday(2026, 5, 20);

ShopState generated(int members, int reservations, quint32 seed)
{
    ShopState shop = SampleShop();
    GenerateCustomers(shop, {members, reservations, seed}, kToday);
    return shop;
}

QList<QStringList> contentOf(const ShopState& shop)
{
    QList<QStringList> content;
    for (const QList<StandinRecord>* records : {&shop.members, &shop.reservations})
        for (const StandinRecord& record : *records) {
            QStringList fields;
            for (auto it = record.begin(); it != record.end(); ++it)
                fields.append(it.key() + "=" + it.value());
            fields.sort();
            content.append(fields);
        }
    return content;
}

} // namespace

TEST(GeneratedCustomers, TheSameSeedGivesTheSameShop)
{
    EXPECT_EQ(contentOf(generated(300, 1500, 7)), contentOf(generated(300, 1500, 7)));
    EXPECT_NE(contentOf(generated(300, 1500, 7)), contentOf(generated(300, 1500, 8)));
}

TEST(GeneratedCustomers, HistoryOfTwoYearsWithMostMembersVisitingAndSomeReturningOften)
{
    const ShopState shop = generated(2000, 10000, 3);
    ASSERT_EQ(shop.members.size(), 2000);
    ASSERT_EQ(shop.reservations.size(), 10000);

    QHash<QString, QString> phoneOf;
    QSet<QString> phones;
    int temporary = 0;
    int withBirthday = 0;
    for (const StandinRecord& m : shop.members) {
        phoneOf.insert(m.value("num"), m.value("phone"));
        phones.insert(m.value("phone").remove('-'));
        temporary += m.value("name") == "임시" && m.value("level") == "준회원";
        withBirthday += QDate::fromString(m.value("birthday"), "yyyy-MM-dd").isValid() && !m.value("sex").isEmpty();
    }
    EXPECT_EQ(phoneOf.size(), shop.members.size());
    EXPECT_EQ(phones.size(), shop.members.size());
    EXPECT_GT(temporary, 0);
    EXPECT_GT(withBirthday, shop.members.size() / 2);

    QSet<QString> numbers;
    QHash<QString, int> visits;
    int kept = 0;
    int guests = 0;
    QString previous;
    for (const StandinRecord& r : shop.reservations) {
        const QDate day = QDate::fromString(r.value("regdatess"), "yyyy-MM-dd");
        ASSERT_TRUE(day.isValid());
        EXPECT_GE(day, kToday.addYears(-2).addDays(-1));
        EXPECT_LE(day, kToday.addMonths(1).addDays(1));
        EXPECT_GE(r.value("regdatess") + r.value("regdatess3"), previous);
        previous = r.value("regdatess") + r.value("regdatess3");
        EXPECT_LE(r.value("regdates"), r.value("regdatess"));
        EXPECT_TRUE(r.value("finishscheduleTime").startsWith(r.value("regdatess") + " "));
        EXPECT_TRUE(day < kToday || (r.value("YN") != "finish" && r.value("YN") != "noshow"));
        numbers.insert(r.value("num"));
        kept += r.value("YN") == "Y" || r.value("YN") == "finish";
        const QString member = r.value("membernum");
        if (member.isEmpty()) {
            ++guests;
            EXPECT_FALSE(phones.contains(r.value("phone").remove('-')));
        } else {
            EXPECT_EQ(r.value("phone"), phoneOf.value(member));
            ++visits[member];
        }
    }
    EXPECT_EQ(numbers.size(), shop.reservations.size());
    EXPECT_NEAR(kept / 10000.0, 0.7, 0.03);
    EXPECT_NEAR(guests / 10000.0, 0.1, 0.03);
    EXPECT_GE(visits.size(), shop.members.size() * 8 / 10);
    EXPECT_GE(*std::max_element(visits.begin(), visits.end()), 20);
}
