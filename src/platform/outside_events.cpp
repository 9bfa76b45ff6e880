#include "platform/outside_events.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <deque>

namespace {

struct QueuedEvent {
    QPointer<QObject> context;
    std::function<void()> handle;
};

std::deque<QueuedEvent> gQueue;
bool gHandling = false;
bool gTurnPosted = false;

void handleNext();

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

void handleNext()
{
    gTurnPosted = false;
    if (gHandling || gQueue.empty())
        return;
    const QueuedEvent event = std::move(gQueue.front());
    gQueue.pop_front();
    {
        const HandlingScope handling;
        if (event.context)
            event.handle();
    }
    postTurn();
}

} // namespace

void QueueOutsideEvent(QObject* context, std::function<void()> handle)
{
    gQueue.push_back({context, std::move(handle)});
    postTurn();
}

void HandleQueuedOutsideEvents()
{
    while (!gHandling && !gQueue.empty())
        handleNext();
}
