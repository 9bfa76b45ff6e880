#include "server/server_globals.h"

QString gPersonType;
int gRequireTime = 0;
std::array<int, 2> gSchHour = {0, 0};

QStringList gStaff;
int gStaffCount = 0;

QList<SeatRecord> gSeat;
int gSeatCount = 0;

int gPosKind = 0;
bool gOkPosCheck = false;
bool gEzPosCheck = false;
bool gGolfCheck = false;
bool gRobotUse = false;
bool gQRCheckYN = false;

QList<CouponRecord> gCoupon;
int gUnregCallerCnt = 0;
