#include "server/first_visits.h"

#include "core/converters.h"
#include "core/jet_failure_log.h"
#include "core/jet_recordset.h"

#include <QList>

#include <utility>

namespace {

struct Visits
{
    QString first;
    QString count;
};

} // namespace

bool StoreFirstVisits(JetDatabase& db, const QString& module, const QString& procedure)
{
    const JetSql grouped("SELECT cPhoneT, Min(방문일) AS m방문일, Count(*) AS cnt FROM 예약 GROUP BY cPhoneT");
    JetRsPtr groups;
    if (!JetOpenRST(db, groups, grouped, dbOpenDynaset)) {
        LogRsOpenError(module, procedure, grouped.display());
        return false;
    }
    QList<Visits> visits;
    QList<std::pair<QString, int>> index;
    for (groups->MoveFirst(); !groups->AtEnd(); groups->MoveNext()) {
        const QString phone = groups->Field("cPhoneT").toString();
        index.append({phone, static_cast<int>(visits.size())});
        visits.append(phone.isEmpty() ? Visits{}
                                      : Visits{groups->Field("m방문일").toString(), groups->Field("cnt").toString()});
    }
    groups.reset();
    if (visits.isEmpty())
        return true;
    QuickSort2(index);

    const JetSql all("SELECT cPhoneT, 최초방문일, 총방문수 FROM 예약");
    JetRsPtr rows;
    if (!JetOpenRST(db, rows, all, dbOpenDynaset)) {
        LogRsOpenError(module, procedure, all.display());
        return false;
    }
    for (rows->MoveFirst(); !rows->AtEnd(); rows->MoveNext()) {
        const QString phone = rows->Field("cPhoneT").toString();
        const int at = phone.isEmpty() ? -1 : BinarySearch2D(index, phone);
        if (at < 0 || !rows->Edit())
            continue;
        rows->SetField("최초방문일", visits[at].first);
        rows->SetField("총방문수", ToLong(visits[at].count));
        rows->Update();
    }
    return true;
}
