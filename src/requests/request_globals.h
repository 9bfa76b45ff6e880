#pragma once

#include <QString>

// The poll's memory of its previous answers, program-wide so that it outlives the table-request
// window (logout unloads it): empty at start, never cleared.
extern QString gReqLastSetting;    // the switch answer
extern QString gReqLastListY;      // the pending list ("checked" Y)
extern QString gReqLastListN;      // the completed list ("checked" N)
extern QString gReqLastMemoNum;    // memonum of the first record of the latest non-empty pending list
