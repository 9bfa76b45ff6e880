#include "core/login_values.h"

QString gServerURL;
QString gShopID;
QString gShopPW;
QString gStoreName;
QString gShopNo;
QString gShopTel;
