#include "core/screen_values.h"

int gTwipsX = 15;
int gTwipsY = 15;
int gTwipsX2 = 15;
int gTwipsY2 = 15;

int gFormStdW = 15 * 1022;
int gFormStdH = 15 * 654;

QString gSkinPath;
QString gSoundPath;
QString gMenuImgPath;

int gMDIClientW = 0;
int gMDIClientH = 0;
