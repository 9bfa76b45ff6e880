#include "callerid/caller_id_values.h"

bool gCIDUseKT = false;
bool gCIDUseLG = false;
QString gCIDktID;
QString gCIDktPW;
bool gCIDktAutoLogin = true;
std::array<QString, 4> gCIDlgID;
std::array<QString, 4> gCIDlgPW;
std::array<QString, 4> gCIDlgIP;
bool gCIDlgAutoLogin = true;

QString gCIDktStatus;
std::array<QString, 4> gCIDlgStatus;
int gCIDlgJobKind = 0;
QStringList gCIDktRecentIDs;
