#include "standin.h"

#include "http_message.h"
#include "table_request_state.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

Standin::Standin(ShopState shop)
    : m_shop(std::move(shop)), m_endpoints(AllEndpoints()), m_raw{LinkImageEndpoint()}, m_server(std::make_unique<QTcpServer>())
{
    QObject::connect(m_server.get(), &QTcpServer::newConnection, m_server.get(), [this] { accept(); });
    AddGuestRequestPath(*this);
}

Standin::~Standin() = default;

bool Standin::listen(quint16 port, const QHostAddress& address)
{
    return m_server->listen(address, port);
}

quint16 Standin::port() const
{
    return m_server->serverPort();
}

QString Standin::baseUrl() const
{
    return "http://127.0.0.1:" + QString::number(port());
}

void Standin::addAdminPath(const QString& path, AdminHandler handler)
{
    m_admin.insert(path, std::move(handler));
}

void Standin::script(const QString& path, const StandinReply& reply)
{
    m_fixed.insert(path, reply);
}

void Standin::scriptSequence(const QString& path, const QList<StandinReply>& replies)
{
    m_sequences[path] += replies;
}

void Standin::clearScripts()
{
    m_fixed.clear();
    m_sequences.clear();
}

QList<StandinRequest> Standin::requestsTo(const QString& path) const
{
    QList<StandinRequest> found;
    for (const StandinRequest& request : m_requests)
        if (request.path == path)
            found.append(request);
    return found;
}

void Standin::accept()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { readFrom(socket); });
    }
}

void Standin::readFrom(QTcpSocket* socket)
{
    if (socket->property("refused").toBool()) {   // what follows a refused head is thrown away
        socket->readAll();
        return;
    }
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    if (buffer.startsWith('\x16')) {   // a TLS handshake: this server speaks plain HTTP only
        socket->abort();
        return;
    }
    HttpRequestHead head;
    const HttpParse state = ParseHttpRequest(buffer, head);
    if (state == HttpParse::Incomplete) {
        socket->setProperty("buffer", buffer);
        return;
    }
    socket->setProperty("buffer", QByteArray());
    if (state == HttpParse::Malformed) {
        send(socket, StandinReply::text("Bad Request", 400));
        return;
    }
    if (state == HttpParse::TooLarge) {
        socket->setProperty("refused", true);
        send(socket, StandinReply::text("Payload Too Large", 413));
        return;
    }
    const StandinRequest request{head.path, head.body, head.headers};
    if (const auto admin = m_admin.constFind(request.path); admin != m_admin.constEnd()) {
        send(socket, (*admin)(request));
        return;
    }
    m_requests.append(request);
    const StandinReply reply = scriptedOrServed(request);
    if (reply.delayMs <= 0) {
        send(socket, reply);
        return;
    }
    QTimer::singleShot(reply.delayMs, socket, [socket, reply] { send(socket, reply); });
}

StandinReply Standin::scriptedOrServed(const StandinRequest& request)
{
    auto sequence = m_sequences.find(request.path);
    if (sequence != m_sequences.end() && !sequence->isEmpty())
        return sequence->takeFirst();
    if (m_fixed.contains(request.path))
        return m_fixed.value(request.path);
    const auto endpoint = m_endpoints.constFind(request.path);
    if (endpoint != m_endpoints.constEnd())
        return StandinReply::text((*endpoint)(m_shop, request.form()));
    for (const RawEndpoint& raw : m_raw)
        if (request.path.startsWith(raw.prefix))
            return raw.handler(m_shop, request);
    return StandinReply::text("Not Found", 404);
}

void Standin::send(QTcpSocket* socket, const StandinReply& reply)
{
    switch (reply.ending) {
    case StandinReply::Ending::Dropped:
        socket->abort();
        return;
    case StandinReply::Ending::CutOff:
        socket->write(HttpResponseHead(reply.status, reply.body.size() + 1) + reply.body);
        socket->flush();
        socket->abort();
        return;
    case StandinReply::Ending::Complete:
        socket->write(HttpResponse(reply.status, reply.body));
        socket->disconnectFromHost();
        return;
    case StandinReply::Ending::Drip:
        socket->write(HttpResponseHead(reply.status, reply.body.size()));
        drip(socket, reply.body, reply.dripMs);
        return;
    }
}

void Standin::drip(QTcpSocket* socket, const QByteArray& body, int everyMs)
{
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, body, sent] {
        socket->write(body.mid((*sent)++, 1));
        if (*sent < body.size())
            return;
        timer->stop();
        socket->disconnectFromHost();
    });
    timer->start(everyMs);
}
