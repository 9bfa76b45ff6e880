#pragma once

#include <QString>

// The login values: the backend's base URL ("http://host:port", no closing "/"), the shop account,
// and the shop's name, member number and telephone. Set by the login; logout empties the shop ID,
// password and name.
extern QString gServerURL;
extern QString gShopID;
extern QString gShopPW;
extern QString gStoreName;
extern QString gShopNo;
extern QString gShopTel;
