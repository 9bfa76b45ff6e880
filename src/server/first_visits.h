#pragma once

#include "server/cache_row.h"

#include <QList>

// Gives every row with a phone the earliest visit date (최초방문일) and the number of visits
// (총방문수) of that phone among the rows, as the full rebuild stores them; rows without a phone
// keep the table's defaults. One pass counts through a hash of the phones, one gives by position.
void SetFirstVisits(QList<CacheRow>& rows);
