#include "endpoint.h"
#include "party_block.h"

#include "core/text_escapes.h"

#include <QDateTime>

// The reservation writes of the entry window: a new reservation, the field edits and the state
// change. An unknown reservation number, or a value that cannot be read, answers "실패".

namespace {

const QString kDone = QStringLiteral("성공");
const QString kFailed = QStringLiteral("실패");

QString digitsOf(QString phone)
{
    return phone.remove('-');
}

// "오후 6시 30분" as "18:30"; empty when the label does not read.
QString clockOf(const QString& label)
{
    const QStringList words = label.split(' ', Qt::SkipEmptyParts);
    if (words.size() != 3 || !words[1].endsWith("시") || !words[2].endsWith("분"))
        return QString();
    bool hourOk = false;
    bool minuteOk = false;
    int hour = words[1].chopped(1).toInt(&hourOk);
    const int minute = words[2].chopped(1).toInt(&minuteOk);
    if (!hourOk || !minuteOk || (words[0] != "오전" && words[0] != "오후"))
        return QString();
    if (words[0] == "오후")
        hour += 12;
    return QTime(hour, minute).isValid() ? QTime(hour, minute).toString("HH:mm") : QString();
}

bool isDay(const QString& text)
{
    return QDate::fromString(text, "yyyy-MM-dd").isValid();
}

// "yyyy-MM-dd HH:mm" of a moment sent with or without seconds; empty when it does not read.
QString momentOf(const QString& text)
{
    for (const char* format : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm"}) {
        const QDateTime moment = QDateTime::fromString(text, format);
        if (moment.isValid())
            return moment.toString("yyyy-MM-dd HH:mm");
    }
    return QString();
}

StandinRecord* reservationOf(ShopState& shop, const QString& number)
{
    for (StandinRecord& reservation : shop.reservations)
        if (!number.isEmpty() && reservation.value("num") == number)
            return &reservation;
    return nullptr;
}

QString memberWithPhone(const ShopState& shop, const QString& phone)
{
    for (const StandinRecord& member : shop.members)
        if (!phone.isEmpty() && digitsOf(member.value("phone")) == phone)
            return member.value("num");
    return QString();
}

QString nextNumber(const ShopState& shop)
{
    qlonglong highest = 0;
    for (const StandinRecord& reservation : shop.reservations)
        highest = qMax(highest, reservation.value("num").toLongLong());
    return QString::number(highest + 1);
}

QString addReservation(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString start = clockOf(form.value("time"));
    const QString end = momentOf(form.value("finishscheduleTime"));
    if (!isDay(form.value("day")) || start.isEmpty() || end.isEmpty())
        return kFailed;
    const QDateTime now = QDateTime::currentDateTime();
    const QString phone = digitsOf(form.value("phone"));
    StandinRecord reservation{{"num", nextNumber(shop)},
                              {"YN", "Y"},
                              {"zzim_APP", "수기입력"},
                              {"regdatess", form.value("day")},
                              {"regdatess3", start},
                              {"finishscheduleTime", end},
                              {"phone", form.value("phone")},
                              {"requestname", form.value("requestname")},
                              {"requestoz", form.value("requestoz")},
                              {"table", form.value("table")},
                              {"memo", VmrDecodeAA(form.value("ordertext"))},
                              {"menu", ""},
                              {"zzim_managername", form.value("managername")},
                              {"membernum", memberWithPhone(shop, phone)},
                              {"regdates", now.toString("yyyy-MM-dd")},
                              {"regdates3", now.toString("HH:mm")}};
    StorePartyBlock(reservation, form.value("personcount"));
    shop.reservations.append(reservation);
    return kDone;
}

// checks1 names the field that checks2 changes.
bool editField(StandinRecord& reservation, const QString& field, const QString& value)
{
    if (field == "finishscheduleTime") {
        const QString end = momentOf(value);
        if (end.isEmpty())
            return false;
        reservation.insert(field, end);
    } else if (field == "personcount") {
        StorePartyBlock(reservation, value);
    } else if (field == "memo") {
        reservation.insert(field, VmrDecodeAA(value));
    } else if (field == "managername") {
        reservation.insert("zzim_managername", value);
    } else if (field == "requestname" || field == "requestoz") {
        reservation.insert(field, value);
    } else {
        return false;
    }
    return true;
}

using Edit = std::function<bool(StandinRecord&, const FormFields&)>;

// Finds the reservation, applies the edit and stores the staff name sent with it.
QString editReservation(ShopState& shop, const FormFields& form, const Edit& edit)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    StandinRecord* reservation = reservationOf(shop, form.value("zzimnum"));
    if (!reservation)
        return kFailed;
    StandinRecord changed = *reservation;
    if (!edit(changed, form))
        return kFailed;
    if (form.contains("managername"))
        changed.insert("zzim_managername", form.value("managername"));
    *reservation = changed;
    return kDone;
}

QString editOneField(ShopState& shop, const FormFields& form)
{
    return editReservation(shop, form, [](StandinRecord& r, const FormFields& f) {
        return editField(r, f.value("checks1"), f.value("checks2"));
    });
}

QString editStart(ShopState& shop, const FormFields& form)
{
    return editReservation(shop, form, [](StandinRecord& r, const FormFields& f) {
        const QString start = clockOf(f.value("time"));
        if (!isDay(f.value("day")) || start.isEmpty())
            return false;
        r.insert("regdatess", f.value("day"));
        r.insert("regdatess3", start);
        return true;
    });
}

QString editTables(ShopState& shop, const FormFields& form)
{
    return editReservation(shop, form, [](StandinRecord& r, const FormFields& f) {
        r.insert("table", f.value("table"));
        return true;
    });
}

QString changeState(ShopState& shop, const FormFields& form)
{
    return editReservation(shop, form, [](StandinRecord& r, const FormFields& f) {
        static const QStringList states{"S", "Y", "N", "X", "noshow", "finish"};
        if (!states.contains(f.value("YNt")))
            return false;
        r.insert("YN", f.value("YNt"));
        return true;
    });
}

} // namespace

void AddReservationWriteEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/vbPHP/zzimorder.php", addReservation);
    endpoints.insert("/Admin/zzimedit.php", editOneField);
    endpoints.insert("/Admin/zzimedittime.php", editStart);
    endpoints.insert("/Admin/zzimedittable.php", editTables);
    endpoints.insert("/Admin/zzimstatechangeYN.php", changeState);
}
