#include "endpoint.h"
#include "message_history.h"

#include "core/answer_grammar.h"

// The message to several callers at once: "sendphonetext" lists each recipient as
// "b[" record "]b" "a[" digits "]a ", "bytec" decides the price of each.

namespace {

constexpr int kLmsBytes = 91;

QString sendToSeveral(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QStringList numbers = GetFieldValues(form.value("sendphonetext"), "a[", "]a");
    const int price = form.value("bytec").toInt() < kLmsBytes ? 20 : 45;
    const qint64 cost = qint64(price) * numbers.size();
    if (numbers.isEmpty() || shop.credit < cost)
        return QStringLiteral("실패");
    shop.credit -= cost;
    RecordSentMessage(shop, numbers, form.value("sendTEXT").replace(QStringLiteral("!줄!"), QStringLiteral("\r\n")));
    return QStringLiteral("성공");
}

} // namespace

void AddCouponSmsEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/sendCouponSMS.php", sendToSeveral);
}
