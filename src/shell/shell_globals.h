#pragma once

#include "core/screen_values.h"

#include <QString>

// Program-wide values of the application shell, set once by the start-up.

// The separator of the saved login.
inline const QString gSep = QStringLiteral("◈");

// Start-up values that the patch history and the patch query read: this PC's system name with its
// word size, its MAC address, and the "-developermode" switch.
extern QString gOS;
extern QString gMAC;
extern bool gDeveloperMode;

// The self-update: the program type of the patch tables ("A"), the newest published build's
// version and size, the build file's name, and the running version.
extern QString gPatchType;
extern QString gPatchVersion;
extern int gPatchSize;
extern QString gPatchFile;
extern QString gAppVersion;

// The command-line switch "-quickdev": the first activation opens only the board.
extern bool gArgQuickDev;

// The running version for display: major "." minor ".0." revision " #25".
extern QString gVersionText;

// Set once the start timer has rebuilt the reservation cache; the statistics open only then.
extern bool gStartLoaded;
