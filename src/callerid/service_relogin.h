#pragma once

// Logging a lost caller-ID connection in again. A service switched on whose connection is lost is
// logged in with the saved account (gCIDktID, gCIDlgID ...): the first try a few seconds after the
// loss, each further one after twice the last wait, at most a minute apart, until the service is
// back (the KT login succeeds, the LG U+ line reports itself connected), is logged out or is
// switched off. Each try runs in its turn among the outside events, never inside another's
// handling.

// The wait before try number attempt (0 for the first): 3 s, 6 s, 12 s ... at most 60 s.
int ReloginDelayMs(int attempt);

// After a loss: writes the main log's line that names the service ("KTOpenAPI 연결 끊김 :: 3초 후
// 다시 로그인", "【LGU+】(1) 연결 끊김 ...") and starts the tries, unless they run already. A service
// switched off, or a line without an account, only gets the line.
void ReloginKtAfterLoss();
void ReloginLgAfterLoss(int line);

// No further tries: the service is back, logged out or switched off.
void StopKtRelogin();
void StopLgRelogin(int line);
void StopAllRelogins();
