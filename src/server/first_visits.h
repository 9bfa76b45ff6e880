#pragma once

#include "core/jet_database.h"

#include <QString>

// Gives every cached row with a phone the earliest visit date (최초방문일) and the number of
// cached visits (총방문수) of that phone: one grouped query joined to one pass over the table, in
// one statement (n log n through the index on cPhoneT). False, with the statement's line in the
// main log for the procedure, when it fails.
bool StoreFirstVisits(JetDatabase& db, const QString& module, const QString& procedure);
