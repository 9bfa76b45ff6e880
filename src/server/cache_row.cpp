#include "server/cache_row.h"

#include <algorithm>

namespace {

// Empty text is stored as empty text, never as null.
QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

// The columns an edit rewrites.
void setEditedColumns(JetRecordset& rs, const CacheRow& row)
{
    rs.SetField("방문일", text(row.방문일));
    rs.SetField("cPhoneT", text(row.cPhoneT));
    rs.SetField("예약일시", text(row.예약일시));
    rs.SetField("종료일시", text(row.종료일시));
    rs.SetField("예약자", text(row.예약자));
    rs.SetField("모임명", text(row.모임명));
    rs.SetField("좌석", text(row.좌석));
    rs.SetField("인원", text(row.party.code));
    rs.SetField("인원N", row.party.total);
    rs.SetField("요청사항", text(row.요청사항));
}

} // namespace

bool AddCacheRow(JetRecordset& rs, const CacheRow& row)
{
    rs.AddNew();
    rs.SetField("NUM", row.num);
    rs.SetField("접수일시", text(row.접수일시));
    setEditedColumns(rs, row);
    if (row.cNameT)
        rs.SetField("cNameT", text(*row.cNameT));
    if (row.최초방문일)
        rs.SetField("최초방문일", text(*row.최초방문일));
    if (row.총방문수)
        rs.SetField("총방문수", *row.총방문수);
    return rs.Update();
}

bool RewriteCacheRow(JetRecordset& rs, const CacheRow& row)
{
    if (!rs.Edit())
        return false;
    setEditedColumns(rs, row);
    return rs.Update();
}

std::optional<qlonglong> ReservationNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 18 || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    return text.toLongLong();
}
