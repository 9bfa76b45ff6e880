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

QString gVersionText;

bool gStartLoaded = false;
