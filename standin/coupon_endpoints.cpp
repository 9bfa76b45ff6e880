#include "answer_writer.h"
#include "endpoint.h"

// The shop's coupons, each between "<menubrrs>" and "</menubrrs>".

namespace {

QString couponList(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    QString answer = Field("totalcount", QString::number(shop.coupons.size()));
    for (const StandinRecord& coupon : shop.coupons)
        answer += "<menubrrs>"
                  + Fields(coupon, {"num", "couponname", "couponname2", "USE", "discountYN", "discount", "savingYN",
                                    "saving", "giftYN", "giftText", "timeText", "time1", "time2"})
                  + "</menubrrs>";
    return answer;
}

} // namespace

void AddCouponEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/vbPHP/couponload.php", couponList);
}
