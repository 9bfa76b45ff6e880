#pragma once

#include "support/seams.h"

// Records the programs it is asked to start, like RecordingLauncher, and really starts them
// (detached). Installed for the life of the object; the recording launcher comes back after.
class StartingLauncher : public RecordingLauncher
{
public:
    StartingLauncher();
    ~StartingLauncher() override;
    StartingLauncher(const StartingLauncher&) = delete;
    StartingLauncher& operator=(const StartingLauncher&) = delete;

    qint64 startProgram(const QString& program, const QStringList& arguments,
                        const QString& workingFolder) override;
};
