#include "core/file_services.h"

#include "core/date_time.h"
#include "core/log.h"
#include "platform/message_box.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr int kFileNotFound = 2;
constexpr int kAccessDenied = 5;
constexpr int kDiskFull = 112;
constexpr int kMostFoldersPerCall = 12;

void logMakeDirectoryError(const QString& path, int step, int number, const QString& description)
{
    WriteLog("e)lib_File->MakeDirectory(strPathName:=" + path + ")[" + QString::number(step) + "]("
             + QString::number(number) + ")" + description);
}

// A write that failed where the disk has no room for it says so to the user and in the main log,
// so that a file missing afterwards is not taken for a network failure; any other failure is the
// target's.
int writeFailure(const QString& to, qint64 needed)
{
    QStorageInfo disk(QFileInfo(to).absolutePath());
    if (!disk.isValid() || disk.bytesAvailable() >= needed)
        return kAccessDenied;
    const QString text = "디스크 공간이 부족하여 '" + to + "' 파일을 만들 수 없습니다.";
    WriteLog("e)lib_File->ShellFileCopy " + text);
    MsgBox(text, MsgStyle::OkOnly | MsgStyle::Critical);
    return kDiskFull;
}

} // namespace

int ShellFileCopy(const QString& from, const QString& to)
{
    QFile source(from);
    if (!QFileInfo(from).isFile() || !source.open(QIODevice::ReadOnly))
        return kFileNotFound;
    // Unbuffered, so that a write fails while its part of the file is still there.
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return kAccessDenied;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
            const int code = writeFailure(to, chunk.size());
            target.cancelWriting();
            return code;
        }
    }
    return target.commit() ? 0 : kAccessDenied;
}

bool ReplaceFile(const QString& from, const QString& to, QString* failure)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    if (failure)
        *failure = QString::fromLocal8Bit(std::strerror(errno)) + ": '" + from + "' -> '" + to + "'";
    return false;
}

bool FolderExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

QString MakeDirectory(QString& strPathName)
{
    qsizetype position = strPathName.startsWith('/') ? 1 : 0;
    if (!strPathName.endsWith('/'))
        strPathName += '/';
    int created = 0;
    while (!FolderExists(strPathName.chopped(1))) {
        const qsizetype slash = strPathName.indexOf('/', position);
        if (slash < 0) {
            logMakeDirectoryError(strPathName, 4, kFileNotFound, "Path not found");
            return QString();
        }
        const QString folder = strPathName.left(slash);
        if (!FolderExists(folder)) {
            if (!QDir().mkdir(folder)) {
                logMakeDirectoryError(strPathName, 4, errno, QString::fromLocal8Bit(std::strerror(errno)));
                return QString();
            }
            if (++created == kMostFoldersPerCall)
                return QString();
            Delay(500);
        }
        position = slash + 1;
    }
    return QString();
}

int GetFileSize(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(info.size());
}
