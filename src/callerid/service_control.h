#pragma once

// Starting, stopping and commanding the two caller-ID services through their controls.

// The KT procedures. Login and kick-out return the service's result code, -1 when refused before
// the call or when the call failed; every procedure leaves its text in gCIDktStatus as the
// procedure says. A failing control call writes "E)lib_CID3->..." to the settings component's
// error log and ends only its procedure.
int kt_open_api_Login();
int kt_open_api_KickOut();
void kt_open_api_Logout();
void kt_open_api_Help();
void kt_open_api_Config();
void kt_open_api_LineJoin();
void kt_open_api_FindPW();

// Logs out every service that is switched on or that an earlier start logged in: KT kicked out
// and logged out, all four LG U+ lines disconnected (job kind 3); no service is logged in again
// after a loss (service_relogin.h) until the next start.
void CID_Stop();
// CID_Stop, then logs in every switched-on service: KT with its account, each LG U+ line with both
// an ID and a password (job kind 1). Nothing at all while both are switched off.
void CID_ReStart();

// A fresh program's state: the controls let go (made anew on the hosts of their next use), no
// service counted as started and none waiting to log in again.
void ResetCallerIdServices();
