#include "shell/patch_build.h"

#include "core/log.h"
#include "core/settings.h"
#include "platform/program_folder.h"
#include "platform/program_launcher.h"
#include "shell/shell_globals.h"

#include <QFile>

namespace {

const QString kSection = QStringLiteral("Patch");

// Points gIniWork at "Patch.ini" for the life of the object.
class PatchIni
{
public:
    PatchIni() : m_previous(gIniWork.FileName()) { gIniWork.setFileName(AppFile("Patch.ini")); }
    ~PatchIni() { gIniWork.setFileName(m_previous); }

private:
    QString m_previous;
};

} // namespace

PatchState ReadPatchState()
{
    PatchIni ini;
    return {gIniWork.ReadValue(kSection, "Version", QString()).toString(),
            gIniWork.ReadValue(kSection, "Result", QString()).toString()};
}

void WritePatchResult(const QString& result)
{
    PatchIni ini;
    gIniWork.WriteValue(kSection, "Result", result);
}

void WritePatchState(const QString& version, const QString& result)
{
    PatchIni ini;
    gIniWork.WriteValue(kSection, "Version", version);
    gIniWork.WriteValue(kSection, "Result", result);
}

QString PatchFilePath()
{
    return AppFile(gPatchFile);
}

void StartPatchBuild()
{
    const QString path = PatchFilePath();
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup
                                    | QFile::ExeOther);
    MsgDebug2(path + " 실행 !!!");
    StartProgram(path, {QStringLiteral("/a")}, AppPath());
}
