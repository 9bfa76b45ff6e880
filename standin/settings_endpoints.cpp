#include "answer_writer.h"
#include "endpoint.h"

#include "core/answer_grammar.h"

// The reservation settings and the notification switches.

namespace {

// The settings that zzimsave.php sends as plain fields, and the blocks whose tagged values it
// sends inside one field each.
const QStringList kPlainSettings{"persontype", "zzimnoshow", "ZZimDID_ShowTimeA", "ZZimDID_ShowTimeB",
                                 "ZZimDID_ShowName", "ZZimDID_ShowOZ"};
const QList<std::pair<QString, QStringList>> kBlocks{
    {"ZZimRequireTime", {"ZZimRequireTimeA", "ZZimRequireTimeB"}},
    {"ZZimScheduleScale", {"ZZimScheduleScaleA1", "ZZimScheduleScaleB1"}},
    {"ZZimAlramPickTime", {"ZZimAlramPickTimeYN", "ZZimAlramPickTimeA", "ZZimAlramPickTimeB", "ZZimAlramPickTimeC"}},
    {"ZZimAlramBeforeTime", {"ZZimAlramBeforeTimeYN", "ZZimAlramBeforeTimeA", "ZZimAlramBeforeTimeB"}},
};

QString settings(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    return Fields(shop.settings,
                  {"persontype", "ZZimRequireTimeA", "ZZimRequireTimeB", "ZZimScheduleScaleA1", "ZZimScheduleScaleB1",
                   "ZZimAlramPickTimeYN", "ZZimAlramPickTimeA", "ZZimAlramPickTimeB", "ZZimAlramPickTimeC",
                   "ZZimAlramBeforeTimeYN", "ZZimAlramBeforeTimeA", "ZZimAlramBeforeTimeB", "ZZimDID_ShowTimeA",
                   "ZZimDID_ShowTimeB", "ZZimDID_ShowName", "ZZimDID_ShowOZ", "zzimnoshow"});
}

QString saveSettings(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    for (const QString& name : kPlainSettings)
        shop.settings.insert(name, form.value(name));
    for (const auto& [field, names] : kBlocks) {
        const QString block = form.value(field);
        for (const QString& name : names)
            shop.settings.insert(name, GetField(block, name + "[", "]" + name).value_or(QString()));
    }
    return QStringLiteral("저장 성공");
}

QString notices(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    return "성공 " + Field("smskakaoSetting", shop.notices.value("smskakaoSetting")) + " "
           + Field("smskakaoSettingText", shop.notices.value("smskakaoSettingText"));
}

QString saveNotices(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    shop.notices.insert("smskakaoSetting", form.value("smskakaoSetting"));
    shop.notices.insert("smskakaoSettingText", form.value("smskakaoSettingText"));
    return QStringLiteral("저장 성공");
}

} // namespace

void AddSettingsEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/zzimloading.php", settings);
    endpoints.insert("/program/zzimsave.php", saveSettings);
    endpoints.insert("/program/checkkakaosms.php", notices);
    endpoints.insert("/program/smskakaosettingedit.php", saveNotices);
}
