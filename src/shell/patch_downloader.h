#pragma once

#include <QString>
#include <QtGlobal>

// The command-line downloader "wget.exe" of the program folder. It is given the address without
// a scheme and saves the file under its remote name in its working folder, the program folder.
// Only the downloader this program started, or a process of the program folder's own
// "wget.exe", is ever ended.

// Starts the downloader; its process id, or 0 when it could not be started.
qint64 StartDownloader(const QString& address);

// The downloader to act on: the started one while it runs, else a running "wget.exe" whose
// executable is the program folder's; 0 when there is none.
qint64 RunningDownloader(qint64 startedPid);

// Ends running downloaders, looking every waitInterval ms while events run, until three looks
// found none or the rounds of the timing are used up.
void EndStrayDownloaders(qint64 startedPid);

// Waits without running events until no downloader runs, at most limitMs.
void WaitForDownloaderExit(qint64 startedPid, int limitMs);
