#include "support/fake_process_list.h"

#include "core/process_list.h"

#include <QDir>
#include <QFile>

FakeProcessList::FakeProcessList()
{
    SetProcessListFolder(m_dir.path());
}

FakeProcessList::~FakeProcessList()
{
    SetProcessListFolder(QString());
}

void FakeProcessList::add(qint64 pid, const QByteArray& commandLine, const QString& executable)
{
    const QString entry = QString::number(pid);
    QDir(m_dir.path()).mkpath(entry);
    if (!executable.isEmpty())
        QFile::link(executable, m_dir.filePath(entry + "/exe"));
    QFile cmdline(m_dir.filePath(entry + "/cmdline"));
    if (cmdline.open(QIODevice::WriteOnly))
        cmdline.write(commandLine);
}
