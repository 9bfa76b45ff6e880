#pragma once

#include "platform/cid_line_codec.h"
#include "platform/outside_event_buffer.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QEventLoop;
class QTcpSocket;

// One TCP connection of a caller-ID control to its carrier's service at "host:port", opened by the
// first call that needs it and again after a drop. Every wait is a nested event loop. The service's
// events ("EVENT" name args...) join the program's queue of outside events (outside_events.h), so
// they are handled from the event loop one at a time; those that come while a call of this link
// waits join it once the call has returned, and are held meanwhile as the queue holds them (at
// most OutsideEventBuffer::kLimit, a status event dropped before a call). A line longer than
// 64 KiB is dropped (onLineDropped).
class CidServiceLink : public QObject
{
public:
    // callEvents: the names of the service's events that report calls; the others are status
    // events.
    CidServiceLink(const QString& host, const QStringList& callEvents);
    ~CidServiceLink() override;

    QString host() const { return m_host; }
    bool isConnected() const;
    // Connects when not connected, waiting 3 seconds at most; false when the service is not there.
    bool ensureConnected();
    // Sends one line on the open connection.
    void send(const QStringList& fields);
    // Sends one line and waits for the service's next "RESULT code"; nothing when no answer came
    // within the time or the connection ended meanwhile (the connection is then given up).
    std::optional<int> request(const QStringList& fields, int timeoutMs);
    // Sends one line and waits until the service closes the connection (closed at once when it
    // takes longer); a close asked for this way is no drop.
    void sendAndAwaitClose(const QStringList& fields, int timeoutMs);
    // Hands an event on as if the service had sent it.
    void raise(const QStringList& event);

    // The event's name (without "Event") and its arguments.
    std::function<void(const QStringList& event)> onEvent;
    // The connection ended without the program asking for it; handed on as an event is.
    std::function<void()> onDropped;
    // The service sent a line longer than 64 KiB, which was dropped.
    std::function<void()> onLineDropped;

private:
    void attach(QTcpSocket* socket);
    void readLines(QTcpSocket* socket);
    void closed(QTcpSocket* socket);
    void forget(QTcpSocket* socket);
    bool waitUntil(const std::function<bool()>& done, int timeoutMs);
    void wakeWaiters();
    void deliver(OutsideEventKind kind, std::function<void()> handle);
    void deliverHeld();

    QString m_host;
    QStringList m_callEvents;
    QTcpSocket* m_socket = nullptr;
    CidLineReader m_reader;
    QList<int> m_results;   // the answers of the current connection, in order
    int m_expected = 0;     // requests of the current connection that wait for an answer
    OutsideEventBuffer m_held;   // events that came while a call waited
    QList<QEventLoop*> m_loops;
    int m_waiting = 0;
    bool m_closeAsked = false;
};
