#include "endpoint.h"
#include "standin.h"
#include "table_request_state.h"

#include <QDateTime>

#include <algorithm>

// The requests guests send from their tables: the switch, the pending and completed lists, the
// completion, and "/standin/guest-request", through which a test or a person plays the guest.

namespace {

const StandinRecord* tableByField(const ShopState& shop, const QString& field, const QString& value)
{
    for (const StandinRecord& table : shop.tables)
        if (table.value(field) == value)
            return &table;
    return nullptr;
}

QString tag(const QString& name, const QString& value)
{
    return "<" + name + ">" + value + "</" + name + ">";
}

QString requestRecord(const ShopState& shop, const StandinRecord& request)
{
    static const StandinRecord noTable;
    const StandinRecord* found = tableByField(shop, "nums", request.value("table"));
    const StandinRecord& table = found ? *found : noTable;
    return "<memochecks>" + tag("memonum", request.value("memonum")) + tag("memoqr", table.value("tableqr"))
           + tag("memotablegroupname", table.value("tableqroup")) + tag("memotablename", table.value("tablenum"))
           + tag("memoYN", request.value("memoYN")) + tag("memophonet", request.value("memophonet"))
           + tag("regdatememo", request.value("regdatememo")) + tag("memotext", request.value("memotext"))
           + tag("ordercount", request.value("ordercount"));
}

QString requestSwitch(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    return "qrmemoYN[" + shop.qrmemoYN + "]qrmemoYN";
}

// "checked" Y lists the pending requests, N the completed ones; newest (highest number) first.
QString requestList(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString checked = form.value("checked");
    if (checked != "Y" && checked != "N")
        return QString();
    const QString state = checked == "Y" ? "N" : "Y";
    QList<const StandinRecord*> listed;
    for (const StandinRecord& request : shop.tableRequests)
        if (request.value("memoYN") == state)
            listed.append(&request);
    std::stable_sort(listed.begin(), listed.end(), [](const StandinRecord* a, const StandinRecord* b) {
        return a->value("memonum").toLongLong() > b->value("memonum").toLongLong();
    });
    QString answer;
    for (const StandinRecord* request : listed)
        answer += requestRecord(shop, *request);
    return answer;
}

QString completeRequest(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString number = form.value("numt");
    for (StandinRecord& request : shop.tableRequests) {
        if (!number.isEmpty() && request.value("memonum") == number && request.value("memoYN") == "N") {
            request.insert("memoYN", "Y");
            return QStringLiteral("성공");
        }
    }
    return QStringLiteral("실패: 처리할 요청이 없습니다.");
}

StandinReply guestRequest(ShopState& shop, const FormFields& form)
{
    const int count = form.value("count").isEmpty() ? 1 : form.value("count").toInt();
    const QString number = AddGuestRequest(shop, form.value("table"), form.value("text"), count, form.value("phone"));
    if (number.isEmpty())
        return StandinReply::text("테이블 \"" + form.value("table") + "\"이(가) 없습니다.", 409);
    return StandinReply::text("성공 " + number);
}

} // namespace

QString AddGuestRequest(ShopState& shop, const QString& tableName, const QString& text, int count, const QString& phone)
{
    const StandinRecord* table = tableByField(shop, "tablenum", tableName);
    if (!table)
        return QString();
    qint64 last = 0;
    for (const StandinRecord& request : shop.tableRequests)
        last = std::max(last, request.value("memonum").toLongLong());
    const QString number = QString::number(last + 1);
    shop.tableRequests.append({{"memonum", number},
                               {"table", table->value("nums")},
                               {"memophonet", phone},
                               {"memotext", text},
                               {"ordercount", QString::number(count)},
                               {"regdatememo", QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss")},
                               {"memoYN", "N"}});
    return number;
}

void AddTableRequestEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/program/tableqrsettingloading.php", requestSwitch);
    endpoints.insert("/program/qrtablememolistloading.php", requestList);
    endpoints.insert("/program/qrtablememoOK.php", completeRequest);
}

void AddGuestRequestPath(Standin& standin)
{
    standin.addAdminPath("/standin/guest-request", [&standin](const StandinRequest& request) {
        return guestRequest(standin.shop(), request.form());
    });
}
