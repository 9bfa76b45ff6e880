#pragma once

#include <QString>

// The patch server's tables: VMR_ZLM_PatchTB (one row per published build) and
// VMR_ZLM_PatchItemTB (download and upgrade results per shop and PC). Each call opens its own
// connection, logs its "[Svr1]" timing lines to the main log and closes the connection again.
// When the server cannot be reached both show "서버에 연결할 수 없습니다!" and return false.

// Reads the newest published build of gPatchType (P_USE, or P_USE_DEV in developer mode) into
// gPatchVersion and gPatchSize; leaves them as they are when nothing is published.
bool VMR_GetPatchVersion();

// Adds a history row for gPatchVersion on this PC; with the result code "E" it marks the newest
// existing row of this build, shop and PC instead.
bool VMR_PutPatchHistory(const QString& downloadProgram, const QString& result);
