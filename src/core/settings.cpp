#include "core/settings.h"

IniUtil gIniFrshop;
IniUtil gIniWork;
