#include "endpoint.h"

#include "core/answer_grammar.h"

// The shop's KakaoTalk message to several customers at once: "sendphonetext" lists each as
// "a[" digits "]a "; each takes 15 of the credit, all or none.

namespace {

constexpr int kTalkPrice = 15;

QString sendTalks(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const qint64 cost = qint64(kTalkPrice) * GetFieldValues(form.value("sendphonetext"), "a[", "]a").size();
    if (cost == 0 || shop.credit < cost)
        return QStringLiteral("실패");
    shop.credit -= cost;
    return QStringLiteral("성공");
}

} // namespace

void AddKakaoSendEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/Admin/infokakaoSendTempleteLot.php", sendTalks);
}
