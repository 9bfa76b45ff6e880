#pragma once

#include "platform/ini_util.h"

// The settings file "Frshop.cfg" (pointed there at start-up).
extern IniUtil gIniFrshop;
// The general-purpose instance: pointed at other files for a moment; takes error-log entries.
extern IniUtil gIniWork;
