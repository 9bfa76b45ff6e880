#pragma once

#include <QString>

// Small file services; none of them raises an error to its caller.

// Copies a file over the target, replacing an existing target without asking. 0 when the copy
// ran to its end; otherwise a code: 2 the source is missing, 5 the target cannot be written, 112
// the disk is full (the user is told so, and the main log).
int ShellFileCopy(const QString& from, const QString& to);

// Moves a file over the target in one step: the target is the old file or the new one, never a
// mix. False with a description when the move failed.
bool ReplaceFile(const QString& from, const QString& to, QString* failure = nullptr);

// Whether a folder exists at the path; false on any failure.
bool FolderExists(const QString& path);

// Creates every missing folder of the path, level by level, waiting 500 ms (events run) after
// each of the first eleven it creates; one call creates at most twelve. A path without a final
// "/" gets one appended, also in the caller's variable. Failures are logged; returns empty text.
QString MakeDirectory(QString& strPathName);

// The size of the file in bytes; 0 when it is missing, not a file, or larger than 2^31 - 1.
int GetFileSize(const QString& path);
