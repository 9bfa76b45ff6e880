#pragma once

#include <QString>

#include <array>

// The caller-ID accounts of section "CID" of the settings file, read once at start-up; the
// caller-ID settings window writes the same keys.
extern bool gCIDUseKT;
extern bool gCIDUseLG;
extern QString gCIDktID;
extern QString gCIDktPW;
extern bool gCIDktAutoLogin;
extern std::array<QString, 4> gCIDlgID;
extern std::array<QString, 4> gCIDlgPW;
extern std::array<QString, 4> gCIDlgIP;
extern bool gCIDlgAutoLogin;

// Reads the fifteen keys of section "CID" of gIniFrshop. A truth value that is not "True",
// "False" or a number takes the key's default (False; True for the two auto-login keys) and
// writes an error line of the start-up ("StartUp", "Main") to the main log.
void ReadCallerIdSettings();
