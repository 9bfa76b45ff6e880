#pragma once

#include "core/jet_recordset.h"
#include "server/party_code.h"

#include <QString>

#include <optional>

// One row of the reservation cache (table 예약) as the loaders write it.
struct CacheRow
{
    qlonglong num = 0;
    QString 방문일;
    QString cPhoneT;
    QString 접수일시;
    QString 예약일시;
    QString 종료일시;
    QString 예약자;
    QString 모임명;
    QString 좌석;
    PartyCode party;
    QString 요청사항;
    std::optional<QString> cNameT; // left at the table's default when not given
    std::optional<QString> 최초방문일; // the full rebuild's first visit of the phone, else the default
    std::optional<int> 총방문수;       // the full rebuild's visit count of the phone, else the default
};

// Adds the row to a record set of table 예약: NUM, 방문일, cPhoneT, 접수일시, 예약일시, 종료일시,
// 예약자, 모임명, 좌석, 인원, 인원N, 요청사항, and cNameT, 최초방문일 and 총방문수 when given. False
// when refused.
bool AddCacheRow(JetRecordset& rs, const CacheRow& row);

// Rewrites the current row of the record set with what an edit changes: 방문일, cPhoneT,
// 예약일시, 종료일시, 예약자, 모임명, 좌석, 인원, 인원N and 요청사항. False when refused.
bool RewriteCacheRow(JetRecordset& rs, const CacheRow& row);

// The backend's reservation number as the cache keys it; no value unless it is all digits.
std::optional<qlonglong> ReservationNumber(QStringView text);
