#include "platform/outside_event_buffer.h"

#include <utility>

void OutsideEventBuffer::push(OutsideEvent event)
{
    std::deque<Numbered>& kind = event.kind == OutsideEventKind::Call ? m_calls : m_statuses;
    kind.push_back({m_next++, std::move(event)});
    if (size() <= kLimit)
        return;
    (m_statuses.empty() ? m_calls : m_statuses).pop_front();
    ++m_dropped;
}

OutsideEvent OutsideEventBuffer::takeFirst()
{
    const bool call = m_statuses.empty() || (!m_calls.empty() && m_calls.front().number < m_statuses.front().number);
    std::deque<Numbered>& kind = call ? m_calls : m_statuses;
    OutsideEvent first = std::move(kind.front().event);
    kind.pop_front();
    return first;
}

std::deque<OutsideEvent> OutsideEventBuffer::takeAll()
{
    std::deque<OutsideEvent> all;
    while (!empty())
        all.push_back(takeFirst());
    return all;
}

int OutsideEventBuffer::takeDropped()
{
    return std::exchange(m_dropped, 0);
}
