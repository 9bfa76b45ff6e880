#include "server/cache_row.h"

#include "server/cache_digits.h"

#include <array>

namespace {

// Empty text is stored as empty text, never as null.
QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

// The columns an edit rewrites, and their values.
const QStringList kEditedColumns{"방문일", "cPhoneT", "예약일시", "종료일시", "예약자", "모임명", "좌석", "인원", "인원N", "요청사항"};

void appendEditedValues(QVariantList& values, const CacheRow& row)
{
    values << text(row.방문일) << text(row.cPhoneT) << text(row.예약일시) << text(row.종료일시) << text(row.예약자)
           << text(row.모임명) << text(row.좌석) << text(row.party.code) << row.party.total << text(row.요청사항);
}

// The columns a row added sets, by which of cNameT (1), 최초방문일 (2) and 총방문수 (4) it gives:
// made once, so that rows added one after another name the same list.
const QStringList& addedColumns(int given)
{
    static const auto lists = [] {
        std::array<QStringList, 8> made;
        for (int k = 0; k < 8; ++k) {
            made[k] = QStringList{"NUM", "접수일시"} + kEditedColumns;
            if (k & 1)
                made[k].append("cNameT");
            if (k & 2)
                made[k].append("최초방문일");
            if (k & 4)
                made[k].append("총방문수");
        }
        return made;
    }();
    return lists[given];
}

} // namespace

bool AddCacheRow(JetRecordset& rs, const CacheRow& row)
{
    QVariantList values;
    values.reserve(15);
    values << row.num << text(row.접수일시);
    appendEditedValues(values, row);
    int given = 0;
    if (row.cNameT) {
        values.append(text(*row.cNameT));
        given |= 1;
    }
    if (row.최초방문일) {
        values.append(text(*row.최초방문일));
        given |= 2;
    }
    if (row.총방문수) {
        values.append(*row.총방문수);
        given |= 4;
    }
    return rs.AddRow(addedColumns(given), values);
}

bool RewriteCacheRow(JetRecordset& rs, const CacheRow& row)
{
    if (!rs.Edit())
        return false;
    QVariantList values;
    appendEditedValues(values, row);
    for (int i = 0; i < values.size(); ++i)
        rs.SetField(kEditedColumns[i], values[i]);
    return rs.Update();
}

std::optional<qlonglong> ReservationNumber(QStringView text)
{
    return DigitsValue(text, 18);
}
