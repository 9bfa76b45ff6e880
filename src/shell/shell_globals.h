#pragma once

#include <QString>

// Program-wide values of the application shell, set once by the start-up.

// The separator of the saved login.
inline const QString gSep = QStringLiteral("◈");

// Command-line switches: "-quickdev" (the first activation opens only the board) and
// "-developermode".
extern bool gArgQuickDev;
extern bool gDeveloperMode;

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

// This PC's system name with its word size, and its MAC address.
extern QString gOS;
extern QString gMAC;

// The usable width and height of the main window's client area, in twips; set by the main
// window's load and every resize.
extern int gMDIClientW;
extern int gMDIClientH;
