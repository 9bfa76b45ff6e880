#include "core/process_list.h"

#include "core/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <csignal>
#include <limits>
#include <sys/types.h>

namespace {

QString g_folder;

QString processFolder()
{
    return g_folder.isEmpty() ? QStringLiteral("/proc") : g_folder;
}

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// The executable's file name of one process entry: its "exe" link, else the first word of its
// command line (the kernel's short "comm" name is cut at 15 characters and is never used).
QString executableName(const QString& entry)
{
    const QString target = QFile::symLinkTarget(entry + "/exe");
    if (!target.isEmpty())
        return fileNameOf(target.endsWith(" (deleted)") ? target.chopped(10) : target);
    QFile cmdline(entry + "/cmdline");
    if (!cmdline.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray words = cmdline.readAll();
    return fileNameOf(QString::fromLocal8Bit(words.left(words.indexOf('\0'))));
}

// The ids of the process entries, oldest (lowest) first.
QList<qint64> processIds(const QDir& folder)
{
    QList<qint64> ids;
    for (const QString& entry : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (numeric && pid > 0)
            ids.append(pid);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

void logSearchError(const QString& name, int step, int number, const QString& description)
{
    WriteLog("E)lib_misc->IsProcessExist(sExeName:=" + name + ")[Erl:=" + QString::number(step)
             + "](Eno:=" + QString::number(number) + ")" + description);
}

} // namespace

qint64 IsProcessExist(const QString& sExeName)
{
    const QDir folder(processFolder());
    if (!folder.exists()) {
        logSearchError(sExeName, 1, 2, "The process list cannot be read: " + folder.path());
        return -1;
    }
    for (const qint64 pid : processIds(folder)) {
        const QString name = executableName(folder.filePath(QString::number(pid)));
        if (!name.isEmpty() && QString::compare(name, sExeName, Qt::CaseInsensitive) == 0)
            return pid;
    }
    return 0;
}

void KillProcess(qint64 pid)
{
    // A pid beyond the system's range would wrap to 0 or -1 (the own group, every process).
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max() || pid == QCoreApplication::applicationPid())
        return;
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}

void SetProcessListFolder(const QString& folder)
{
    g_folder = folder;
}
