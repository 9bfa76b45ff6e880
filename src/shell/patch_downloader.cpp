#include "shell/patch_downloader.h"

#include "core/date_time.h"
#include "core/process_list.h"
#include "platform/program_folder.h"
#include "platform/program_launcher.h"
#include "shell/patch_download_timing.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

const QString kDownloader = QStringLiteral("wget.exe");

// Running, and not only a zombie waiting to be reaped.
bool processRunning(qint64 pid)
{
    QFile stat("/proc/" + QString::number(pid) + "/stat");
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    const char state = close >= 0 && close + 2 < line.size() ? line.at(close + 2) : 'X';
    return state != 'Z' && state != 'X';
}

bool isProgramFoldersDownloader(qint64 pid)
{
    const QString target = QFile::symLinkTarget("/proc/" + QString::number(pid) + "/exe");
    return !target.isEmpty() && QFileInfo(target) == QFileInfo(AppFile(kDownloader));
}

// The process runs the program folder's downloader, directly or as the script of an interpreter;
// a process id that the system has given to another program since is not ours.
bool runsProgramFoldersDownloader(qint64 pid)
{
    if (isProgramFoldersDownloader(pid))
        return true;
    QFile cmdline("/proc/" + QString::number(pid) + "/cmdline");
    if (!cmdline.open(QIODevice::ReadOnly))
        return false;
    const QByteArray path = QFile::encodeName(AppFile(kDownloader));
    return cmdline.readAll().split('\0').contains(path);
}

} // namespace

qint64 StartDownloader(const QString& address)
{
    return StartProgram(AppFile(kDownloader), {address}, AppPath());
}

qint64 RunningDownloader(qint64 startedPid)
{
    if (processRunning(startedPid) && runsProgramFoldersDownloader(startedPid))
        return startedPid;
    const qint64 found = IsProcessExist(kDownloader);
    return found > 0 && isProgramFoldersDownloader(found) ? found : 0;
}

void EndStrayDownloaders(qint64 startedPid)
{
    const PatchDownloadTiming& timing = CurrentPatchDownloadTiming();
    int misses = 0;
    for (int round = 0; round < timing.strayRounds; ++round) {
        const qint64 pid = RunningDownloader(startedPid);
        if (pid > 0)
            KillProcess(pid);
        else if (++misses > 2)
            return;
        Delay(timing.waitInterval);
    }
}

void WaitForDownloaderExit(qint64 startedPid, int limitMs)
{
    const int start = GetTickCountMS();
    while (RunningDownloader(startedPid) > 0 && GetTickCountMS() - start <= limitMs)
        QThread::msleep(10);
}
