#include "support/recording_launcher.h"

#include <QProcess>

RecordingLauncher::RecordingLauncher(bool starting) : m_starting(starting)
{
    SetProgramLauncher(this);
}

RecordingLauncher::~RecordingLauncher()
{
    SetProgramLauncher(nullptr);
}

qint64 RecordingLauncher::startProgram(const QString& program, const QStringList& arguments,
                                       const QString& workingFolder)
{
    m_starts.append({program, arguments, workingFolder});
    qint64 pid = 0;
    if (m_starting && !QProcess::startDetached(program, arguments, workingFolder, &pid))
        return 0;
    return pid;
}

bool RecordingLauncher::openUrl(const QString& url)
{
    m_urls.append(url);
    return true;
}
