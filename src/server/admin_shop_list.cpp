#include "server/admin_shop_list.h"

#include "core/backend_request.h"

QString RequestAdminShopList()
{
    return BackendRequest("Load_포스종류() ... ", "/bestAdmin/memberloading.php")
        .withAccount(kAdminID, kAdminPassword)
        .send();
}

std::optional<AnswerRecord> FindShopRecord(const QString& shopList, const QString& shopId)
{
    for (const AnswerRecord& shop : AnswerRecords::Separated(shopList, "<brr>")) {
        const auto id = shop.get("ID[", "]ID");
        if (id && *id == shopId)
            return shop;
    }
    return std::nullopt;
}
