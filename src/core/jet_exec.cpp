#include "core/jet_exec.h"

#include "core/jet_attempts.h"

#include <QSqlQuery>

bool JetExec(JetDatabase& db, const JetSql& sql, long& rowsAffected)
{
    JetAttempts attempts("JetExec", sql.display(), 4);
    for (;;) {
        QSqlQuery query(db.sql());
        bool ok = query.prepare(sql.text);
        for (const QVariant& value : sql.params)
            query.addBindValue(value);
        if (ok && query.exec()) {
            rowsAffected = query.numRowsAffected();
            return true;
        }
        if (!attempts.retryAfter(JetErrorOf(query.lastError()), 1))
            return false;
    }
}
