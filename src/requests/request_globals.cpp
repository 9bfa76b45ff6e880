#include "requests/request_globals.h"

QString gReqLastSetting;
QString gReqLastListY;
QString gReqLastListN;
QString gReqLastMemoNum;
