#pragma once

#include <QString>

// The caller-ID controls' connection and login events: they keep the services' status texts, log
// them to the main log and, while the caller-ID settings window is open, show them on its labels.
// A line index outside 0 to 3 only logs. A KT login event 400 or 401 (logged in elsewhere, blocked)
// and an LG U+ refusal of the account hold the tries to log in again (service_relogin.h).

void KTOpenAPIX_ConnectEvent(int state);
void KTOpenAPIX_LoginEvent(int code);

void LGUBaseOpenApiX_StatusEvent(int index, const QString& data);
// Acts only while the lines log out (job kinds 3 and 4).
void LGUBaseOpenApiX_SendNetworkErrorEvent(int index);
void LGUBaseOpenApiX_ConnectResultEvent(int index, const QString& first, const QString& second);
void LGUBaseOpenApiX_SendCommandResultEvent(int index, const QString& data);

// A connection lost without the program asking: the status "접속 끊김" (on the settings window's
// label while it is open), the main log's line naming the service, and the tries to log in again
// (service_relogin.h). While the tries are held, the status keeps the cause that held them.
void KTOpenAPIX_ConnectionLost();
void LGUBaseOpenApiX_ConnectionLost(int index);

// A line of the service longer than 64 KiB was dropped: a main-log line naming the service.
void KTOpenAPIX_LineDropped();
void LGUBaseOpenApiX_LineDropped(int index);

// Events of the services dropped because too many waited (outside_events.h): one main-log line
// with their count.
void OutsideEventsDropped(int count);
