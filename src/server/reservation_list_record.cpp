#include "server/reservation_list_record.h"

#include "core/converters.h"
#include "core/text_escapes.h"
#include "server/cache_dates.h"

namespace {

QString field(const AnswerRecord& record, const QString& name)
{
    return record.field(name + "[", "]" + name);
}

} // namespace

std::optional<CacheRow> ReservationListReader::read(const AnswerRecord& record)
{
    const QString numText = field(record, "num");
    const QString state = field(record, "YN");
    const bool repeat = numText == m_previousNum;
    m_previousNum = numText;
    const QString visit = field(record, "regdatess");
    const auto num = ReservationNumber(numText);
    if (repeat || !num || (state != "Y" && state != "finish") || !ReadCacheDate(visit).isValid())
        return std::nullopt;

    CacheRow row;
    row.num = *num;
    row.방문일 = CacheDate(visit);
    row.cPhoneT = field(record, "phone").remove('-');
    if (row.cPhoneT.isEmpty())
        row.cPhoneT = numText;
    QString taken = field(record, "regdates");
    if (taken.isEmpty())
        taken = field(record, "regdates1");
    row.접수일시 = CacheMoment(taken + " " + field(record, "regdates3"));
    row.예약일시 = CacheMoment(row.방문일 + " " + field(record, "regdatess3"));
    row.종료일시 = CacheMoment(field(record, "finishscheduleTime"));
    row.예약자 = field(record, "requestname");
    row.모임명 = field(record, "requestoz");
    row.좌석 = field(record, "table");
    row.party = PartyCodeFromBlock(field(record, "personcount"));
    row.요청사항 = VmrDecodeAA(field(record, "memo"));
    row.cNameT = row.예약자;
    return row;
}
