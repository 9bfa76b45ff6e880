#include "platform/outside_events.h"

#include <QCoreApplication>
#include <QTimer>

#include <deque>
#include <utility>

namespace {

OutsideEventBuffer gQueue;
std::deque<OutsideEvent> gTasks;   // the program's tasks waiting for a moment between handlings
std::function<void(int)> gDroppedReport;
int gDroppedElsewhere = 0;
bool gHandling = false;
bool gTurnPosted = false;
bool gTaskPosted = false;

void handleNext();
void runNextTask();

struct HandlingScope {
    HandlingScope() { gHandling = true; }
    ~HandlingScope() { gHandling = false; }
};

// One event per turn of the event loop, so that windows repaint and input runs between them.
void postTurn()
{
    if (gHandling || gTurnPosted || gQueue.empty())
        return;
    gTurnPosted = true;
    QTimer::singleShot(0, QCoreApplication::instance(), handleNext);
}

void postTask()
{
    if (gHandling || gTaskPosted || gTasks.empty())
        return;
    gTaskPosted = true;
    QTimer::singleShot(0, QCoreApplication::instance(), runNextTask);
}

void reportDrops()
{
    const int dropped = gQueue.takeDropped() + std::exchange(gDroppedElsewhere, 0);
    if (dropped > 0 && gDroppedReport)
        gDroppedReport(dropped);
}

void handleNext()
{
    gTurnPosted = false;
    if (gHandling || gQueue.empty())
        return;
    const OutsideEvent event = gQueue.takeFirst();
    {
        const HandlingScope handling;
        if (event.context)
            event.handle();
    }
    if (gQueue.empty())
        reportDrops();
    postTask();
    postTurn();
}

void runNextTask()
{
    gTaskPosted = false;
    if (gHandling || gTasks.empty())
        return;
    const OutsideEvent task = std::move(gTasks.front());
    gTasks.pop_front();
    if (task.context)
        task.handle();
    postTask();
}

} // namespace

void QueueOutsideEvent(QObject* context, std::function<void()> handle, OutsideEventKind kind)
{
    gQueue.push({context, std::move(handle), kind});
    postTurn();
}

void CountDroppedOutsideEvents(int count)
{
    gDroppedElsewhere += count;
}

void OnOutsideEventsDropped(std::function<void(int count)> report)
{
    gDroppedReport = std::move(report);
}

void RunBetweenOutsideEvents(QObject* context, std::function<void()> task)
{
    gTasks.push_back({context, std::move(task)});
    postTask();
}

void HandleQueuedOutsideEvents()
{
    while (!gHandling && !gQueue.empty())
        handleNext();
}
