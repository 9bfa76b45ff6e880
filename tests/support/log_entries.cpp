#include "support/log_entries.h"

#include "core/log.h"

#include <QFile>
#include <QRegularExpression>

QStringList LogEntries(const QString& suffix)
{
    QFile file(LogFilePath(suffix));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression stamp(R"(^\[\d\d:\d\d:\d\d\.\d\d\d\])");
    QStringList entries;
    for (const QString& line : QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = stamp.match(line);
        if (m.hasMatch())
            entries.append(line.mid(m.capturedLength()));
        else if (!entries.isEmpty())
            entries.last() += "\r\n" + line;
    }
    return entries;
}
