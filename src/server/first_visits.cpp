#include "server/first_visits.h"

#include "core/jet_exec.h"
#include "core/jet_failure_log.h"

bool StoreFirstVisits(JetDatabase& db, const QString& module, const QString& procedure)
{
    const JetSql firstVisits(
        "UPDATE 예약 SET 최초방문일 = g.m방문일, 총방문수 = g.cnt"
        " FROM (SELECT cPhoneT, Min(방문일) AS m방문일, Count(*) AS cnt FROM 예약 GROUP BY cPhoneT) AS g"
        " WHERE 예약.cPhoneT = g.cPhoneT AND 예약.cPhoneT <> ''");
    long rows = 0;
    if (JetExec(db, firstVisits, rows))
        return true;
    LogSqlExecError(module, procedure, firstVisits.display());
    return false;
}
