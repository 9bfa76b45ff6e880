#include "callerid/service_relogin.h"

#include "callerid/caller_id_values.h"
#include "callerid/service_control.h"
#include "callerid/service_controls.h"
#include "core/log.h"
#include "platform/outside_events.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

constexpr int kFirstDelayMs = 3000;
constexpr int kLongestDelayMs = 60000;
constexpr int kKt = 4;   // the slot after the four LG U+ lines

// One service's tries: a try is due when its timer fires while the generation is unchanged.
struct Tries {
    int attempt = 0;
    int generation = 0;
    bool active = false;
};
std::array<Tries, 5> gTries;

QString lgPrefix(int line)
{
    return "【LGU+】(" + QString::number(line) + ") ";
}

QString seconds(int ms)
{
    return QString::number(ms / 1000) + "초 후 다시 로그인";
}

bool ktInUse()
{
    return gCIDUseKT && !gCIDktID.isEmpty() && !gCIDktPW.isEmpty();
}

bool lineInUse(int line)
{
    return gCIDUseLG && !gCIDlgID[line].isEmpty() && !gCIDlgPW[line].isEmpty();
}

void tryAgain(int slot);

// Arms the next try of the slot; the wait it chose.
int schedule(int slot)
{
    Tries& tries = gTries[slot];
    tries.active = true;
    const int generation = ++tries.generation;
    const int delay = ReloginDelayMs(tries.attempt++);
    QObject* app = QCoreApplication::instance();
    QTimer::singleShot(delay, app, [slot, generation, app] {
        if (gTries[slot].generation == generation)
            QueueOutsideEvent(app, [slot, generation] {
                if (gTries[slot].generation == generation)
                    tryAgain(slot);
            });
    });
    return delay;
}

void stop(int slot)
{
    Tries& tries = gTries[slot];
    tries = {0, tries.generation + 1, false};
}

void tryKt()
{
    if (!ktInUse()) {
        stop(kKt);
        return;
    }
    const int result = kt_open_api_Login();
    if (result == 200 || result == 1000) {
        WriteLog("KTOpenAPI 다시 로그인 :: " + gCIDktStatus);
        stop(kKt);
        return;
    }
    WriteLog("KTOpenAPI 다시 로그인 :: " + gCIDktStatus + " ... " + seconds(schedule(kKt)));
}

// The line's answer comes as an event: its connected status ends the tries (StopLgRelogin);
// meanwhile the next try is armed.
void tryLine(int line)
{
    if (!lineInUse(line)) {
        stop(line);
        return;
    }
    WriteLog(lgPrefix(line) + "다시 로그인 :: LoginServer .. 안 되면 " + seconds(schedule(line)));
    gCIDlgJobKind = 1;
    LGUBaseOpenApiX(line).LoginServer(gCIDlgID[line], gCIDlgPW[line], line == 0 ? gCIDlgIP[0] : QString());
}

void tryAgain(int slot)
{
    if (slot == kKt)
        tryKt();
    else
        tryLine(slot);
}

void start(int slot, bool inUse, const QString& prefix)
{
    if (!inUse)
        WriteLog(prefix + "연결 끊김");
    else if (gTries[slot].active)
        WriteLog(prefix + "연결 끊김 :: 다시 로그인 중");
    else
        WriteLog(prefix + "연결 끊김 :: " + seconds(schedule(slot)));
}

} // namespace

int ReloginDelayMs(int attempt)
{
    const int doublings = std::clamp(attempt, 0, 5);
    return std::min(kFirstDelayMs << doublings, kLongestDelayMs);
}

void ReloginKtAfterLoss()
{
    start(kKt, ktInUse(), QStringLiteral("KTOpenAPI "));
}

void ReloginLgAfterLoss(int line)
{
    start(line, lineInUse(line), lgPrefix(line));
}

void StopKtRelogin()
{
    stop(kKt);
}

void StopLgRelogin(int line)
{
    stop(line);
}

void StopAllRelogins()
{
    for (int slot = 0; slot < int(gTries.size()); ++slot)
        stop(slot);
}
