#include "answer_writer.h"
#include "endpoint.h"

// The reservation settings.

namespace {

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

} // namespace

void AddSettingsEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/zzimloading.php", settings);
}
