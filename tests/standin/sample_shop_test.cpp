#include "support/standin_fixture.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>

// The sample shop gives the demo and the tests a current day: every state, every party scheme,
// reservations around today on the shop's tables, one of them on the hidden table, and upcoming
// bookings of customers who are no members in every party scheme.
TEST(SampleShop, CoversTheStatesSchemesAndDaysAroundToday)
{
    const ShopState shop = SampleShop();
    const QDate today = QDate::currentDate();
    QSet<QString> active, all;
    for (const StandinRecord& table : shop.tables) {
        all.insert(table.value("tablenum"));
        if (table.value("tableYN") == "Y")
            active.insert(table.value("tablenum"));
    }
    EXPECT_EQ(active.size(), shop.tables.size() - 1);
    EXPECT_EQ(shop.staff.size(), 5);
    EXPECT_EQ(shop.members.size(), 44);

    QSet<QString> states, schemes, members, numbers, upcomingOfNoMember;
    int onToday = 0;
    int onHidden = 0;
    int acrossMidnight = 0;
    for (const StandinRecord& m : shop.members)
        members.insert(m.value("num"));
    for (const StandinRecord& r : shop.reservations) {
        const QDate day = QDate::fromString(r.value("regdatess"), "yyyy-MM-dd");
        ASSERT_TRUE(day.isValid()) << r.value("num").toStdString();
        EXPECT_LE(qAbs(today.daysTo(day)), 30);
        const QDateTime start = QDateTime::fromString(r.value("regdatess") + " " + r.value("regdatess3"), "yyyy-MM-dd HH:mm");
        const QDateTime end = QDateTime::fromString(r.value("finishscheduleTime"), "yyyy-MM-dd HH:mm");
        EXPECT_LT(start, end) << r.value("num").toStdString();
        acrossMidnight += end.date() > day;
        onToday += day == today;
        states.insert(r.value("YN"));
        schemes.insert(r.value("persontype"));
        numbers.insert(r.value("num"));
        const QStringList parts = r.value("table").split(';', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < parts.size(); i += 2) {
            EXPECT_TRUE(all.contains(parts[i])) << parts[i].toStdString();
            onHidden += !active.contains(parts[i]);
        }
        if (r.value("membernum").isEmpty() && r.value("YN") == "Y" && day > today)
            upcomingOfNoMember.insert(r.value("persontype"));
        EXPECT_TRUE(r.value("membernum").isEmpty() || members.contains(r.value("membernum")));
    }
    EXPECT_EQ(numbers.size(), shop.reservations.size());
    EXPECT_GE(shop.reservations.size(), 140);
    EXPECT_GE(onToday, 3);
    EXPECT_EQ(states, QSet<QString>({"S", "Y", "N", "X", "noshow", "finish"}));
    EXPECT_EQ(schemes, QSet<QString>({"0", "1", "2"}));
    EXPECT_EQ(upcomingOfNoMember, QSet<QString>({"0", "1", "2"}));
    EXPECT_EQ(onHidden, 1);
    EXPECT_GE(acrossMidnight, 1);
    EXPECT_FALSE(shop.coupons.isEmpty());
    EXPECT_GT(shop.credit, 0);
}

// The customers the statistics list merges: members sharing a phone without reservations, a
// temporary member without a second name, an old 10-digit phone, confirmed reservations without a
// name or a phone; most members give their birthday and sex.
TEST(SampleShop, CoversTheCustomersTheStatisticsMerge)
{
    const ShopState shop = SampleShop();
    QSet<QString> booked;
    bool namelessConfirmed = false, phonelessConfirmed = false;
    for (const StandinRecord& r : shop.reservations) {
        booked.insert(QString(r.value("phone")).remove('-'));
        namelessConfirmed |= r.value("YN") == "Y" && r.value("requestname").isEmpty();
        phonelessConfirmed |= r.value("YN") == "Y" && r.value("phone").isEmpty();
    }
    EXPECT_TRUE(namelessConfirmed);
    EXPECT_TRUE(phonelessConfirmed);

    QHash<QString, int> holders;
    int described = 0;
    bool bareTemporary = false, tenDigits = false;
    for (const StandinRecord& m : shop.members) {
        const QString digits = QString(m.value("phone")).remove('-');
        ++holders[digits];
        described += !m.value("birthday").isEmpty() && !m.value("sex").isEmpty();
        bareTemporary |= m.value("name") == "임시" && m.value("name2").isEmpty();
        tenDigits |= digits.size() == 10 && !digits.startsWith("02");
    }
    EXPECT_GT(described, shop.members.size() * 3 / 4);
    EXPECT_TRUE(bareTemporary);
    EXPECT_TRUE(tenDigits);
    EXPECT_TRUE(std::any_of(holders.keyValueBegin(), holders.keyValueEnd(),
                            [&](const auto& holder) { return holder.second == 2 && !booked.contains(holder.first); }));
}
