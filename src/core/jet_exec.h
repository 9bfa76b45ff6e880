#pragma once

#include "core/jet_database.h"
#include "core/jet_sql.h"

// Runs an action statement on an open database; a statement that fails changes nothing. Passing
// failures are tried four times in all (JetAttempts). On success rowsAffected receives the number
// of rows the statement touched; on failure it keeps the caller's value.
bool JetExec(JetDatabase& db, const JetSql& sql, long& rowsAffected);
