#pragma once

#include "platform/cid_line_codec.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QTcpServer;
class QTcpSocket;

// The accounts of the two carriers' caller-ID services ("callerid.json" of the shop folder).
struct CidAccounts {
    struct Account {
        QString id;
        QString pw;
        QString number;   // an LG U+ line's own telephone number
    };
    QString ktKey;
    QList<Account> kt;
    QList<Account> lg;   // the lines, in order: line 0 is the first

    static bool load(const QString& folder, CidAccounts& accounts, QString* error = nullptr);
};

// The KT and LG U+ caller-ID services on loopback, speaking the controls' line protocol. A test
// or a person rings calls and sends statuses and raw events through the methods below (or the
// "/standin/cid/" paths of the HTTP stand-in).
class TelephonyStandin
{
public:
    explicit TelephonyStandin(CidAccounts accounts);
    ~TelephonyStandin();

    // Listens on the loopback address; port 0 takes a free port.
    bool listen(quint16 ktPort = 0, quint16 lgPort = 0);
    QString ktHost() const;
    QString lgHost() const;

    // A new call: KT sends "CID" (number, account, "201", id, moment) to every logged-in KT
    // connection; LG U+ sends "SendRing" to the line (the first logged-in one when line is -1).
    // The call's identifier (made up when id is empty), or nothing with the reason.
    std::optional<QString> ring(const QString& carrier, const QString& number, const QString& id, int line,
                                QString* error = nullptr);
    // A call's status: KT the code ("200", "404", "407"); LG U+ "answered" or "missed".
    bool status(const QString& carrier, const QString& id, const QString& value, QString* error = nullptr);
    // Any event as it stands, name and arguments; KT to every connection, LG U+ to the line.
    bool event(const QString& carrier, int line, const QStringList& nameAndArgs, QString* error = nullptr);
    // Closes the service's connections as a broken line would: KT every connection, LG U+ the
    // line's (the first logged-in one when line is -1).
    bool drop(const QString& carrier, int line, QString* error = nullptr);
    // Sends bytes as they stand (no line end added), KT to every connection, LG U+ to the line.
    bool sendBytes(const QString& carrier, int line, const QByteArray& bytes, QString* error = nullptr);
    // The next answer of the KT service to "login" or "kickout" is this code, whatever was asked.
    bool scriptKt(const QString& command, int code);
    // The next "login" or "kickout" of the KT service gets no answer at all.
    bool silenceKt(const QString& command);

    // Every line the services received: carrier ("KT", "LG") and fields.
    struct Received {
        QString carrier;
        QStringList fields;
    };
    const QList<Received>& received() const { return m_received; }
    void clearReceived() { m_received.clear(); }
    // The logged-in LG U+ lines, by index.
    QList<int> lgLinesLoggedIn() const;
    // The KT accounts logged in, one per connection.
    QStringList ktAccountsLoggedIn() const;

private:
    struct Connection {
        bool kt = false;
        CidLineReader reader;
        QString account;       // KT: logged-in account; LG U+: unused
        QString lastAccount;   // KT: the account of the last login asked on this connection
        int line = -1;         // LG U+: the logged-in line
    };

    void accept(QTcpServer* server, bool kt);
    void read(QTcpSocket* socket, bool kt);
    void onKt(QTcpSocket* socket, const QStringList& fields);
    void onLg(QTcpSocket* socket, const QStringList& fields);
    // The answers of the service when nothing is scripted.
    int ktLogin(QTcpSocket* socket, const QStringList& fields);
    int ktKickOut(QTcpSocket* socket);
    QTcpSocket* lgSocket(int line) const;
    // The connections a command for the carrier (and LG U+ line) goes to; empty with the reason.
    QList<QTcpSocket*> targets(const QString& carrier, int line, QString* error) const;
    QString newId(const QString& carrier);
    static void send(QTcpSocket* socket, const QStringList& fields);

    CidAccounts m_accounts;
    std::unique_ptr<QTcpServer> m_kt;
    std::unique_ptr<QTcpServer> m_lg;
    QHash<QTcpSocket*, Connection> m_connections;
    QHash<QString, int> m_wrongPasswords;   // KT account → failed logins in a row
    QHash<QString, int> m_scripted;         // "login" / "kickout" → next code
    QSet<QString> m_silenced;               // "login" / "kickout" left without an answer once
    QHash<QString, QString> m_callNumbers;  // call id → number
    QHash<QString, int> m_callLines;        // LG U+ call id → line
    QList<Received> m_received;
    int m_calls = 0;
};
