#pragma once

#include <QObject>

#include <functional>

// Events from outside the program (the caller-ID services' rings and status events) are handled
// one at a time, in the order they arrive, each from the event loop: one that arrives while an
// earlier one is being handled, also while that handling waits in a nested loop, stays queued
// until it has returned. Handlings therefore never nest, however long a burst is.

// Queues the handling of one event; it is skipped when the context is gone by its turn.
void QueueOutsideEvent(QObject* context, std::function<void()> handle);

// Handles every queued event now, in order, unless one is being handled: at the program's end, so
// that none is lost.
void HandleQueuedOutsideEvents();
