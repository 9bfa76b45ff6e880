#include "platform/cid_service_link.h"

#include "platform/cid_line_codec.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr int kConnectTimeoutMs = 3000;

} // namespace

CidServiceLink::CidServiceLink(const QString& host) : m_host(host) {}

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
        m_buffer.clear();
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
    m_events.append(event);
    scheduleDelivery();
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
    m_buffer += socket->readAll();
    for (const QStringList& line : TakeCidLines(m_buffer)) {
        if (line.value(0) == QLatin1String("RESULT"))
            m_results.append(line.value(1).toInt());
        else if (line.value(0) == QLatin1String("EVENT") && line.size() > 1)
            m_events.append(line.mid(1));
    }
    wakeWaiters();
    scheduleDelivery();
}

void CidServiceLink::closed(QTcpSocket* socket)
{
    if (socket != m_socket)
        return;
    readLines(socket);
    const bool dropped = !m_closeAsked;
    forget(socket);
    if (dropped && onDropped)
        onDropped();
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
    const bool finished = done();
    scheduleDelivery();
    return finished;
}

void CidServiceLink::wakeWaiters()
{
    for (QEventLoop* loop : m_loops)
        loop->quit();
}

void CidServiceLink::scheduleDelivery()
{
    if (m_waiting > 0 || m_deliveryPosted || m_events.isEmpty())
        return;
    m_deliveryPosted = true;
    QTimer::singleShot(0, this, [this] { deliverOne(); });
}

// One event per turn of the event loop, the next one posted before this one is handled, so that an
// event handled inside a wait of an earlier one is handled there in full.
void CidServiceLink::deliverOne()
{
    m_deliveryPosted = false;
    if (m_waiting > 0 || m_events.isEmpty())
        return;
    const QStringList event = m_events.takeFirst();
    scheduleDelivery();
    if (onEvent)
        onEvent(event);
}
