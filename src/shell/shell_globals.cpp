#include "shell/shell_globals.h"

QString gOS;
QString gMAC;
bool gDeveloperMode = false;

QString gPatchType;
QString gPatchVersion;
int gPatchSize = 0;
QString gPatchFile;
QString gAppVersion;

bool gArgQuickDev = false;

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

int gMDIClientW = 0;
int gMDIClientH = 0;
