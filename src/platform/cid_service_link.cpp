#include "platform/cid_service_link.h"

#include "platform/outside_events.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

namespace {

constexpr int kConnectTimeoutMs = 3000;

} // namespace

CidServiceLink::CidServiceLink(const QString& host, const QStringList& callEvents)
    : m_host(host), m_callEvents(callEvents)
{
}

CidServiceLink::~CidServiceLink()
{
    for (QEventLoop* loop : m_loops)
        loop->quit();
}

bool CidServiceLink::isConnected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

bool CidServiceLink::ensureConnected()
{
    if (isConnected())
        return true;
    if (!m_socket || m_socket->state() == QAbstractSocket::UnconnectedState) {
        if (m_socket)
            forget(m_socket);
        m_socket = new QTcpSocket(this);
        m_reader = CidLineReader();
        m_results.clear();
        m_expected = 0;
        attach(m_socket);
        const qsizetype colon = m_host.lastIndexOf(':');
        m_socket->connectToHost(m_host.left(colon), m_host.mid(colon + 1).toUShort());
    }
    QPointer<QTcpSocket> socket(m_socket);
    waitUntil([socket] {
        return !socket || socket->state() == QAbstractSocket::ConnectedState
               || socket->state() == QAbstractSocket::UnconnectedState;
    }, kConnectTimeoutMs);
    if (isConnected())
        return true;
    if (socket && socket == m_socket)
        forget(socket);
    return false;
}

void CidServiceLink::send(const QStringList& fields)
{
    if (isConnected())
        m_socket->write(EncodeCidLine(fields));
}

std::optional<int> CidServiceLink::request(const QStringList& fields, int timeoutMs)
{
    QTcpSocket* socket = m_socket;
    const int ticket = m_expected++;
    send(fields);
    QPointer<CidServiceLink> self(this);
    waitUntil([this, socket, ticket] { return m_socket != socket || m_results.size() > ticket; }, timeoutMs);
    if (!self || m_socket != socket)
        return std::nullopt;
    if (m_results.size() > ticket)
        return m_results[ticket];
    m_closeAsked = true;
    forget(socket);
    return std::nullopt;
}

void CidServiceLink::sendAndAwaitClose(const QStringList& fields, int timeoutMs)
{
    QTcpSocket* socket = m_socket;
    m_closeAsked = true;
    send(fields);
    QPointer<CidServiceLink> self(this);
    waitUntil([this, socket] { return m_socket != socket; }, timeoutMs);
    if (self && m_socket == socket)
        forget(socket);
}

void CidServiceLink::raise(const QStringList& event)
{
    const OutsideEventKind kind =
        m_callEvents.contains(event.value(0)) ? OutsideEventKind::Call : OutsideEventKind::Status;
    deliver(kind, [this, event] {
        if (onEvent)
            onEvent(event);
    });
}

void CidServiceLink::attach(QTcpSocket* socket)
{
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readLines(socket); });
    connect(socket, &QTcpSocket::stateChanged, this, [this] { wakeWaiters(); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { closed(socket); });
}

void CidServiceLink::readLines(QTcpSocket* socket)
{
    if (socket != m_socket)
        return;
    // What the system had received since the last read: the socket's buffer holds no more.
    const CidLineReader::Taken taken = m_reader.take(socket->readAll());
    for (int i = 0; i < taken.dropped; ++i)
        if (onLineDropped)
            onLineDropped();
    for (const QStringList& line : taken.lines) {
        if (line.value(0) == QLatin1String("RESULT"))
            m_results.append(line.value(1).toInt());
        else if (line.value(0) == QLatin1String("EVENT") && line.size() > 1)
            raise(line.mid(1));
    }
    wakeWaiters();
}

void CidServiceLink::closed(QTcpSocket* socket)
{
    if (socket != m_socket)
        return;
    readLines(socket);
    const bool dropped = !m_closeAsked;
    forget(socket);
    if (dropped)
        deliver(OutsideEventKind::Status, [this] {
            if (onDropped)
                onDropped();
        });
}

// Lets the connection go: a later call opens a new one.
void CidServiceLink::forget(QTcpSocket* socket)
{
    if (socket == m_socket) {
        m_socket = nullptr;
        m_closeAsked = false;
    }
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    wakeWaiters();
}

bool CidServiceLink::waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QPointer<CidServiceLink> self(this);
    const QDeadlineTimer deadline(timeoutMs);
    ++m_waiting;
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(deadline.remainingTime(), &loop, &QEventLoop::quit);
        m_loops.append(&loop);
        loop.exec();
        if (!self)
            return false;
        m_loops.removeOne(&loop);
    }
    --m_waiting;
    deliverHeld();
    return done();
}

void CidServiceLink::wakeWaiters()
{
    for (QEventLoop* loop : m_loops)
        loop->quit();
}

// An event joins the queue of outside events at once, or, while a call of this link waits, once
// the call has returned.
void CidServiceLink::deliver(OutsideEventKind kind, std::function<void()> handle)
{
    if (m_waiting > 0)
        m_held.push({this, std::move(handle), kind});
    else
        QueueOutsideEvent(this, std::move(handle), kind);
}

void CidServiceLink::deliverHeld()
{
    if (m_waiting > 0)
        return;
    CountDroppedOutsideEvents(m_held.takeDropped());
    for (OutsideEvent& event : m_held.takeAll())
        QueueOutsideEvent(this, std::move(event.handle), event.kind);
}
