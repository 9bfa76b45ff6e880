#include "shell/shell_globals.h"

bool gArgQuickDev = false;
bool gDeveloperMode = false;

int gTwipsX = 15;
int gTwipsY = 15;
int gTwipsX2 = 15;
int gTwipsY2 = 15;

int gFormStdW = 15 * 1022;
int gFormStdH = 15 * 654;

QString gSkinPath;
QString gSoundPath;
QString gMenuImgPath;

QString gVersionText;

QString gOS;
QString gMAC;

int gMDIClientW = 0;
int gMDIClientH = 0;
