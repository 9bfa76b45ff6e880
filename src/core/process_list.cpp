#include "core/process_list.h"

#include "core/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

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

// The file name of a path, with "/" or "\\" (a Windows path under a program loader) as separator.
QString fileNameOf(const QString& path)
{
    return path.mid(std::max(path.lastIndexOf('/'), path.lastIndexOf('\\')) + 1);
}

QString firstCommandWord(const QString& entry)
{
    QFile cmdline(entry + "/cmdline");
    if (!cmdline.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray words = cmdline.readAll();
    return QString::fromLocal8Bit(words.left(words.indexOf('\0')));
}

// The file names one process entry runs under: its "exe" link's and the first word's of its
// command line, so that a Windows program started through a loader is found by its own name. The
// kernel's short "comm" name is cut at 15 characters and is never used.
QStringList executableNames(const QString& entry)
{
    QString exe = QFile::symLinkTarget(entry + "/exe");
    if (exe.endsWith(" (deleted)"))
        exe.chop(10);
    const QString command = firstCommandWord(entry);
    QStringList names;
    if (!exe.isEmpty())
        names.append(fileNameOf(exe));
    if (!command.isEmpty())
        names.append(fileNameOf(command));
    return names;
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
        if (executableNames(folder.filePath(QString::number(pid))).contains(sExeName, Qt::CaseInsensitive))
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
