#pragma once

#include "endpoint.h"
#include "shop_state.h"
#include "standin_reply.h"

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QTcpServer;
class QTcpSocket;

// One request as it arrived.
struct StandinRequest {
    QString path;
    QByteArray body;
    QList<QByteArray> headers;   // "Name: value", in the order they came
    FormFields form() const { return FormFields(body); }
};

// A family of paths answered from the whole request with any status and bytes (pictures,
// uploads): every path that starts with the prefix and has no form endpoint of its own.
struct RawEndpoint {
    QString prefix;
    std::function<StandinReply(ShopState& shop, const StandinRequest& request)> handler;
};

// The shop's link image on the image host "/qrmainimg/".
RawEndpoint LinkImageEndpoint();

// The stand-in backend: HTTP/1.1 over a TCP server on the calling thread, so that it answers while
// the program waits in its event loop. Every request is recorded; a path can be scripted to
// answer otherwise than the shop does.
class Standin
{
public:
    explicit Standin(ShopState shop);
    ~Standin();

    // Listens on the loopback address; port 0 takes a free port.
    bool listen(quint16 port = 0, const QHostAddress& address = QHostAddress::LocalHost);
    quint16 port() const;
    QString baseUrl() const;   // "http://127.0.0.1:<port>"

    // Every request to the path gets this reply until the scripts are cleared.
    void script(const QString& path, const StandinReply& reply);
    // The next requests to the path get these replies in order; then the path answers as before.
    void scriptSequence(const QString& path, const QList<StandinReply>& replies);
    void clearScripts();

    const QList<StandinRequest>& requests() const { return m_requests; }
    QList<StandinRequest> requestsTo(const QString& path) const;
    void clearRequests() { m_requests.clear(); }

    ShopState& shop() { return m_shop; }

    // A path through which a test or a person acts as the outside world ("/standin/..."): answered
    // by the handler and not recorded as a request of the program.
    using AdminHandler = std::function<StandinReply(const StandinRequest& request)>;
    void addAdminPath(const QString& path, AdminHandler handler);

private:
    void accept();
    void readFrom(QTcpSocket* socket);
    StandinReply scriptedOrServed(const StandinRequest& request);
    static void send(QTcpSocket* socket, const StandinReply& reply);
    static void drip(QTcpSocket* socket, const QByteArray& body, int everyMs);

    ShopState m_shop;
    EndpointMap m_endpoints;
    QList<RawEndpoint> m_raw;
    QHash<QString, AdminHandler> m_admin;
    QHash<QString, StandinReply> m_fixed;
    QHash<QString, QList<StandinReply>> m_sequences;
    QList<StandinRequest> m_requests;
    std::unique_ptr<QTcpServer> m_server;
};
