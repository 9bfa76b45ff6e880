#include "server/server_globals.h"

QString gPersonType;
int gUnregCallerCnt = 0;
