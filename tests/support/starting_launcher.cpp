#include "support/starting_launcher.h"

#include <QProcess>

StartingLauncher::StartingLauncher()
{
    SetProgramLauncher(this);
}

StartingLauncher::~StartingLauncher()
{
    SetProgramLauncher(&ProgramLaunches());
}

qint64 StartingLauncher::startProgram(const QString& program, const QStringList& arguments,
                                      const QString& workingFolder)
{
    RecordingLauncher::startProgram(program, arguments, workingFolder);
    qint64 pid = 0;
    return QProcess::startDetached(program, arguments, workingFolder, &pid) ? pid : 0;
}
