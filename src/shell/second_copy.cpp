#include "shell/second_copy.h"

#include "platform/program_folder.h"

#include <QLockFile>

#include <memory>

bool IsAnotherCopyRunning()
{
    static std::unique_ptr<QLockFile> held;
    const QString path = AppFile(QStringLiteral("VmrZLM.lock"));
    if (held && held->fileName() == path)
        return false;
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return true;
    held = std::move(lock);
    return false;
}
