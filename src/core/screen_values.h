#pragma once

#include <QString>

// Screen and folder values that every window reads; set by the start-up and the main window.

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

// The usable width and height of the main window's client area, in twips; set by the main
// window's load and every resize.
extern int gMDIClientW;
extern int gMDIClientH;
