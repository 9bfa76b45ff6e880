#pragma once

#include <QString>
#include <QStringList>

// Starting other programs and opening addresses, as the shell's "open" does. Production starts
// detached processes and hands addresses to the desktop; tests install their own launcher.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    // Starts the program detached in the working folder; the new process id, or 0 when it failed.
    virtual qint64 startProgram(const QString& program, const QStringList& arguments,
                                const QString& workingFolder) = 0;
    // Opens a web address, a document or a folder with the desktop's default application.
    virtual bool openUrl(const QString& url) = 0;
};

qint64 StartProgram(const QString& program, const QStringList& arguments = {},
                    const QString& workingFolder = QString());
bool OpenUrl(const QString& url);

// The launcher in use. SetProgramLauncher(nullptr) goes back to the real one.
void SetProgramLauncher(ProgramLauncher* launcher);
