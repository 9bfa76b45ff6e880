#pragma once

#include <QString>

// Program-wide values of the shop's data, set by the loaders after the login.

#include <QList>
#include <QStringList>

#include <array>

// Reservation settings (Read_설정): party-size scheme "0" one total, "1" men and women,
// "2" adults and children; default reservation length in minutes; first and last timetable hour.
extern QString gPersonType;
extern int gRequireTime;
extern std::array<int, 2> gSchHour;

// Staff names in the backend's order (Read_직원).
extern QStringList gStaff;
extern int gStaffCount;

// A table in use, as the backend lists it (not decoded).
struct SeatRecord {
    QString number;        // the backend's record number ("nums")
    QString name;          // "tablenum": what the timetable and the table lists show
    QString description;   // "tableinfo"
};

// The tables in use, in the backend's order (Read_좌석).
extern QList<SeatRecord> gSeat;
extern int gSeatCount;

// Shop switches (Load_포스종류). gPosKind: -1 no POS link, 0 OK POS, 1 EZ POS, 2 golf.
extern int gPosKind;
extern bool gOkPosCheck;
extern bool gEzPosCheck;
extern bool gGolfCheck;
extern bool gRobotUse;
extern bool gQRCheckYN;

struct CouponRecord {
    QString name;          // "couponname"
    QString name2;         // "couponname2"
    QString number;        // "num"
    QString description;   // composed for coupons in use, empty otherwise
};

// The shop's coupons in the backend's order (Load_쿠폰).
extern QList<CouponRecord> gCoupon;

// Member counts: nothing sets them; readers get 0.
inline constexpr int gMemberCntA = 0;
inline constexpr int gMemberCntB = 0;

// The number of distinct phones of the cached reservations whose kind is "미등록" (unregistered
// callers); set by the full rebuild of the reservation cache, added into the statistics' totals.
extern int gUnregCallerCnt;
