#pragma once

#include "platform/caller_id_controls.h"

// The program's caller-ID controls, made at their first use on the installation's service hosts
// (CidKtHost, CidLgHost), with the connection and login events handled (connection_events.h).
// Whoever handles the call events sets the controls' call event members.
KtCidControl& KTOpenAPIX();
// Line 0 to 3.
LgCidLine& LGUBaseOpenApiX(int index);

// Lets the controls go; the next use makes them anew on the hosts of that moment.
void ResetCallerIdControls();
