#pragma once

#include "callerid/caller_id_values.h"

// Section "CID" of the settings file gIniFrshop.

// Reads its fifteen keys into the caller-ID values. A truth value that is not "True", "False" or
// a number takes the key's default (False; True for the two auto-login keys) and writes an error
// line of the start-up ("StartUp", "Main") to the main log.
void ReadCallerIdSettings();

// Writes the fifteen keys in the settings window's order: "CIDUseKT", "CIDUseLG",
// "KTOAPI_AutoLogin", "ID", "PW", "LGOAPI_AutoLogin", "LGID", "LGPW", "LGIP", "LGID1", "LGPW1",
// "LGID2", "LGPW2", "LGID3", "LGPW3"; truth values as "True"/"False".
void WriteCallerIdSettings();
