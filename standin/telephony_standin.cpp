#include "telephony_standin.h"

#include "platform/cid_line_codec.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <climits>

namespace {

constexpr int kKtServerType = 1;
constexpr int kPasswordTries = 5;
const QString kKt = QStringLiteral("KT");
const QString kLg = QStringLiteral("LG");

QList<CidAccounts::Account> readAccounts(const QJsonArray& array)
{
    QList<CidAccounts::Account> accounts;
    for (const QJsonValue& value : array) {
        const QJsonObject object = value.toObject();
        accounts.append({object.value("id").toString(), object.value("pw").toString(),
                         object.value("number").toString()});
    }
    return accounts;
}

const CidAccounts::Account* findAccount(const QList<CidAccounts::Account>& accounts, const QString& id)
{
    for (const CidAccounts::Account& account : accounts)
        if (account.id == id)
            return &account;
    return nullptr;
}

QString moment()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"));
}

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool CidAccounts::load(const QString& folder, CidAccounts& accounts, QString* error)
{
    const QString path = folder + "/callerid.json";
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, path + ": " + file.errorString());
    QJsonParseError parseError;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll(), &parseError).object();
    if (parseError.error != QJsonParseError::NoError)
        return fail(error, path + ": " + parseError.errorString());
    accounts.ktKey = root.value("ktKey").toString();
    accounts.kt = readAccounts(root.value("kt").toArray());
    accounts.lg = readAccounts(root.value("lg").toArray());
    return true;
}

TelephonyStandin::TelephonyStandin(CidAccounts accounts)
    : m_accounts(std::move(accounts)), m_kt(std::make_unique<QTcpServer>()), m_lg(std::make_unique<QTcpServer>())
{
    QObject::connect(m_kt.get(), &QTcpServer::newConnection, m_kt.get(), [this] { accept(m_kt.get(), true); });
    QObject::connect(m_lg.get(), &QTcpServer::newConnection, m_lg.get(), [this] { accept(m_lg.get(), false); });
}

TelephonyStandin::~TelephonyStandin()
{
    for (auto it = m_connections.keyBegin(); it != m_connections.keyEnd(); ++it) {
        (*it)->disconnect();
        (*it)->abort();
        delete *it;
    }
}

bool TelephonyStandin::listen(quint16 ktPort, quint16 lgPort)
{
    return m_kt->listen(QHostAddress::LocalHost, ktPort) && m_lg->listen(QHostAddress::LocalHost, lgPort);
}

QString TelephonyStandin::ktHost() const
{
    return "127.0.0.1:" + QString::number(m_kt->serverPort());
}

QString TelephonyStandin::lgHost() const
{
    return "127.0.0.1:" + QString::number(m_lg->serverPort());
}

void TelephonyStandin::accept(QTcpServer* server, bool kt)
{
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        socket->setParent(nullptr);
        Connection connection;
        connection.kt = kt;
        m_connections.insert(socket, connection);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, kt] { read(socket, kt); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
            m_connections.remove(socket);
            socket->deleteLater();
        });
    }
}

void TelephonyStandin::read(QTcpSocket* socket, bool kt)
{
    auto connection = m_connections.find(socket);
    if (connection == m_connections.end())
        return;
    for (const QStringList& fields : connection->reader.take(socket->readAll()).lines) {
        m_received.append({kt ? kKt : kLg, fields});
        if (kt)
            onKt(socket, fields);
        else
            onLg(socket, fields);
        if (!m_connections.contains(socket))
            return;
    }
}

void TelephonyStandin::send(QTcpSocket* socket, const QStringList& fields)
{
    socket->write(EncodeCidLine(fields));
}

void TelephonyStandin::onKt(QTcpSocket* socket, const QStringList& fields)
{
    const QString command = fields.value(0);
    if (m_silenced.remove(command.toLower()))
        return;
    if (command == QLatin1String("LOGIN")) {
        const bool scripted = m_scripted.contains(QStringLiteral("login"));
        const int code = scripted ? m_scripted.take(QStringLiteral("login")) : ktLogin(socket, fields);
        send(socket, {QStringLiteral("RESULT"), QString::number(code)});
        if (code == 200 && !scripted) {
            send(socket, {QStringLiteral("EVENT"), QStringLiteral("Connect"), QStringLiteral("1")});
            send(socket, {QStringLiteral("EVENT"), QStringLiteral("Login"), QStringLiteral("200")});
        }
    } else if (command == QLatin1String("KICKOUT")) {
        const bool scripted = m_scripted.contains(QStringLiteral("kickout"));
        const int code = scripted ? m_scripted.take(QStringLiteral("kickout")) : ktKickOut(socket);
        send(socket, {QStringLiteral("RESULT"), QString::number(code)});
    } else if (command == QLatin1String("LOGOUT")) {
        m_connections[socket].account.clear();
        send(socket, {QStringLiteral("EVENT"), QStringLiteral("Login"), QStringLiteral("300")});
    }
}

int TelephonyStandin::ktLogin(QTcpSocket* socket, const QStringList& fields)
{
    Connection& connection = m_connections[socket];
    const QString id = fields.value(3);
    connection.lastAccount = id;
    if (fields.value(1).toInt() != kKtServerType)
        return 1001;
    if (fields.value(2) != m_accounts.ktKey)
        return 1504;
    const CidAccounts::Account* account = findAccount(m_accounts.kt, id);
    if (!account)
        return 401;
    if (account->pw != fields.value(4)) {
        const int wrong = ++m_wrongPasswords[id];
        return wrong >= kPasswordTries ? 402 : 405;
    }
    m_wrongPasswords.remove(id);
    if (connection.account == id)
        return 1000;
    for (auto it = m_connections.cbegin(); it != m_connections.cend(); ++it)
        if (it.key() != socket && it->account == id)
            return 301;
    connection.account = id;
    return 200;
}

int TelephonyStandin::ktKickOut(QTcpSocket* socket)
{
    const QString id = m_connections.value(socket).lastAccount;
    for (auto it = m_connections.begin(); it != m_connections.end(); ++it) {
        if (it.key() == socket || !it->kt || id.isEmpty() || it->account != id)
            continue;
        QTcpSocket* other = it.key();
        it->account.clear();
        send(other, {QStringLiteral("EVENT"), QStringLiteral("Login"), QStringLiteral("400")});
        other->disconnectFromHost();
        return 200;
    }
    return 0;
}

void TelephonyStandin::onLg(QTcpSocket* socket, const QStringList& fields)
{
    const QString command = fields.value(0);
    if (command == QLatin1String("LOGIN")) {
        for (int line = 0; line < m_accounts.lg.size(); ++line) {
            const CidAccounts::Account& account = m_accounts.lg[line];
            if (account.id == fields.value(1) && account.pw == fields.value(2)) {
                m_connections[socket].line = line;
                send(socket, {QStringLiteral("EVENT"), QStringLiteral("Status"),
                              "STATUS:1|CALLERID:" + account.number + "|"});
                return;
            }
        }
        send(socket, {QStringLiteral("EVENT"), QStringLiteral("ConnectResult"), QStringLiteral("Connect"),
                      QStringLiteral("Network Connect Err")});
    } else if (command == QLatin1String("LOGOUT")) {
        m_connections[socket].line = -1;
        send(socket, {QStringLiteral("EVENT"), QStringLiteral("SendNetworkError")});
        send(socket, {QStringLiteral("EVENT"), QStringLiteral("Status"), QStringLiteral("STATUS:0|")});
        socket->disconnectFromHost();
    }
}

QTcpSocket* TelephonyStandin::lgSocket(int line) const
{
    QTcpSocket* found = nullptr;
    int foundLine = INT_MAX;
    for (auto it = m_connections.cbegin(); it != m_connections.cend(); ++it) {
        const bool wanted = !it->kt && (line < 0 ? it->line >= 0 && it->line < foundLine : it->line == line);
        if (wanted) {
            found = it.key();
            foundLine = it->line;
        }
    }
    return found;
}

QList<int> TelephonyStandin::lgLinesLoggedIn() const
{
    QList<int> lines;
    for (const Connection& connection : m_connections)
        if (connection.line >= 0)
            lines.append(connection.line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

QStringList TelephonyStandin::ktAccountsLoggedIn() const
{
    QStringList accounts;
    for (const Connection& connection : m_connections)
        if (!connection.account.isEmpty())
            accounts.append(connection.account);
    return accounts;
}

// KT identifiers have 20 characters; LG U+ ones are longer than 17 and differ in their first 17.
QString TelephonyStandin::newId(const QString& carrier)
{
    const QString count = QString::number(++m_calls).rightJustified(carrier == kKt ? 4 : 6, '0');
    return carrier + count + moment();
}

std::optional<QString> TelephonyStandin::ring(const QString& carrier, const QString& number, const QString& id,
                                              int line, QString* error)
{
    const QString callId = id.isEmpty() ? newId(carrier) : id;
    if (carrier == kKt) {
        int sent = 0;
        for (auto it = m_connections.cbegin(); it != m_connections.cend(); ++it) {
            if (!it->kt || it->account.isEmpty())
                continue;
            send(it.key(), {QStringLiteral("EVENT"), QStringLiteral("CID"), number, it->account,
                            QStringLiteral("201"), callId, moment()});
            ++sent;
        }
        if (sent == 0) {
            fail(error, QStringLiteral("no KT connection is logged in"));
            return std::nullopt;
        }
    } else if (carrier == kLg) {
        QTcpSocket* socket = lgSocket(line);
        if (!socket) {
            fail(error, QStringLiteral("no LG line is logged in"));
            return std::nullopt;
        }
        m_callLines.insert(callId, m_connections.value(socket).line);
        send(socket, {QStringLiteral("EVENT"), QStringLiteral("SendRing"),
                      "CALLERID:" + number + "|UNIQUEID:" + callId + "|"});
    } else {
        fail(error, "unknown carrier " + carrier);
        return std::nullopt;
    }
    m_callNumbers.insert(callId, number);
    return callId;
}

bool TelephonyStandin::status(const QString& carrier, const QString& id, const QString& value, QString* error)
{
    if (carrier == kKt) {
        const QString number = m_callNumbers.value(id);
        return event(kKt, -1, {QStringLiteral("CID"), number, m_accounts.kt.value(0).id, value, id, moment()}, error);
    }
    if (carrier != kLg)
        return fail(error, "unknown carrier " + carrier);
    const int line = m_callLines.value(id, -1);
    if (value == QLatin1String("answered"))
        return event(kLg, line, {QStringLiteral("SendChannelList"), "UNIQUEID1:" + id + "|"}, error);
    if (value == QLatin1String("missed"))
        return event(kLg, line, {QStringLiteral("SendChannelOut"), "UNIQUEID:" + id + "|"}, error);
    return fail(error, "unknown LG result " + value);
}

QList<QTcpSocket*> TelephonyStandin::targets(const QString& carrier, int line, QString* error) const
{
    QList<QTcpSocket*> sockets;
    if (carrier == kLg) {
        if (QTcpSocket* socket = lgSocket(line))
            sockets.append(socket);
        else
            fail(error, QStringLiteral("no LG line is logged in"));
    } else if (carrier == kKt) {
        for (auto it = m_connections.cbegin(); it != m_connections.cend(); ++it)
            if (it->kt)
                sockets.append(it.key());
    } else {
        fail(error, "unknown carrier " + carrier);
    }
    return sockets;
}

bool TelephonyStandin::event(const QString& carrier, int line, const QStringList& nameAndArgs, QString* error)
{
    if (nameAndArgs.value(0).isEmpty())
        return fail(error, QStringLiteral("no event name"));
    return sendBytes(carrier, line, EncodeCidLine(QStringList{QStringLiteral("EVENT")} + nameAndArgs), error);
}

bool TelephonyStandin::sendBytes(const QString& carrier, int line, const QByteArray& bytes, QString* error)
{
    const QList<QTcpSocket*> sockets = targets(carrier, line, error);
    for (QTcpSocket* socket : sockets)
        socket->write(bytes);
    return carrier == kKt || !sockets.isEmpty();
}

bool TelephonyStandin::drop(const QString& carrier, int line, QString* error)
{
    const QList<QTcpSocket*> sockets = targets(carrier, line, error);
    for (QTcpSocket* socket : sockets) {
        m_connections.remove(socket);
        socket->disconnect();
        socket->abort();
        socket->deleteLater();
    }
    return carrier == kKt || !sockets.isEmpty();
}

namespace {

bool isScriptable(const QString& command)
{
    return command == QLatin1String("login") || command == QLatin1String("kickout");
}

} // namespace

bool TelephonyStandin::scriptKt(const QString& command, int code)
{
    if (!isScriptable(command))
        return false;
    m_scripted.insert(command, code);
    return true;
}

bool TelephonyStandin::silenceKt(const QString& command)
{
    if (!isScriptable(command))
        return false;
    m_silenced.insert(command);
    return true;
}
