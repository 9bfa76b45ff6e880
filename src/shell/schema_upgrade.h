#pragma once

#include <QString>

// Brings the local files of the program folder (no closing "/") to the columns this build
// expects, at every start before the login window: the call log "VmrCID.mdb" (table cid: Status
// of 10 characters, SeqNO, cid_kind) and the template "VmrBooking.0.mdb" (table 예약: 종료일시).
// It only widens or adds, looks at the files' current definitions each time (so running it again
// changes nothing), and never touches the working cache "VmrBooking.mdb". Failures go to the
// settings component's error log; start-up goes on whatever happened.
void Upgrade_자료구조변경(const QString& path);
