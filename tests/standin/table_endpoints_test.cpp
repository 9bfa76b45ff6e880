#include "core/backend_request.h"
#include "core/text_escapes.h"
#include "support/standin_fixture.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

// The record numbers of the shop's tables, in its order.
QStringList numbers(ShopState& shop)
{
    QStringList list;
    for (const StandinRecord& table : shop.tables)
        list.append(table.value("nums"));
    return list;
}

const StandinRecord* tableOf(ShopState& shop, const QString& number)
{
    for (const StandinRecord& table : shop.tables)
        if (table.value("nums") == number)
            return &table;
    return nullptr;
}

} // namespace

TEST(StandinTables, AddRenameAndHideChangeTheListThatFollows)
{
    StandinFixture backend;
    ShopState& shop = backend.shop();
    const int before = int(shop.tables.size());
    const QString added = BackendRequest("add() ... ", "/program/qrtableadd.php")
                              .add("tablename", "새 & 좌석")
                              .addEscaped("tableinfo", VmrEncodeAA(" tia[창가 50%+1]tia tib[]tib "))
                              .send();
    EXPECT_TRUE(added.contains("성공"));
    ASSERT_EQ(shop.tables.size(), before + 1);
    const StandinRecord& table = shop.tables.last();
    EXPECT_EQ(table.value("nums"), "113");
    EXPECT_EQ(table.value("tableqr"), "QR1207T113");
    EXPECT_EQ(table.value("tableqroup"), "");
    EXPECT_EQ(table.value("tablenum"), "새 & 좌석");
    EXPECT_EQ(table.value("tableinfo"), " tia[창가 50%+1]tia tib[]tib ");
    EXPECT_EQ(table.value("tableYN"), "Y");
    EXPECT_TRUE(QDateTime::fromString(table.value("tableregdate"), "yyyy-MM-dd HH:mm:ss").isValid());
    EXPECT_TRUE(BackendRequest("list() ... ", "/program/qrtableloading.php").send().contains(" nums[113]nums "));

    EXPECT_TRUE(BackendRequest("edit() ... ", "/program/qrtablenameedit.php")
                    .add("qrn", "102").add("qrtext", "A2+").addEscaped("tableinfo", VmrEncodeAA("a&b"))
                    .send().contains("성공"));
    EXPECT_EQ(tableOf(shop, "102")->value("tablenum"), "A2+");
    EXPECT_EQ(tableOf(shop, "102")->value("tableinfo"), "a＆b");

    EXPECT_TRUE(BackendRequest("hide() ... ", "/program/qrtableYNedit.php")
                    .add("qrn", "101").addEscaped("qryn", "N").send().contains("성공"));
    EXPECT_EQ(tableOf(shop, "101")->value("tableYN"), "N");
}

TEST(StandinTables, ChangesThatNameNoTableChangeNothing)
{
    StandinFixture backend;
    ShopState& shop = backend.shop();
    const QList<StandinRecord> before = shop.tables;
    for (const QString number : {"", "999"}) {
        EXPECT_FALSE(BackendRequest("edit() ... ", "/program/qrtablenameedit.php")
                         .add("qrn", number).add("qrtext", "X").addEscaped("tableinfo", "")
                         .send().contains("성공"));
        EXPECT_FALSE(BackendRequest("hide() ... ", "/program/qrtableYNedit.php")
                         .add("qrn", number).addEscaped("qryn", "N").send().contains("성공"));
    }
    EXPECT_FALSE(BackendRequest("sort() ... ", "/program/tableqrtablesortedit.php").add("sort", "").send().contains("성공"));

    shop.account.insert("PassWord", "changed");
    EXPECT_FALSE(BackendRequest("add() ... ", "/program/qrtableadd.php").add("tablename", "X").send().contains("성공"));
    EXPECT_FALSE(BackendRequest("sort() ... ", "/program/tableqrtablesortedit.php")
                     .add("sort", "num[101]num sort[1]sort ").send().contains("성공"));
    EXPECT_EQ(shop.tables, before);
}

TEST(StandinTables, OrderPutsTheNamedTablesFirstAndTheOthersAfterInTheirOldOrder)
{
    StandinFixture backend;
    ShopState& shop = backend.shop();
    shop.tables = shop.tables.mid(0, 5);
    EXPECT_TRUE(BackendRequest("sort() ... ", "/program/tableqrtablesortedit.php")
                    .add("sort", "num[104]num sort[2]sort num[102]num sort[1]sort ")
                    .send().contains("성공"));
    EXPECT_EQ(numbers(shop), QStringList({"102", "104", "101", "103", "105"}));
}
