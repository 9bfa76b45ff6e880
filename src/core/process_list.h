#pragma once

#include <QString>

// The running processes, read from the process folder ("/proc").

// The id of the first running process whose executable file name equals the name, ignoring
// case (the whole name, no path); 0 when none runs; -1 when the process list cannot be read.
// The name comes from the process's "exe" link, else from the first word of its command line.
qint64 IsProcessExist(const QString& sExeName);

// Ends the process at once. Refuses a pid of 0 or less, one beyond the system's range and the
// program's own pid; every other failure (no such process, no right) is ignored.
void KillProcess(qint64 pid);

// The folder the process list is read from; tests point it at a folder of their own.
// An empty folder goes back to "/proc".
void SetProcessListFolder(const QString& folder);
