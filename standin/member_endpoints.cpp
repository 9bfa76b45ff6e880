#include "answer_writer.h"
#include "endpoint.h"

#include "core/text_escapes.h"

// The member lookup by phone and the remaining message credit.

namespace {

QString digitsOf(QString phone)
{
    return phone.remove('-');
}

QString memberByPhone(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString phone = digitsOf(form.value("phonet"));
    for (StandinRecord member : shop.members)
        if (!phone.isEmpty() && digitsOf(member.value("phone")) == phone) {
            member.insert("memo", VmrEncodeAA(member.value("memo")));
            return Fields(member, {"num", "name", "phone", "level", "memo"});
        }
    return QStringLiteral("검색 결과가 없습니다.");
}

QString messageCredit(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    return " " + Field("smsPoint", QString::number(shop.credit)) + " ";
}

} // namespace

void AddMemberEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/SearchMember1DetailPhone.php", memberByPhone);
    endpoints.insert("/program/alramsavingLoading.php", messageCredit);
}
