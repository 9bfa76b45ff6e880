#pragma once

#include <QString>

// Reads the switches of the argument text (what follows the program's path, items split at every
// single blank, compared in lower case): "-quickdev" sets gArgQuickDev, "-developermode" sets
// gDeveloperMode; "-fileprint", "-linktobooking", "-noforceupgrade" and "-quickdev2" are accepted
// and change nothing, anything else is ignored. True when every item has been looked at.
bool Main_Command_Argument_취득(const QString& argumentText);
