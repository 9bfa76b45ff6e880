#pragma once

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>

// What an outside event reports, for the choice of what goes when too many wait: a call (a ring,
// or what a ring's handling waits for) is kept before any status event.
enum class OutsideEventKind { Call, Status };

struct OutsideEvent {
    QPointer<QObject> context;
    std::function<void()> handle;
    OutsideEventKind kind = OutsideEventKind::Call;
};

// Outside events waiting in their order of arrival, at most kLimit of them, so that a peer that
// floods short lines cannot fill the memory: one more drops the oldest status event, or, while
// only calls wait, the oldest call. It counts what it dropped. Each step takes constant time.
class OutsideEventBuffer
{
public:
    static constexpr qsizetype kLimit = 4096;

    void push(OutsideEvent event);
    bool empty() const { return m_calls.empty() && m_statuses.empty(); }
    qsizetype size() const { return qsizetype(m_calls.size() + m_statuses.size()); }
    // The oldest event, taken out.
    OutsideEvent takeFirst();
    // Every event, in their order, taken out.
    std::deque<OutsideEvent> takeAll();
    // The events dropped since the last call.
    int takeDropped();

private:
    struct Numbered {
        quint64 number;   // the order of arrival
        OutsideEvent event;
    };

    std::deque<Numbered> m_calls;
    std::deque<Numbered> m_statuses;
    quint64 m_next = 0;
    int m_dropped = 0;
};
