#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/text_escapes.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

namespace {

QString ask(BackendRequest request)
{
    return request.send();
}

QStringList staffNames(ShopState& shop)
{
    QStringList names;
    for (const StandinRecord& record : shop.staff)
        names.append(record.value("managername"));
    return names;
}

} // namespace

TEST(StandinSettings, ASaveStoresThePlainFieldsAndTheTaggedValuesOfItsBlocks)
{
    StandinFixture backend;
    const QString saved =
        ask(BackendRequest("t() ... ", "/program/zzimsave.php")
                .add("persontype", "2")
                .add("zzimnoshow", "4")
                .addEscaped("ZZimRequireTime", "ZZimRequireTimeA[02]ZZimRequireTimeA  ZZimRequireTimeB[15]ZZimRequireTimeB")
                .addEscaped("ZZimScheduleScale", "ZZimScheduleScaleA1[08]ZZimScheduleScaleA1 ZZimScheduleScaleA2[00]"
                                                 "ZZimScheduleScaleA2 ZZimScheduleScaleB1[23]ZZimScheduleScaleB1")
                .add("ZZimDID_ShowTimeA", "A&B"));
    EXPECT_TRUE(IsSuccessAnswer(saved));
    const QString answer = ask(BackendRequest("t() ... ", "/program/zzimloading.php"));
    for (const auto& [name, value] : QList<std::pair<QString, QString>>{{"persontype", "2"},
                                                                       {"ZZimRequireTimeB", "15"},
                                                                       {"ZZimScheduleScaleB1", "23"},
                                                                       {"ZZimDID_ShowTimeA", "A&B"}})
        EXPECT_EQ(GetField(answer, name + "[", "]" + name), value) << name.toStdString();
    EXPECT_FALSE(answer.contains("ZZimScheduleScaleA2"));

    ask(BackendRequest("t() ... ", "/program/smskakaosettingedit.php")
            .add("smskakaoSetting", "ZC_2[N]ZC_2")
            .add("smskakaoSettingText", "글 & 말"));
    const QString notices = ask(BackendRequest("t() ... ", "/program/checkkakaosms.php"));
    EXPECT_EQ(notices, "성공 smskakaoSetting[ZC_2[N]ZC_2]smskakaoSetting smskakaoSettingText[글 & 말]smskakaoSettingText");
}

TEST(StandinSettings, TemplatesAreKeptPlainPerKind)
{
    StandinFixture backend;
    const auto load = [](const QString& kind) {
        return ask(BackendRequest("t() ... ", "/program/shopkakaotemplateLoad.php").add("typetext", "예약").add("typetext2", kind));
    };
    EXPECT_FALSE(load("예약확인").contains("toptext"));
    EXPECT_EQ(load("이용안내"), "toptext[한마당 숯불갈비 이용 안내!줄바꿈!단체 예약 환영]toptext bottomtext[주차 2시간 무료!줄바꿈!영업시간 11:00 ~ 22:00]bottomtext");
    ask(BackendRequest("t() ... ", "/program/shopkakaotemplateEdit.php")
            .add("typetext", "예약")
            .add("typetext2", "예약확인")
            .addEscaped("toptext", VmrEncodeAA("A&B+C"))
            .addEscaped("bottomtext", ""));
    EXPECT_EQ(backend.shop().kakaoTemplates.value("예약확인"), (QStringList{"A＆B+C", ""}));
    EXPECT_EQ(load("예약확인"), "toptext[A!123!Bccdd!!C]toptext bottomtext[]bottomtext");
}

TEST(StandinStaff, ChangesAreStoredAndAnUnknownNumberChangesNothing)
{
    StandinFixture backend;
    const QStringList before = staffNames(backend.shop());
    EXPECT_TRUE(IsSuccessAnswer(
        ask(BackendRequest("t() ... ", "/program/shopmanagerADD.php").add("managername", VmrEncodeBB("새 직원 & \"A\"+")))));
    EXPECT_EQ(backend.shop().staff.last().value("managername"), "새 직원 ＆ \"A\"+");
    EXPECT_EQ(backend.shop().staff.last().value("num"), "506");

    EXPECT_FALSE(IsSuccessAnswer(ask(BackendRequest("t() ... ", "/program/shopmanagerEdit.php").add("numt", "999").add("managername", "X"))));
    EXPECT_FALSE(IsSuccessAnswer(ask(BackendRequest("t() ... ", "/program/shopmanagerDelete.php").add("numt", "999"))));
    EXPECT_TRUE(IsSuccessAnswer(ask(BackendRequest("t() ... ", "/program/shopmanagerEdit.php").add("numt", "0502").add("managername", "이름"))));
    EXPECT_EQ(backend.shop().staff[1].value("managername"), "이름");
    EXPECT_TRUE(IsSuccessAnswer(ask(BackendRequest("t() ... ", "/program/shopmanagerDelete.php").add("numt", "501"))));
    EXPECT_EQ(backend.shop().staff.size(), before.size());

    ask(BackendRequest("t() ... ", "/program/shopmanagersortedit.php")
            .addEscaped("sort", " num[504]num sort[2]sort  num[506]num sort[1]sort "));
    QStringList numbers;
    for (const StandinRecord& record : backend.shop().staff)
        numbers.append(record.value("num"));
    EXPECT_EQ(numbers, (QStringList{"506", "504", "502", "503", "505"}));
}
