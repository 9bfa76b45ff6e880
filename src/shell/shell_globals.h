#pragma once

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

// Layout units (twips) per screen pixel, across and down, and their copies for the calendars.
extern int gTwipsX;
extern int gTwipsY;
extern int gTwipsX2;
extern int gTwipsY2;

// The standard child window of 1022 by 654 pixels, in twips.
extern int gFormStdW;
extern int gFormStdH;

// The program folder's "skin", "sound" and "menu_img" folders.
extern QString gSkinPath;
extern QString gSoundPath;
extern QString gMenuImgPath;

// The running version for display: major "." minor ".0." revision " #25".
extern QString gVersionText;

// The usable width and height of the main window's client area, in twips; set by the main
// window's load and every resize.
extern int gMDIClientW;
extern int gMDIClientH;
