#include "server/call_busy_rule.h"

#include "core/jet_exec.h"
#include "core/jet_database.h"
#include "platform/clock.h"
#include "server/call_backlog.h"
#include "server/call_log.h"

#include <QHash>

#include <map>

namespace {

constexpr qint64 kBusyAfterSeconds = 45;

// The watched calls of the call log of the program folder, by the moment their rows were
// written, then their number; and the moment of each number.
using WatchKey = std::pair<QString, qint64>;
struct Watch {
    QString path;
    std::map<WatchKey, CallLogRow> calls;
    QHash<qint64, QString> moments;
};

Watch& watch()
{
    static Watch state;
    if (state.path != CallLogPath())
        state = Watch{CallLogPath(), {}, {}};
    return state;
}

bool isBusyCandidate(const CallLogRow& call)
{
    return call.kind == 2 && call.status.isEmpty();
}

QDateTime momentOf(const CallLogRow& call)
{
    return QDateTime::fromString(call.modified, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// The calls due now, taken off the watch.
QList<CallLogRow> takeDue(const QDateTime& now)
{
    Watch& state = watch();
    QList<CallLogRow> due;
    while (!state.calls.empty() && IsDueBusy(state.calls.begin()->second, now)) {
        due.append(state.calls.begin()->second);
        state.moments.remove(state.calls.begin()->first.second);
        state.calls.erase(state.calls.begin());
    }
    return due;
}

// Marks the call in memory when it is still held.
bool markHeld(const CallLogRow& call)
{
    CallLogRow* held = HeldCallWithId(call.seqNo);
    if (!held || held->id != call.id || !held->status.isEmpty())
        return false;
    held->status = kBusyStatus;
    return true;
}

bool markWritten(JetDatabase& db, const CallLogRow& call)
{
    long rows = 0;
    const JetSql sql(QStringLiteral("UPDATE cid SET Status = ? WHERE cid_id = ? AND (Status IS NULL OR Status = '')"),
                     {kBusyStatus, call.id});
    return JetExec(db, sql, rows) && rows > 0;
}

} // namespace

bool IsDueBusy(const CallLogRow& call, const QDateTime& now)
{
    const QDateTime modified = momentOf(call);
    return isBusyCandidate(call) && modified.isValid() && modified.secsTo(now) > kBusyAfterSeconds;
}

void WatchForBusy(const CallLogRow& call)
{
    Watch& state = watch();
    if (!isBusyCandidate(call) || state.moments.contains(call.id))
        return;
    state.calls.emplace(WatchKey{call.modified, call.id}, call);
    state.moments.insert(call.id, call.modified);
}

void RenumberWatchedCall(qint64 provisional, qint64 id)
{
    Watch& state = watch();
    const auto moment = state.moments.constFind(provisional);
    if (moment == state.moments.constEnd())
        return;
    const auto node = state.calls.find(WatchKey{*moment, provisional});
    CallLogRow call = node->second;
    state.calls.erase(node);
    state.moments.remove(provisional);
    call.id = id;
    WatchForBusy(call);
}

QList<CallLogRow> SettleBusyCalls()
{
    QList<CallLogRow> due = takeDue(CurrentClock().now());
    if (due.isEmpty())
        return {};
    QList<CallLogRow> changed;
    JetDbPtr db;
    for (CallLogRow& call : due) {
        const bool marked = call.id < 0 ? markHeld(call)
                                        : (db || JetOpenDB(db, CallLogPath())) && markWritten(*db, call);
        if (marked) {
            call.status = kBusyStatus;
            changed.append(call);
        }
    }
    return changed;
}
