#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QEventLoop;
class QTcpSocket;

// One TCP connection of a caller-ID control to its carrier's service at "host:port", opened by the
// first call that needs it and again after a drop. Every wait is a nested event loop. The service's
// events ("EVENT" name args...) are handed on from the event loop, one at a time, never while a
// call of this link is waiting: those that come during a call follow once it has returned.
class CidServiceLink : public QObject
{
public:
    explicit CidServiceLink(const QString& host);
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
    // The connection ended without the program asking for it.
    std::function<void()> onDropped;

private:
    void attach(QTcpSocket* socket);
    void readLines(QTcpSocket* socket);
    void closed(QTcpSocket* socket);
    void forget(QTcpSocket* socket);
    bool waitUntil(const std::function<bool()>& done, int timeoutMs);
    void wakeWaiters();
    void scheduleDelivery();
    void deliverOne();

    QString m_host;
    QTcpSocket* m_socket = nullptr;
    QByteArray m_buffer;
    QList<int> m_results;   // the answers of the current connection, in order
    int m_expected = 0;     // requests of the current connection that wait for an answer
    QList<QStringList> m_events;
    QList<QEventLoop*> m_loops;
    int m_waiting = 0;
    bool m_deliveryPosted = false;
    bool m_closeAsked = false;
};
