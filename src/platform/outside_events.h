#pragma once

#include "platform/outside_event_buffer.h"

#include <QObject>

#include <functional>

// Events from outside the program (the caller-ID services' rings and status events) are handled
// one at a time, in the order they arrive, each from the event loop: one that arrives while an
// earlier one is being handled, also while that handling waits in a nested loop, stays queued
// until it has returned. Handlings therefore never nest, however long a burst is. The queue holds
// at most OutsideEventBuffer::kLimit events; beyond that a status event is dropped before a call.

// Queues the handling of one event; it is skipped when the context is gone by its turn.
void QueueOutsideEvent(QObject* context, std::function<void()> handle,
                       OutsideEventKind kind = OutsideEventKind::Call);

// Events dropped before they reached the queue (held beside it), told with the queue's own.
void CountDroppedOutsideEvents(int count);

// Who is told how many events were dropped: once the queue has emptied after the drops, with the
// count since the last report. Nothing is told while no one is set.
void OnOutsideEventsDropped(std::function<void(int count)> report);

// Runs a task of the program's own (not an outside event) from the event loop at a moment when no
// outside event is being handled, so that its waits hold none: the queue goes on while it waits.
// It is skipped when the context is gone by its turn.
void RunBetweenOutsideEvents(QObject* context, std::function<void()> task);

// Handles every queued event now, in order, unless one is being handled: at the program's end, so
// that none is lost.
void HandleQueuedOutsideEvents();
