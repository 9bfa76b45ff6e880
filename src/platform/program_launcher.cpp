#include "platform/program_launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

class RealLauncher : public ProgramLauncher
{
public:
    qint64 startProgram(const QString& program, const QStringList& arguments,
                        const QString& workingFolder) override
    {
        qint64 pid = 0;
        if (!QProcess::startDetached(program, arguments, workingFolder, &pid))
            return 0;
        return pid;
    }

    bool openUrl(const QString& url) override
    {
        const QUrl address = QFileInfo::exists(url) ? QUrl::fromLocalFile(url) : QUrl(url);
        return QDesktopServices::openUrl(address);
    }
};

ProgramLauncher* g_launcher = nullptr;

ProgramLauncher& launcher()
{
    static RealLauncher real;
    return g_launcher ? *g_launcher : real;
}

} // namespace

qint64 StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder)
{
    return launcher().startProgram(program, arguments, workingFolder);
}

bool OpenUrl(const QString& url)
{
    return launcher().openUrl(url);
}

void SetProgramLauncher(ProgramLauncher* launcher)
{
    g_launcher = launcher;
}
