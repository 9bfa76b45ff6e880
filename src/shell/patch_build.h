#pragma once

#include <QString>

// The downloaded build and its state file "Patch.ini" in the program folder: section "Patch",
// "Version" (the build the last download concerned) and "Result" ("Success", "Success2", "Error",
// "Failure"). The file is read and written through gIniWork, which is pointed back afterwards.

struct PatchState
{
    QString version;
    QString result;
};

PatchState ReadPatchState();
void WritePatchResult(const QString& result);
void WritePatchState(const QString& version, const QString& result);

// The path of the build file gPatchFile in the program folder.
QString PatchFilePath();

// Writes the path and " 실행 !!!" to the main log and starts the build file with "/a" in the
// program folder, after giving it its executable bit. The caller ends the program.
void StartPatchBuild();
