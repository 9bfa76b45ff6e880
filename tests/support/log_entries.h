#pragma once

#include <QString>
#include <QStringList>

// Today's entries of a log (main log for the empty suffix), each without its "[HH:mm:ss.zzz]"
// stamp; an entry that spans lines keeps its CR LF. Empty when the log does not exist.
QStringList LogEntries(const QString& suffix = QString());
