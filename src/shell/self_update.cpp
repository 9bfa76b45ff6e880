#include "shell/self_update.h"

#include "core/converters.h"
#include "core/date_time.h"
#include "core/file_exists.h"
#include "core/log.h"
#include "platform/program_exit.h"
#include "platform/window_registry.h"
#include "shell/data_load_window.h"
#include "shell/patch_build.h"
#include "shell/patch_tables.h"
#include "shell/shell_globals.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

const QString kPatchFile = QStringLiteral("VomariZLM_Last.EXE");

QList<int> versionParts(const QString& version)
{
    QList<int> parts;
    if (version.isEmpty())
        return parts;
    for (const QString& part : version.split('.'))
        parts.append(ToLong(part));
    return parts;
}

// The build was downloaded and started once, yet the old version runs: start it a second time.
void startDownloadedBuildAgain()
{
    WritePatchResult(QStringLiteral("Success2"));
    gPatchFile = kPatchFile;
    if (!FileExists(PatchFilePath())) {
        MsgDebug2(PatchFilePath() + " 파일이 없어 업그레이드 없이 계속합니다.");
        return;
    }
    VMR_PutPatchHistory(QString(), QStringLiteral("S"));
    Delay(1000);
    StartPatchBuild();
    EndProgram();
}

void handleKnownBuild(const QString& result)
{
    if (gAppVersion == gPatchVersion)
        return;
    if (result == "Success") {
        startDownloadedBuildAgain();
    } else if (result == "Success2") {
        WritePatchResult(QStringLiteral("Error"));
        VMR_PutPatchHistory(QString(), QStringLiteral("E"));
    }
}

void openDownloadWindow()
{
    if (IsFormLoaded(QStringLiteral("frmLogin")))
        UnloadForm(QStringLiteral("frmLogin"));
    QCoreApplication::processEvents();
    gPatchFile = kPatchFile;
    frmDataLoad& window = Form<frmDataLoad>();
    window.m_FirstActivated = true;
    window.m_DataLoadUpdateType = 0;
    ShowFormModal(window);
}

} // namespace

QString GetAppVersion()
{
    return QString::number(VMR_VERSION_MAJOR) + "." + QString::number(VMR_VERSION_MINOR) + ".0."
           + QString::number(VMR_VERSION_REVISION);
}

int VersionCompare(const QString& a, const QString& b)
{
    const QList<int> left = versionParts(a);
    const QList<int> right = versionParts(b);
    const auto order = std::lexicographical_compare_three_way(left.begin(), left.end(),
                                                              right.begin(), right.end());
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

bool VMR_자동_업그레이드()
{
    gPatchType = QStringLiteral("A");
    gPatchVersion.clear();
    gPatchSize = 0;
    gAppVersion = GetAppVersion();
    if (!VMR_GetPatchVersion() || gPatchVersion.isEmpty() || gPatchSize <= 0)
        return true;
    const PatchState state = ReadPatchState();
    if (state.version == gPatchVersion)
        handleKnownBuild(state.result);
    else if (VersionCompare(gPatchVersion, gAppVersion) == 1)
        openDownloadWindow();
    return true;
}
