#include "server/reservation_list_record.h"

#include "core/converters.h"
#include "core/text_escapes.h"
#include "server/cache_dates.h"

namespace {

// The markers of one field, made once.
struct Marker
{
    explicit Marker(const char* name) : open(QString::fromUtf8(name) + "["), close("]" + QString::fromUtf8(name)) {}
    QString open;
    QString close;
};

const Marker kNum("num"), kState("YN"), kVisit("regdatess"), kStart("regdatess3"), kTaken("regdates"),
    kTaken1("regdates1"), kTakenTime("regdates3"), kEnd("finishscheduleTime"), kPhone("phone"),
    kName("requestname"), kGroup("requestoz"), kTables("table"), kParty("personcount"), kMemo("memo");

QString field(const AnswerRecord& record, const Marker& marker)
{
    return record.field(marker.open, marker.close);
}

// The same without a copy, for the fields that are converted.
QStringView view(const AnswerRecord& record, const Marker& marker)
{
    return record.view(marker.open, marker.close);
}

// A date and a time with a blank between them.
QString spaced(QStringView date, QStringView time)
{
    QString moment;
    moment.reserve(date.size() + 1 + time.size());
    moment.append(date).append(u' ').append(time);
    return moment;
}

} // namespace

std::optional<CacheRow> ReservationListReader::read(const AnswerRecord& record)
{
    const QStringView numText = view(record, kNum);
    const QStringView state = view(record, kState);
    const bool repeat = numText == m_previousNum;
    m_previousNum = numText;
    const auto num = ReservationNumber(numText);
    if (repeat || !num || (state != u"Y" && state != u"finish"))
        return std::nullopt;
    const QDate visit = ReadCacheDate(view(record, kVisit));
    if (!visit.isValid())
        return std::nullopt;
    const qsizetype storedBefore = m_stored.size();
    m_stored.insert(*num);
    if (m_stored.size() == storedBefore)
        return std::nullopt;

    CacheRow row;
    row.num = *num;
    row.방문일 = CacheDate(visit);
    row.cPhoneT = field(record, kPhone).remove('-');
    if (row.cPhoneT.isEmpty())
        row.cPhoneT = numText.toString();
    QStringView taken = view(record, kTaken);
    if (taken.isEmpty())
        taken = view(record, kTaken1);
    row.접수일시 = CacheMoment(spaced(taken, view(record, kTakenTime)));
    row.예약일시 = CacheMoment(spaced(row.방문일, view(record, kStart)));
    row.종료일시 = CacheMoment(field(record, kEnd));
    row.예약자 = field(record, kName);
    row.모임명 = field(record, kGroup);
    row.좌석 = field(record, kTables);
    row.party = PartyCodeFromBlock(view(record, kParty));
    row.요청사항 = VmrDecodeAA(field(record, kMemo));
    row.cNameT = row.예약자;
    return row;
}
