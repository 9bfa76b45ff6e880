#pragma once

#include "core/jet_database.h"

#include <QString>

// Gives every cached row with a phone the earliest visit date (최초방문일) and the number of
// cached visits (총방문수) of that phone: one grouped query, a sorted index of the phones, and one
// pass over the table that finds each row's group by bisection. False, with the record-set line
// in the main log for the procedure, when a query cannot be opened.
bool StoreFirstVisits(JetDatabase& db, const QString& module, const QString& procedure);
