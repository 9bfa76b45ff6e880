#include "core/file_services.h"

#include "core/date_time.h"
#include "core/log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr int kFileNotFound = 2;
constexpr int kAccessDenied = 5;
constexpr int kMostFoldersPerCall = 12;

void logMakeDirectoryError(const QString& path, int step, int number, const QString& description)
{
    WriteLog("e)lib_File->MakeDirectory(strPathName:=" + path + ")[" + QString::number(step) + "]("
             + QString::number(number) + ")" + description);
}

} // namespace

int ShellFileCopy(const QString& from, const QString& to)
{
    QFile source(from);
    if (!QFileInfo(from).isFile() || !source.open(QIODevice::ReadOnly))
        return kFileNotFound;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return kAccessDenied;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
            target.cancelWriting();
            return kAccessDenied;
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
