#include "server/first_visits.h"

#include <QHash>

namespace {

struct Visits
{
    QString first;
    int count = 0;
};

} // namespace

void SetFirstVisits(QList<CacheRow>& rows)
{
    QHash<QString, Visits> phones;
    phones.reserve(rows.size());
    for (const CacheRow& row : std::as_const(rows)) {
        if (row.cPhoneT.isEmpty())
            continue;
        Visits& visits = phones[row.cPhoneT];
        if (visits.count++ == 0 || row.방문일 < visits.first)
            visits.first = row.방문일;
    }
    for (CacheRow& row : rows) {
        if (row.cPhoneT.isEmpty())
            continue;
        const Visits& visits = phones[row.cPhoneT];
        row.최초방문일 = visits.first;
        row.총방문수 = visits.count;
    }
}
