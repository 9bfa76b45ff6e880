#pragma once

#include <QString>

// Dated text logs in the program folder: "yyMMdd" + suffix + ".log", UTF-8, CR LF line ends.
// Every entry opens, appends and closes its file, so it is on disk when the call returns.

// The operation the whole program uses: "[HH:mm:ss.zzz]" + message, failures swallowed.
void WriteLog(const QString& message, const QString& suffix = QString(), bool withMemory = false);

// The writer behind WriteLog. A failure shows the writer's error box and loses the entry.
void MsgDebug2(const QString& message, const QString& suffix = QString(), bool withMemory = false);

// "[HH:mm:ss.zzz] " + message (one blank) into today's main log; false after a failure.
bool MsgFileMS(const QString& message, const QString& fileName = QString());

// The trace call that is switched off: it writes nothing.
inline void MsgDebug(const QString&, const QString& = QString(), bool = false) {}

// An answer as its log line shows it: one longer than 256 KiB (UTF-8 bytes) as its first 256 KiB
// followed by " … (N bytes)", N the whole answer's size; a shorter one unchanged.
QString LoggedAnswer(const QString& answer);

// The path of today's log of a suffix (taken from the current clock).
QString LogFilePath(const QString& suffix = QString());

// Keeps the newest 21 files of one name pattern ("??????_WinHttp.log") in the program folder.
bool 로그_파일_삭제(const QString& pattern);
