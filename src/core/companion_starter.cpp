#include "core/companion_starter.h"

#include "core/date_time.h"
#include "core/error_line.h"
#include "core/login_values.h"
#include "core/process_list.h"
#include "platform/ini_util.h"
#include "platform/program_folder.h"
#include "platform/program_launcher.h"

namespace {

const QString kCompanion = QStringLiteral("VMRRobotMain.exe");
constexpr int kLooks = 3;

bool companionRuns()
{
    for (int look = 1; look <= kLooks; ++look) {
        if (IsProcessExist(kCompanion) != 0)
            return true;
        if (look < kLooks)
            Delay(250);
    }
    return false;
}

// The companion's own settings file, through an instance of its own so that the program's
// settings file stays where it points.
bool handOverLogin()
{
    IniUtil handOver;
    handOver.setFileName(AppFile("robot/kvtpr.cfg"));
    return handOver.WriteValue("login", "id0", gShopID) && handOver.WriteValue("login", "pw0", gShopPW);
}

} // namespace

bool VMR_로봇_죽었으면_살리기()
{
    if (companionRuns())
        return true;
    if (!handOverLogin()) {
        LogErrorToIni("libz_Vmr_QR", "VMR_로봇_죽었으면_살리기", 3, 75,
                      "Path/File access error: " + AppFile("robot/kvtpr.cfg"));
        return false;
    }
    StartProgram(AppFile("robot/" + kCompanion), {}, AppFile("robot"));
    return true;
}
