#pragma once

// Logging a lost caller-ID connection in again. A service switched on whose connection is lost is
// logged in with the saved account (gCIDktID, gCIDlgID ...): the first try a few seconds after the
// loss, each further one after twice the last wait, at most a minute apart, as long as a try can
// mend what failed (the service could not be reached, did not answer in time, or answered the KT
// code 0), until the service is back (the KT login succeeds, the LG U+ line reports itself
// connected), is logged out or is switched off. A try runs from the event loop between the
// handlings of outside events, never inside one, so the other lines' events are handled while it
// waits.

// The wait before try number attempt (0 for the first): 3 s, 6 s, 12 s ... at most 60 s.
int ReloginDelayMs(int attempt);

// After a loss: writes the main log's line that names the service ("KTOpenAPI 연결 끊김 :: 3초 후
// 다시 로그인", "【LGU+】(1) 연결 끊김 ...") and starts the tries, unless they run already. A service
// switched off, a line without an account, or a service whose tries are held only gets the line.
void ReloginKtAfterLoss();
void ReloginLgAfterLoss(int line);

// A login that the service refused (an account or key code, a wrong LG U+ account) or a connection
// that reports being logged in elsewhere or blocked: no try until the service is back or staff
// act (a save of the caller-ID settings, a logout of the service, the next start). One main-log
// line names the service and the cause (its status text), which an open settings window shows.
// KT at any time; an LG U+ line only while its tries run.
void HoldKtRelogin();
void HoldLgRelogin(int line);
bool KtReloginHeld();
bool LgReloginHeld(int line);

// No further tries, and none held: the service is back, logged out or switched off.
void StopKtRelogin();
void StopLgRelogin(int line);
void StopAllRelogins();
