#include "answer_writer.h"
#include "endpoint.h"

#include "core/text_escapes.h"

#include <algorithm>

// The member lookup by phone, the member search, detail and car list, and the remaining message
// credit.

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

const StandinRecord* memberByNumber(const ShopState& shop, const QString& number)
{
    for (const StandinRecord& member : shop.members)
        if (!number.isEmpty() && member.value("num") == number)
            return &member;
    return nullptr;
}

bool matchesSearch(const StandinRecord& member, const QString& text)
{
    if (text.isEmpty())
        return true;
    if (member.value("name").contains(text) || member.value("name2").contains(text))
        return true;
    const QString digits = digitsOf(text);
    const auto digitCount = std::count_if(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    return digitCount >= 4 && digitsOf(member.value("phone")).contains(digits);
}

// A temporary member is listed as "준회원"; the detail keeps "임시".
QString memberSearch(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString text = form.value("textz");
    QString records;
    int count = 0;
    for (StandinRecord member : shop.members) {
        if (!matchesSearch(member, text))
            continue;
        ++count;
        if (member.value("name") == "임시")
            member.insert("name", "준회원");
        member.insert("memo", VmrEncodeAA(member.value("memo")));
        records += "<menubrrs>" + Fields(member, {"num", "name", "name2", "phone", "birthday", "sex", "memo"});
    }
    return " " + Field("totalcount", QString::number(count)) + " " + records;
}

QString flag(const StandinRecord& member, const QString& name)
{
    const QString value = member.value(name);
    return value.isEmpty() ? QStringLiteral("N") : value;
}

QString memberDetail(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const StandinRecord* found = memberByNumber(shop, form.value("numt"));
    if (!found)
        return QStringLiteral(" names[]names ");
    StandinRecord member = *found;
    member.insert("names", member.value("name"));
    member.insert("memo", VmrEncodeAA(member.value("memo")));
    for (const char* name : {"careful", "levelfrozen", "deny", "pointcheck", "snsi", "snsf", "snsb", "snse"})
        member.insert(name, flag(member, name));
    member.insert("noshowcount", QString::number(std::count_if(
                                     shop.reservations.begin(), shop.reservations.end(), [&](const StandinRecord& r) {
                                         return r.value("membernum") == member.value("num") && r.value("YN") == "noshow";
                                     })));
    QString answer = Fields(member, {"names", "name2", "phone", "memo", "careful", "level", "levelfrozen"});
    for (const StandinRecord& level : shop.levels)
        answer += "<level>" + Fields(level, {"levelnum", "levelname"}) + "</level>";
    return answer + Fields(member, {"deny", "pointcheck", "snsi", "snsf", "snsb", "snse", "lastzzimnames", "add_phone1",
                                    "add_phone2", "add_phone3", "sex", "birthday", "noshowcount"});
}

QString memberCars(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString number = form.value("numt");
    if (!memberByNumber(shop, number))
        return QStringLiteral("실패");
    QString answer = QStringLiteral("완료");
    for (const StandinRecord& car : shop.cars)
        if (car.value("membernum") == number)
            answer += Field("numb", car.value("numb")) + " " + Field("carnumber", car.value("carnumber")) + " ";
    return answer;
}

// An associate member registered by phone: "이미가입" when a member has those digits.
QString registerAssociate(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString phone = digitsOf(form.value("phonet"));
    if (phone.isEmpty())
        return QStringLiteral("실패");
    qlonglong highest = 0;
    for (const StandinRecord& member : shop.members) {
        if (digitsOf(member.value("phone")) == phone)
            return QStringLiteral("이미가입");
        highest = qMax(highest, member.value("num").toLongLong());
    }
    StandinRecord member{{"num", QString::number(highest + 1)},
                         {"name", "임시"},
                         {"name2", form.value("name2")},
                         {"phone", phone},
                         {"level", "준회원"},
                         {"memo", VmrDecodeAA(form.value("memotext"))}};
    for (const char* extra : {"add_phone1", "add_phone2", "add_phone3"})
        if (form.contains(extra))
            member.insert(extra, form.value(extra));
    shop.members.append(member);
    return QStringLiteral("성공");
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
    endpoints.insert("/program/SearchMember1.php", memberSearch);
    endpoints.insert("/program/SearchMember1Detail2.php", memberDetail);
    endpoints.insert("/vbPHP/MemberCarLoad.php", memberCars);
    endpoints.insert("/program/RecommendPhoneShopMoveNoSMS.php", registerAssociate);
}
