#pragma once

#include <QString>

// The operating system the program runs on, for the start-up log.

// The name of a Windows version record (platform identifier, major and minor version).
QString WindowsVersionName(int platformId, int major, int minor);

// The name of the running system ("Unable to identify your version of Windows." when the
// system does not tell it).
QString GetWindowsVersionName();

// True when the running system is 64-bit.
bool Is64BitOS();
