#include "answer_writer.h"
#include "endpoint.h"

// The shop login and the administrative shop list and member state, which are asked with the
// fixed administrative account.

namespace {

const QString kAdminId = QStringLiteral("admin");
const QString kAdminPassword = QStringLiteral("zotrex4");

bool isAdminRequest(const FormFields& form)
{
    return form.value("ID") == kAdminId && form.value("PassWord") == kAdminPassword;
}

QString login(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return QStringLiteral("로그인 실패: ") + WrongAccountAnswer();
    return "로그인 성공" + Fields(shop.account, {"번호", "storename", "QRC"});
}

QString memberList(ShopState& shop, const FormFields& form)
{
    if (!isAdminRequest(form))
        return WrongAccountAnswer();
    QList<StandinRecord> shops = shop.otherShops;
    shops.append(shop.account);
    QString answer = Field("totalcount", QString::number(shops.size()));
    for (const StandinRecord& record : shops)
        answer += "<brr>" + Fields(record, {"num", "ID", "storename", "tel"});
    return answer;
}

QString memberState(ShopState& shop, const FormFields& form)
{
    if (!isAdminRequest(form) || form.value("membersrl") != shop.account.value("num"))
        return WrongAccountAnswer();
    return Fields(shop.account, {"storename"})
           + Fields(shop.memberState, {"QRCheckYN1", "okposcheck", "okposnumber", "ezposcheck", "golfcheck", "robotUSE"});
}

} // namespace

void AddLoginEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/logins.php", login);
    endpoints.insert("/bestAdmin/memberloading.php", memberList);
    endpoints.insert("/bestAdmin/memberstate.php", memberState);
}
