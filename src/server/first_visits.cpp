#include "server/first_visits.h"

#include <QHash>

#include <vector>

namespace {

struct Visits
{
    QString first;
    int count = 0;
};

} // namespace

void SetFirstVisits(QList<CacheRow>& rows)
{
    QHash<QString, qsizetype> phones;
    phones.reserve(rows.size());
    std::vector<Visits> visits;
    std::vector<qsizetype> phoneOfRow(rows.size(), -1);
    for (qsizetype k = 0; k < rows.size(); ++k) {
        const CacheRow& row = rows.at(k);
        if (row.cPhoneT.isEmpty())
            continue;
        qsizetype& place = phones[row.cPhoneT]; // the phone's place in visits plus one; 0 when new
        if (place == 0) {
            visits.push_back({row.방문일, 0});
            place = qsizetype(visits.size());
        }
        Visits& phone = visits[place - 1];
        if (phone.count++ > 0 && row.방문일 < phone.first)
            phone.first = row.방문일;
        phoneOfRow[k] = place - 1;
    }
    // The rows are given their phone's figures by position, without looking the phone up again.
    for (qsizetype k = 0; k < rows.size(); ++k) {
        if (phoneOfRow[k] < 0)
            continue;
        const Visits& phone = visits[phoneOfRow[k]];
        rows[k].최초방문일 = phone.first;
        rows[k].총방문수 = phone.count;
    }
}
