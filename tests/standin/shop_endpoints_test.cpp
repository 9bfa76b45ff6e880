#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/text_escapes.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

namespace {

QString ask(const QString& path)
{
    return BackendRequest("test() ... ", path).send();
}

// The value of name[value]name, first occurrence.
QString field(const QString& text, const QString& name)
{
    return GetField(text, name + "[", "]" + name).value_or("<missing>");
}

} // namespace

TEST(StandinShop, SettingsReadBackFieldByField)
{
    StandinFixture backend;
    const QString answer = ask("/program/zzimloading.php");
    const StandinRecord& settings = backend.shop().settings;
    ASSERT_EQ(settings.size(), 17);
    for (auto it = settings.begin(); it != settings.end(); ++it)
        EXPECT_EQ(field(answer, it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(field(answer, "persontype"), "1");
}

TEST(StandinShop, StaffReadBackAsParallelFields)
{
    StandinFixture backend;
    const QString answer = ask("/program/shopmanagerloading.php");
    const QList<StandinRecord>& staff = backend.shop().staff;
    ASSERT_EQ(GetItemCount(answer, "num["), QString::number(staff.size()));
    const AnswerRecords records = AnswerRecords::Parallel(answer, "num[");
    for (qsizetype i = 0; i < staff.size(); ++i) {
        EXPECT_EQ(records.at(i).get("num[", "]num"), staff[i].value("num"));
        EXPECT_EQ(VmrDecodeAA(records.at(i).field("managername[", "]managername")),
                  VmrDecodeAA(VmrEncodeBB(staff[i].value("managername"))));
    }
    EXPECT_EQ(VmrDecodeAA(records.at(4).field("managername[", "]managername")), "정하늘 ＆ 팀장");
}

TEST(StandinShop, TablesReadBackByTheirFirstField)
{
    StandinFixture backend;
    const QString answer = ask("/program/qrtableloading.php");
    const QList<StandinRecord>& tables = backend.shop().tables;
    const AnswerRecords records = AnswerRecords::FirstField(answer, "nums[");
    ASSERT_EQ(records.count(), tables.size());
    int active = 0;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        for (const QString name : {"nums", "tableqr", "tableqroup", "tablenum", "tableinfo", "tableregdate", "tableYN"})
            EXPECT_EQ(records.at(i).get(name + "[", "]" + name), tables[i].value(name)) << name.toStdString();
        const QString info = records.at(i).field("tableinfo[", "]tableinfo");
        EXPECT_FALSE(GetField(info, " tia[", "]tia ").value_or("").isEmpty());
        EXPECT_FALSE(GetField(info, " tib[", "]tib ").value_or("").isEmpty());
        active += records.at(i).field("tableYN[", "]tableYN") == "Y";
    }
    EXPECT_EQ(active, tables.size() - 1);
}

TEST(StandinShop, CouponsReadBackBetweenTheirSeparators)
{
    StandinFixture backend;
    const QString answer = ask("/vbPHP/couponload.php");
    const QList<StandinRecord>& coupons = backend.shop().coupons;
    ASSERT_EQ(GetItemCount(answer, "<menubrrs>"), QString::number(coupons.size()));
    const AnswerRecords records = AnswerRecords::Separated(answer, "<menubrrs>");
    for (qsizetype i = 0; i < coupons.size(); ++i) {
        const QString record = records.at(i).text().section("</menubrrs>", 0, 0);
        for (auto it = coupons[i].begin(); it != coupons[i].end(); ++it)
            EXPECT_EQ(field(record, it.key()), it.value()) << it.key().toStdString();
    }
    EXPECT_EQ(field(answer, "USE"), "Y");
}

TEST(StandinShop, SwitchesAndShopListForTheAdministrativeAccount)
{
    StandinFixture backend;
    const QString list = BackendRequest("Load_포스종류() ... ", "/bestAdmin/memberloading.php")
                             .withAccount("admin", "zotrex4")
                             .send();
    QString serial, tel;
    for (const AnswerRecord& record : AnswerRecords::Separated(list, "<brr>"))
        if (record.field("ID[", "]ID") == backend.shopId()) {
            serial = record.field("num[", "]num");
            tel = record.field("tel[", "]tel");
            break;
        }
    EXPECT_EQ(serial, backend.shop().account.value("num"));
    EXPECT_EQ(tel, backend.shop().account.value("tel"));

    const QString state = BackendRequest("Load_포스종류() ... ", "/bestAdmin/memberstate.php")
                              .withAccount("admin", "zotrex4")
                              .add("membersrl", serial)
                              .send();
    EXPECT_TRUE(state.contains("storename"));
    for (auto it = backend.shop().memberState.begin(); it != backend.shop().memberState.end(); ++it)
        EXPECT_EQ(field(state, it.key()), it.value()) << it.key().toStdString();
}

TEST(StandinShop, MemberByPhoneAndCredit)
{
    StandinFixture backend;
    const StandinRecord member = backend.shop().members.at(0);
    QString digits = member.value("phone");
    digits.remove('-');
    const QString found =
        BackendRequest("Vmr_회원() ... ", "/program/SearchMember1DetailPhone.php").add("phonet", digits).send();
    EXPECT_EQ(field(found, "name"), member.value("name"));
    EXPECT_TRUE(found.contains("memo["));

    const QString missing =
        BackendRequest("Vmr_회원() ... ", "/program/SearchMember1DetailPhone.php").add("phonet", "01000000000").send();
    EXPECT_FALSE(missing.contains("name["));

    bool associate = false;
    for (const StandinRecord& m : backend.shop().members)
        associate |= m.value("name") == "임시";
    EXPECT_TRUE(associate);

    EXPECT_EQ(field(ask("/program/alramsavingLoading.php"), "smsPoint"), QString::number(backend.shop().credit));
}

TEST(StandinShop, EveryEndpointRefusesAnotherAccount)
{
    StandinFixture backend;
    backend.shop().account.insert("PassWord", "changed");
    for (const QString path : {"/program/logins.php", "/program/zzimloading.php", "/program/shopmanagerloading.php",
                               "/program/qrtableloading.php", "/vbPHP/couponload.php", "/vbPHP/zzimorderload.php",
                               "/program/SearchZZimLoading.php", "/program/SearchMember1DetailPhone.php",
                               "/program/alramsavingLoading.php"}) {
        const QString answer = ask(path);
        EXPECT_FALSE(answer.contains("[")) << path.toStdString();
        EXPECT_FALSE(answer.contains("성공")) << path.toStdString();
    }
}
