#include "platform/caller_id_controls.h"

#include "platform/raised_error.h"

namespace {

const QString kKtSource = QStringLiteral("KTPCBizLibCtl.KTPCBizX");
constexpr qint32 kCannotCreate = 429;
constexpr qint32 kAutomationError = 440;
constexpr int kResultTimeoutMs = 5000;
constexpr int kLogoutTimeoutMs = 3000;

template <class Event, class... Args>
void fire(const Event& event, const Args&... args)
{
    if (event)
        event(args...);
}

} // namespace

KtCidControl::KtCidControl(const QString& host) : m_link(host, {QStringLiteral("CID")})
{
    m_link.onEvent = [this](const QStringList& event) { handle(event); };
    m_link.onDropped = [this] { fire(ConnectionLostEvent); };
    m_link.onLineDropped = [this] { fire(LineDroppedEvent); };
}

int KtCidControl::Login(int serverType, const QString& key, const QString& id, const QString& pw)
{
    return ask({QStringLiteral("LOGIN"), QString::number(serverType), key, id, pw});
}

int KtCidControl::KickOut()
{
    return ask({QStringLiteral("KICKOUT")});
}

void KtCidControl::Logout()
{
    command({QStringLiteral("LOGOUT")});
}

void KtCidControl::Help(int kind)
{
    command({QStringLiteral("HELP"), QString::number(kind)});
}

void KtCidControl::Config()
{
    command({QStringLiteral("CONFIG")});
}

void KtCidControl::LineJoin(const QString& key)
{
    command({QStringLiteral("LINEJOIN"), key});
}

void KtCidControl::FindPW(int kind)
{
    command({QStringLiteral("FINDPW"), QString::number(kind)});
}

void KtCidControl::connectOrRaise()
{
    if (!m_link.ensureConnected())
        throw RaisedError(kCannotCreate, kKtSource,
                          "The KT caller-ID service at " + m_link.host() + " cannot be reached");
}

void KtCidControl::command(const QStringList& fields)
{
    connectOrRaise();
    m_link.send(fields);
}

int KtCidControl::ask(const QStringList& fields)
{
    connectOrRaise();
    const std::optional<int> result = m_link.request(fields, kResultTimeoutMs);
    if (!result)
        throw RaisedError(kAutomationError, kKtSource,
                          "The KT caller-ID service at " + m_link.host() + " did not answer");
    return *result;
}

void KtCidControl::handle(const QStringList& event)
{
    const QString& name = event[0];
    const auto arg = [&event](int i) { return event.value(i); };
    if (name == QLatin1String("Connect"))
        fire(ConnectEvent, arg(1).toInt());
    else if (name == QLatin1String("Login"))
        fire(LoginEvent, arg(1).toInt());
    else if (name == QLatin1String("CID"))
        fire(CIDEvent, arg(1), arg(2), arg(3), arg(4), arg(5));
    else if (name == QLatin1String("CTC"))
        fire(CTCEvent, arg(1), arg(2), arg(3), arg(4));
}

LgCidLine::LgCidLine(const QString& host) : m_link(host, {QStringLiteral("SendRing")})
{
    m_link.onEvent = [this](const QStringList& event) { handle(event); };
    m_link.onDropped = [this] {
        fire(SendNetworkErrorEvent);
        fire(ConnectionLostEvent);
    };
    m_link.onLineDropped = [this] { fire(LineDroppedEvent); };
}

void LgCidLine::LoginServer(const QString& id, const QString& pw, const QString& ip)
{
    if (!m_link.ensureConnected()) {
        m_link.raise({QStringLiteral("ConnectResult"), QStringLiteral("Login"), QStringLiteral("OamServer Connect Err")});
        return;
    }
    m_link.send({QStringLiteral("LOGIN"), id, pw, ip});
}

void LgCidLine::DisconnectServer()
{
    if (m_link.isConnected())
        m_link.sendAndAwaitClose({QStringLiteral("LOGOUT")}, kLogoutTimeoutMs);
}

void LgCidLine::handle(const QStringList& event)
{
    const QString& name = event[0];
    const QString data = event.value(1);
    if (name == QLatin1String("Status"))
        fire(StatusEvent, data);
    else if (name == QLatin1String("SendRing"))
        fire(SendRingEvent, data);
    else if (name == QLatin1String("SendChannelList"))
        fire(SendChannelListEvent, data);
    else if (name == QLatin1String("SendChannelOut"))
        fire(SendChannelOutEvent, data);
    else if (name == QLatin1String("SendNetworkError"))
        fire(SendNetworkErrorEvent);
    else if (name == QLatin1String("ConnectResult"))
        fire(ConnectResultEvent, data, event.value(2));
    else if (name == QLatin1String("SendCommandResult"))
        fire(SendCommandResultEvent, data);
}
