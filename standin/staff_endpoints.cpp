#include "answer_writer.h"
#include "endpoint.h"

#include "core/answer_grammar.h"
#include "core/text_escapes.h"

#include <algorithm>

// The staff list: "num" and "managername" of every member of staff, without a separator. Names
// arrive escaped and are kept plain.

namespace {

// The place of the record whose number is the given one (compared as whole numbers); -1 when none.
qsizetype placeOf(const ShopState& shop, const QString& number)
{
    bool ok = false;
    const int wanted = number.trimmed().toInt(&ok);
    if (!ok)
        return -1;
    for (qsizetype i = 0; i < shop.staff.size(); ++i)
        if (shop.staff[i].value("num").toInt() == wanted)
            return i;
    return -1;
}

QString staffList(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    QString answer;
    for (StandinRecord record : shop.staff) {
        record.insert("managername", VmrEncodeBB(record.value("managername")));
        answer += Fields(record, {"num", "managername"});
    }
    return answer;
}

QString addStaff(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    int last = 0;
    for (const StandinRecord& record : shop.staff)
        last = std::max(last, record.value("num").toInt());
    shop.staff.append({{"num", QString::number(last + 1)}, {"managername", VmrDecodeAA(form.value("managername"))}});
    return QStringLiteral("등록 성공");
}

QString renameStaff(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const qsizetype place = placeOf(shop, form.value("numt"));
    if (place < 0)
        return QStringLiteral("없는 직원입니다.");
    shop.staff[place].insert("managername", VmrDecodeAA(form.value("managername")));
    return QStringLiteral("수정 성공");
}

QString deleteStaff(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const qsizetype place = placeOf(shop, form.value("numt"));
    if (place < 0)
        return QStringLiteral("없는 직원입니다.");
    shop.staff.removeAt(place);
    return QStringLiteral("삭제 성공");
}

// The records named in the body come first, by their "sort" position; the others follow in their
// old order.
QString reorderStaff(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const AnswerRecords pairs = AnswerRecords::Parallel(form.value("sort"), "num[");
    QList<std::pair<int, StandinRecord>> named;
    QList<StandinRecord> others = shop.staff;
    for (const AnswerRecord& pair : pairs) {
        const qsizetype place = placeOf(shop, pair.field("num[", "]num"));
        if (place < 0)
            continue;
        named.append({pair.field("sort[", "]sort").toInt(), shop.staff[place]});
        others.removeIf([&](const StandinRecord& r) { return r.value("num") == shop.staff[place].value("num"); });
    }
    std::stable_sort(named.begin(), named.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<StandinRecord> staff;
    for (const auto& entry : named)
        staff.append(entry.second);
    shop.staff = staff + others;
    return QStringLiteral("순서 저장 성공");
}

} // namespace

void AddStaffEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/shopmanagerloading.php", staffList);
    endpoints.insert("/program/shopmanagerADD.php", addStaff);
    endpoints.insert("/program/shopmanagerEdit.php", renameStaff);
    endpoints.insert("/program/shopmanagerDelete.php", deleteStaff);
    endpoints.insert("/program/shopmanagersortedit.php", reorderStaff);
}
