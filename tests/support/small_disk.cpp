#include "support/small_disk.h"

#include <QDir>
#include <QProcess>

SmallDisk::SmallDisk(const QString& folder, int kilobytes) : m_folder(folder)
{
    QDir().mkpath(folder);
    QProcess mount;
    mount.start("mount", {"-t", "tmpfs", "-o", "size=" + QString::number(kilobytes) + "k", "tmpfs", folder});
    m_mounted = mount.waitForFinished() && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        QProcess::execute("umount", {m_folder});
}
