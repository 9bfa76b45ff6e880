#pragma once

#include "platform/cid_service_link.h"

#include <QString>

#include <functional>

// Stand-ins for the two carriers' caller-ID controls, each talking to its carrier's service over
// one TCP connection (see CidServiceLink). Events are handed on from the event loop, never inside
// the call that caused them. Besides the carriers' events, each tells of its connection lost
// without the program asking (ConnectionLostEvent, in its turn among the events) and of a line of
// the service longer than 64 KiB, which was dropped (LineDroppedEvent, at once). The KT call event
// and the LG U+ ring are calls, kept before the status events when too many wait (outside_events.h).

// The KT control: one account for the shop. A call whose service cannot be reached, or that does
// not answer, raises RaisedError, as a control that is not installed does.
class KtCidControl
{
public:
    explicit KtCidControl(const QString& host);

    int Login(int serverType, const QString& key, const QString& id, const QString& pw);
    int KickOut();
    void Logout();
    void Help(int kind);
    void Config();
    void LineJoin(const QString& key);
    void FindPW(int kind);

    std::function<void(int state)> ConnectEvent;
    std::function<void(int code)> LoginEvent;
    std::function<void(const QString& number, const QString& second, const QString& code,
                       const QString& id, const QString& fifth)> CIDEvent;
    std::function<void(const QString& a, const QString& b, const QString& c, const QString& d)> CTCEvent;
    std::function<void()> ConnectionLostEvent;
    std::function<void()> LineDroppedEvent;

private:
    void command(const QStringList& fields);
    int ask(const QStringList& fields);
    void connectOrRaise();
    void handle(const QStringList& event);

    CidServiceLink m_link;
};

// One LG U+ line. A login that cannot reach its service raises ConnectResultEvent("Login",
// "OamServer Connect Err"); a connection that drops without the program's logout raises
// SendNetworkErrorEvent, then ConnectionLostEvent; a logout of a line not connected does nothing.
class LgCidLine
{
public:
    explicit LgCidLine(const QString& host);

    void LoginServer(const QString& id, const QString& pw, const QString& ip);
    void DisconnectServer();

    std::function<void(const QString& data)> StatusEvent;
    std::function<void(const QString& data)> SendRingEvent;
    std::function<void(const QString& data)> SendChannelListEvent;
    std::function<void(const QString& data)> SendChannelOutEvent;
    std::function<void()> SendNetworkErrorEvent;
    std::function<void(const QString& first, const QString& second)> ConnectResultEvent;
    std::function<void(const QString& data)> SendCommandResultEvent;
    std::function<void()> ConnectionLostEvent;
    std::function<void()> LineDroppedEvent;

private:
    void handle(const QStringList& event);

    CidServiceLink m_link;
};
