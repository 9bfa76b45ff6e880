#pragma once

#include <QString>

// The running version: major.minor.0.revision, as the build numbers it.
QString GetAppVersion();

// 1 when version a is newer than b, -1 when older, 0 when equal. The dotted parts compare as
// numbers from the left (a part that is not a number counts 0); with equal parts the version with
// more parts is newer; an empty version is older than any other.
int VersionCompare(const QString& a, const QString& b);

// The self-update decision after a login: compares the newest published build with the running
// version and the last handled build in "Patch.ini", and then does nothing, opens the download
// window (after closing the login window), starts an already downloaded build once more and
// ends the program, or gives up on a build that did not take effect. True once decided.
bool VMR_자동_업그레이드();
