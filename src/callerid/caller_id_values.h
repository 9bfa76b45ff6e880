#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The program-wide values of caller ID.

// The accounts of section "CID" of the settings file: read by the start-up, written by the
// caller-ID settings window.
extern bool gCIDUseKT;
extern bool gCIDUseLG;
extern QString gCIDktID;
extern QString gCIDktPW;
extern bool gCIDktAutoLogin;
extern std::array<QString, 4> gCIDlgID;
extern std::array<QString, 4> gCIDlgPW;
extern std::array<QString, 4> gCIDlgIP;
extern bool gCIDlgAutoLogin;

// The server type and service key that the KT login and line subscription pass.
inline constexpr int gCIDktServerType = 1;
inline const QString gCIDktKEY = QStringLiteral("5b0e7c2a94d1f36e8a7b0c4d2e9f1a3b6c8d0e24");

// The KT service's last status text and each LG U+ line's.
extern QString gCIDktStatus;
extern std::array<QString, 4> gCIDlgStatus;
// The status texts of a connected and a disconnected service, also the settings window's label texts.
inline const QString kCidConnected = QStringLiteral("접속 완료");
inline const QString kCidDisconnected = QStringLiteral("접속 끊김");

// What the LG U+ lines were last asked to do, so that their events can tell: 0 nothing yet,
// 1 log in at start, 2 log in from the settings window, 3 log out, 4 log out from the settings
// window.
extern int gCIDlgJobKind;

// The KT call identifiers handled as new calls since the program started, in their order; a later
// status of a call is looked up here as a whole item.
extern QStringList gCIDktRecentIDs;
