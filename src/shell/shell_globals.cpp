#include "shell/shell_globals.h"

QString gSkinPath;

QString gOS;
QString gMAC;
bool gDeveloperMode = false;

QString gPatchType;
QString gPatchVersion;
int gPatchSize = 0;
QString gPatchFile;
QString gAppVersion;
