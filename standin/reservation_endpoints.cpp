#include "answer_writer.h"
#include "endpoint.h"
#include "party_block.h"

#include "core/text_escapes.h"
#include "core/time_label.h"

#include <QDate>

#include <algorithm>

// The reservation list of a range of days and a member's reservation history.

namespace {

bool inRange(const StandinRecord& reservation, const FormFields& form)
{
    const QString day = reservation.value("regdatess");
    const QString first = form.value("day");
    const QString last = form.value("day2");
    return (first == "all" || day >= first) && (last == "all" || day <= last);
}

bool isListed(const StandinRecord& reservation, const FormFields& form)
{
    const QString state = reservation.value("YN");
    if (form.value("noshowt") == "N" && state == "noshow")
        return false;
    const QString select = form.value("select");
    return (select.isEmpty() || select == "all" || select == state) && inRange(reservation, form);
}

QString listHead(const QList<const StandinRecord*>& listed)
{
    auto countOf = [&](const QString& state) {
        return QString::number(std::count_if(listed.begin(), listed.end(),
                                             [&](const StandinRecord* r) { return r->value("YN") == state; }));
    };
    StandinRecord head{{"allcount", QString::number(listed.size())},
                       {"scount", countOf("S")},
                       {"ycount", countOf("Y")},
                       {"ncount", countOf("N")},
                       {"editcount", "0"},
                       {"xcount", countOf("X")},
                       {"fcount", countOf("finish")}};
    return Fields(head, {"allcount", "scount", "ycount", "ncount", "editcount", "xcount", "fcount"});
}

// "num" comes first, so that no longer marker ending in "num[" stands before it.
QString listRecord(const StandinRecord& reservation)
{
    StandinRecord record = reservation;
    record.insert("regdates1", reservation.value("regdates"));
    record.insert("personcount", PartyBlock(reservation));
    record.insert("memo", VmrEncodeAA(reservation.value("memo")));
    record.insert("menu", VmrEncodeAA(reservation.value("menu")));
    return Fields(record, {"num", "YN", "regdatess", "regdatess3", "regdates", "regdates1", "regdates3",
                           "finishscheduleTime", "phone", "requestname", "requestoz", "table", "personcount",
                           "memo", "menu", "zzim_APP", "zzim_managername"});
}

QString reservationList(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    QList<const StandinRecord*> listed;
    for (const StandinRecord& reservation : shop.reservations)
        if (isListed(reservation, form))
            listed.append(&reservation);
    QString answer = listHead(listed);
    for (const StandinRecord* reservation : listed)
        answer += "<menubrrs>" + listRecord(*reservation);
    return answer;
}

QString stateWord(const QString& code)
{
    static const QHash<QString, QString> words{{"S", "답변대기"}, {"Y", "접수완료"}, {"N", "예약거절"},
                                               {"X", "접수취소"}, {"noshow", "NOSHOW"}, {"finish", "계산완료"}};
    return words.value(code, code);
}

// The latest visit on or before today is the member's previous booking.
QString historyHead(const QList<const StandinRecord*>& history)
{
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    int people = 0;
    int noshows = 0;
    QString recent;
    for (const StandinRecord* r : history) {
        people += PartyTotal(*r);
        noshows += r->value("YN") == "noshow" ? 1 : 0;
        const QString day = r->value("regdatess");
        if (day <= today && day > recent)
            recent = day;
    }
    const StandinRecord head{{"totalcount", QString::number(history.size())},
                             {"totalpersoncount", QString::number(people)},
                             {"recentzzim", recent},
                             {"noshowcount", QString::number(noshows)}};
    return Fields(head, {"totalcount", "totalpersoncount", "recentzzim", "noshowcount"});
}

// The group name is percent-encoded and closes with "]requestoz". The request text and the menu
// come as plain text: the readers of the history store and show them without unescaping.
QString historyRecord(const StandinRecord& r)
{
    StandinRecord record{{"zzim_num", r.value("num")},
                         {"zzim_regdate", r.value("regdatess") + " " + r.value("regdatess3")},
                         {"finishscheduleTime", r.value("finishscheduleTime")},
                         {"zzim_request", r.value("requestname")},
                         {"zzim_table", r.value("table")},
                         {"zzim_APP", r.value("zzim_APP")},
                         {"zzim_managername", r.value("zzim_managername")},
                         {"zzim_memo", r.value("memo")},
                         {"zzim_menu", r.value("menu")},
                         {"zzim_state", stateWord(r.value("YN"))},
                         {"zzim_person", PartyBlock(r)}};
    return Fields(record, {"zzim_num", "zzim_regdate", "finishscheduleTime", "zzim_request"}) + "zzim_oz["
           + URLEncode(r.value("requestoz")) + "]requestoz"
           + Fields(record, {"zzim_table", "zzim_APP", "zzim_managername", "zzim_memo", "zzim_menu", "zzim_state",
                             "zzim_person"});
}

// The member's reservations, the newest first.
QString reservationHistory(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString member = form.value("numt");
    QList<const StandinRecord*> history;
    for (const StandinRecord& reservation : shop.reservations)
        if (!member.isEmpty() && reservation.value("membernum") == member)
            history.append(&reservation);
    std::sort(history.begin(), history.end(), [](const StandinRecord* a, const StandinRecord* b) {
        return a->value("num").toLongLong() > b->value("num").toLongLong();
    });
    QString answer = historyHead(history);
    for (const StandinRecord* reservation : history)
        answer += historyRecord(*reservation);
    return answer;
}

// "HH:mm" as the time label: "18:30" gives "오후 6시 30분".
QString timeLabelOf(const QString& time)
{
    return TimeLabel(time.section(':', 0, 0).toInt(), time.section(':', 1, 1) + "분");
}

const StandinRecord* reservationByNumber(const ShopState& shop, const QString& number)
{
    for (const StandinRecord& reservation : shop.reservations)
        if (!number.isEmpty() && reservation.value("num") == number)
            return &reservation;
    return nullptr;
}

// One reservation for the entry window. "table[" and "memo[" are written once each, so that no
// longer marker ending in them stands in the answer.
QString reservationLoad(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const StandinRecord* found = reservationByNumber(shop, form.value("zzimnum"));
    if (!found)
        return QStringLiteral("실패");
    StandinRecord record = *found;
    record.insert("day", found->value("regdatess"));
    record.insert("time", timeLabelOf(found->value("regdatess3")));
    record.insert("finishscheduleTime", found->value("finishscheduleTime").left(16) + ":00");
    record.insert("personcount", PartyBlock(*found));
    record.insert("memo", VmrEncodeAA(found->value("memo")));
    return Fields(record, {"day", "time", "finishscheduleTime", "requestname", "personcount", "table", "requestoz",
                           "memo", "zzim_managername"});
}

} // namespace

void AddReservationEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/vbPHP/zzimorderload.php", reservationList);
    endpoints.insert("/program/SearchZZimLoading.php", reservationHistory);
    endpoints.insert("/Admin/zzimstateload.php", reservationLoad);
}
