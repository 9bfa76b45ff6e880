#include "core/jet_exec.h"

#include "core/jet_attempts.h"

#include <QSqlQuery>

bool JetExec(JetDatabase& db, const JetSql& sql, long& rowsAffected)
{
    JetAttempts attempts("JetExec", sql.display(), 4);
    for (;;) {
        QSqlQuery query(db.sql());
        if (JetRun(query, sql)) {
            rowsAffected = query.numRowsAffected();
            return true;
        }
        if (!attempts.retryAfter(JetErrorOf(query.lastError()), 1))
            return false;
    }
}
