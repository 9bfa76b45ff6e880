#pragma once

#include "platform/program_launcher.h"

#include <QList>
#include <QString>
#include <QStringList>

// Records every program start and address, and installs itself for the life of the object. With
// starting on, programs are really started (detached) after they are recorded.
class RecordingLauncher : public ProgramLauncher
{
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    explicit RecordingLauncher(bool starting = false);
    ~RecordingLauncher() override;
    RecordingLauncher(const RecordingLauncher&) = delete;
    RecordingLauncher& operator=(const RecordingLauncher&) = delete;

    qint64 startProgram(const QString& program, const QStringList& arguments,
                        const QString& workingFolder) override;
    bool openUrl(const QString& url) override;

    const QList<Start>& starts() const { return m_starts; }
    const QStringList& urls() const { return m_urls; }

private:
    bool m_starting;
    QList<Start> m_starts;
    QStringList m_urls;
};
