#pragma once

#include <QString>

// The caller-ID controls' connection and login events: they keep the services' status texts, log
// them to the main log and, while the caller-ID settings window is open, show them on its labels.
// A line index outside 0 to 3 only logs.

void KTOpenAPIX_ConnectEvent(int state);
void KTOpenAPIX_LoginEvent(int code);

void LGUBaseOpenApiX_StatusEvent(int index, const QString& data);
// Acts only while the lines log out (job kinds 3 and 4).
void LGUBaseOpenApiX_SendNetworkErrorEvent(int index);
void LGUBaseOpenApiX_ConnectResultEvent(int index, const QString& first, const QString& second);
void LGUBaseOpenApiX_SendCommandResultEvent(int index, const QString& data);
