#include "callerid/service_relogin.h"

#include "callerid/caller_id_values.h"
#include "callerid/service_control.h"
#include "callerid/service_controls.h"
#include "callerid/service_log_names.h"
#include "callerid/settings_window.h"
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

enum class State { Idle, Trying, Held };

// One service's tries: a try is due when its timer fires while the generation is unchanged.
struct Tries {
    int attempt = 0;
    int generation = 0;
    State state = State::Idle;
};
std::array<Tries, 5> gTries;

QString logName(int slot)
{
    return slot == kKt ? KtLogName() : LgLogName(slot);
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
    tries.state = State::Trying;
    const int generation = ++tries.generation;
    const int delay = ReloginDelayMs(tries.attempt++);
    QObject* app = QCoreApplication::instance();
    QTimer::singleShot(delay, app, [slot, generation, app] {
        if (gTries[slot].generation == generation)
            RunBetweenOutsideEvents(app, [slot, generation] {
                if (gTries[slot].generation == generation)
                    tryAgain(slot);
            });
    });
    return delay;
}

void settle(int slot, State state)
{
    Tries& tries = gTries[slot];
    tries = {0, tries.generation + 1, state};
}

void hold(int slot, const QString& cause)
{
    if (gTries[slot].state == State::Held)
        return;
    settle(slot, State::Held);
    WriteLog(logName(slot) + "다시 로그인 :: " + cause + " ... 다시 로그인 멈춤 (CID 설정 저장 또는 다음 시작까지)");
}

// Only a service that could not be reached, did not answer (-1) or answered "기타 요청 실패" (0)
// may log in on a later try; every other code refuses the account or the key.
bool aTryCanMend(int result)
{
    return result == -1 || result == 0;
}

void tryKt()
{
    if (!ktInUse()) {
        settle(kKt, State::Idle);
        return;
    }
    const int generation = gTries[kKt].generation;
    const int result = kt_open_api_Login();
    if (gTries[kKt].generation != generation)
        return;   // stopped or held while the login waited
    if (result == 200 || result == 1000) {
        WriteLog(KtLogName() + "다시 로그인 :: " + gCIDktStatus);
        settle(kKt, State::Idle);
    } else if (aTryCanMend(result)) {
        WriteLog(KtLogName() + "다시 로그인 :: " + gCIDktStatus + " ... " + seconds(schedule(kKt)));
    } else {
        HoldKtRelogin();
    }
}

// The line's answer comes as an event: its connected status ends the tries (StopLgRelogin), a
// refused account holds them (HoldLgRelogin); meanwhile the next try is armed.
void tryLine(int line)
{
    if (!lineInUse(line)) {
        settle(line, State::Idle);
        return;
    }
    WriteLog(LgLogName(line) + "다시 로그인 :: LoginServer .. 안 되면 " + seconds(schedule(line)));
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

void start(int slot, bool inUse)
{
    const QString lost = logName(slot) + "연결 끊김";
    if (!inUse || gTries[slot].state == State::Held)
        WriteLog(lost);
    else if (gTries[slot].state == State::Trying)
        WriteLog(lost + " :: 다시 로그인 중");
    else
        WriteLog(lost + " :: " + seconds(schedule(slot)));
}

} // namespace

int ReloginDelayMs(int attempt)
{
    const int doublings = std::clamp(attempt, 0, 5);
    return std::min(kFirstDelayMs << doublings, kLongestDelayMs);
}

void ReloginKtAfterLoss()
{
    start(kKt, ktInUse());
}

void ReloginLgAfterLoss(int line)
{
    start(line, lineInUse(line));
}

void HoldKtRelogin()
{
    hold(kKt, gCIDktStatus);
    if (frmzCID_설정* window = frmzCID_설정::Visible())
        window->kt_open_api_MSG->setText(gCIDktStatus);
}

void HoldLgRelogin(int line)
{
    if (gTries[line].state != State::Trying)
        return;
    hold(line, gCIDlgStatus[line]);
    if (frmzCID_설정* window = frmzCID_설정::Visible())
        window->showLineState(line, gCIDlgStatus[line], false);
}

bool KtReloginHeld()
{
    return gTries[kKt].state == State::Held;
}

bool LgReloginHeld(int line)
{
    return gTries[line].state == State::Held;
}

void StopKtRelogin()
{
    settle(kKt, State::Idle);
}

void StopLgRelogin(int line)
{
    settle(line, State::Idle);
}

void StopAllRelogins()
{
    for (int slot = 0; slot < int(gTries.size()); ++slot)
        settle(slot, State::Idle);
}
