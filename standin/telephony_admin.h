#pragma once

class Standin;
class TelephonyStandin;

// The paths under "/standin/cid/" through which a test or a person rings calls, sends statuses,
// raises events and scripts the KT service's next answer, and reads what the services received:
//   POST /standin/cid/ring    carrier=KT|LG&number=...[&id=...][&line=N]  → the call's identifier
//   POST /standin/cid/status  carrier=KT&id=...&code=200|404|407, carrier=LG&id=...&result=answered|missed
//   POST /standin/cid/event   carrier=KT|LG[&line=N]&name=...[&arg1=...&arg5=...]
//   POST /standin/cid/drop    carrier=KT|LG[&line=N]                     (closes the connections)
//   POST /standin/cid/script  command=login|kickout&code=N               (the KT service)
//   GET  /standin/cid/log     every line received, "KT" or "LG" and its fields, TAB-separated
// A request that cannot be carried out answers 409 with the reason.
void AddTelephonyAdminPaths(Standin& standin, TelephonyStandin& telephony);
