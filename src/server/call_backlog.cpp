#include "server/call_backlog.h"

#include "core/file_exists.h"
#include "core/log.h"
#include "server/call_busy_rule.h"
#include "server/call_log.h"

#include <deque>

namespace {

constexpr int kSqliteFull = 13;

// The held calls belong to the call log of the program folder they were meant for.
struct Backlog {
    QString path;
    std::deque<CallLogRow> held;
    qint64 lastProvisional = 0;
};

Backlog& backlog()
{
    static Backlog state;
    if (state.path != CallLogPath())
        state = Backlog{CallLogPath(), {}, 0};
    return state;
}

void logLost(const CallLogRow& call, const QString& why)
{
    WriteLog("통화 기록 유실 ... TEL:=" + call.tel + ", 서비스:=" + CallServiceName(call.kind) + ", 시각:=" + call.modified
             + ", 원인:=" + why);
}

} // namespace

void HoldCall(CallLogRow& call)
{
    Backlog& state = backlog();
    call.id = --state.lastProvisional;
    state.held.push_back(call);
    if (int(state.held.size()) > kMostHeldCalls) {
        logLost(state.held.front(), QStringLiteral("보류 한도 초과"));
        state.held.pop_front();
    }
}

bool HasHeldCalls()
{
    return !backlog().held.empty();
}

int WriteHeldCalls()
{
    std::deque<CallLogRow>& held = backlog().held;
    if (held.empty() || !FileExists(CallLogPath()))
        return 0;
    int written = 0;
    while (!held.empty()) {
        const std::optional<qint64> id = AddCallRow(held.front());
        if (!id)
            break;
        WriteLog("통화 기록 보류분 기록 ... m_cid_id:=" + QString::number(*id) + ", TEL:=" + held.front().tel);
        RenumberWatchedCall(held.front().id, *id);
        held.pop_front();
        ++written;
    }
    return written;
}

QList<CallLogRow> HeldCallsOfDay(const QString& day)
{
    QList<CallLogRow> calls;
    const std::deque<CallLogRow>& held = backlog().held;
    for (auto it = held.rbegin(); it != held.rend(); ++it)
        if (it->day == day)
            calls.append(*it);
    return calls;
}

CallLogRow* HeldCallWithId(const QString& seqNo)
{
    std::deque<CallLogRow>& held = backlog().held;
    for (auto it = held.rbegin(); it != held.rend(); ++it)
        if (it->seqNo == seqNo)
            return &*it;
    return nullptr;
}

void WriteHeldCallsAtEnd()
{
    WriteHeldCalls();
    std::deque<CallLogRow>& held = backlog().held;
    for (const CallLogRow& call : held)
        logLost(call, QStringLiteral("종료 시까지 기록하지 못함"));
    held.clear();
}

QString CallLogFailureCause(const JetError& failure)
{
    if (failure.number == kSqliteFull)
        return "디스크 공간 부족 (" + failure.description + ")";
    return "(" + QString::number(failure.number) + ") " + failure.description;
}

QString CallServiceName(int kind)
{
    return kind == 1 ? QStringLiteral("KT") : kind == 2 ? QStringLiteral("LG U+") : QString::number(kind);
}
