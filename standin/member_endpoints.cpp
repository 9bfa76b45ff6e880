#include "answer_writer.h"
#include "endpoint.h"

#include "core/answer_grammar.h"
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

StandinRecord* memberRecord(ShopState& shop, const QString& number)
{
    for (StandinRecord& member : shop.members)
        if (!number.isEmpty() && member.value("num") == number)
            return &member;
    return nullptr;
}

QString addCar(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString number = form.value("carnumber");
    if (!memberRecord(shop, form.value("numt")) || number.isEmpty())
        return QStringLiteral("실패");
    qlonglong highest = 0;
    for (const StandinRecord& car : shop.cars)
        highest = qMax(highest, car.value("numb").toLongLong());
    shop.cars.append({{"numb", QString::number(highest + 1)}, {"membernum", form.value("numt")}, {"carnumber", number}});
    return QStringLiteral("완료");
}

QString deleteCar(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString member = form.value("numt");
    const QString record = form.value("deletenum");
    const auto removed = shop.cars.removeIf([&](const StandinRecord& car) {
        return !record.isEmpty() && car.value("numb") == record && car.value("membernum") == member;
    });
    return removed > 0 ? QStringLiteral("완료") : QStringLiteral("실패");
}

// A member with pending orders is refused by the plain withdrawal; the administrative one
// withdraws every member.
QString withdraw(ShopState& shop, const FormFields& form, bool despitePending)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const StandinRecord* member = memberRecord(shop, form.value("mnum"));
    if (!member)
        return QStringLiteral("실패");
    if (!despitePending && member->value("checkcount").toInt() > 0)
        return QStringLiteral("대기있음")
               + Fields(*member, {"checkcount", "tolistcount", "zzimlistcount", "waitlistcount", "deliverylistcount"});
    const QString number = member->value("num");
    shop.members.removeIf([&](const StandinRecord& m) { return m.value("num") == number; });
    return QStringLiteral("성공");
}

QString withdrawMember(ShopState& shop, const FormFields& form)
{
    return withdraw(shop, form, false);
}

QString withdrawMemberAdmin(ShopState& shop, const FormFields& form)
{
    return withdraw(shop, form, true);
}

// The whole record as the member save sends it back; the consents come in one block.
QString editMember(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    StandinRecord* member = memberRecord(shop, form.value("numt"));
    if (!member)
        return QStringLiteral("실패");
    member->insert("name", form.value("name"));
    member->insert("level", form.value("levelname"));
    member->insert("levelfrozen", form.value("levelfrozen"));
    member->insert("memo", VmrDecodeAA(form.value("memot")));
    member->insert("deny", form.value("denyt"));
    member->insert("pointcheck", form.value("pointcheck"));
    const QString consents = form.value("snst");
    for (const QString name : {"snsi", "snsf", "snsb", "snse"})
        member->insert(name, GetField(consents, " " + name + "[", "]" + name).value_or(QString()));
    for (const QString name : {"name2", "lastzzimnames", "add_phone1", "add_phone2", "add_phone3", "careful"})
        member->insert(name, form.value(name));
    return QStringLiteral("성공");
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
    endpoints.insert("/vbPHP/MemberCarADD.php", addCar);
    endpoints.insert("/vbPHP/MemberCarDelete.php", deleteCar);
    endpoints.insert("/program/memberoutShop.php", withdrawMember);
    endpoints.insert("/program/memberoutShopAdmin.php", withdrawMemberAdmin);
    endpoints.insert("/program/MemberInfoEdit.php", editMember);
}
