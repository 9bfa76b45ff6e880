#include "core/backend_request.h"

#include "core/text_escapes.h"
#include "core/log.h"
#include "core/login_values.h"
#include "core/raw_http_post.h"
#include "core/win_http.h"

#include <QStringEncoder>

namespace {

constexpr int kAnsiTimeoutMs = 30000;

QByteArray ansiBytes(const QString& text)
{
    QStringEncoder encoder("windows-949");
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toUtf8();
}

QString postAnsi(const QString& url, const QString& body, bool, HttpOutcome*)
{
    const QByteArray bytes = ansiBytes(body);
    return PostRaw(url, bytes,
                   {{"Content-Type", "application/x-www-form-urlencoded"},
                    {"User-Agent", "Firefox 3.6.4"},
                    {"Content-Length", QByteArray::number(bytes.size())}},
                   kAnsiTimeoutMs);
}

} // namespace

BackendRequest::BackendRequest(const QString& label, const QString& path)
    : m_label(label), m_path(path), m_id(gShopID), m_password(gShopPW), m_suffix(QStringLiteral("_WinHttp"))
{
}

BackendRequest& BackendRequest::add(const QString& name, const QString& value)
{
    return addEscaped(name, FormValue(value));
}

BackendRequest& BackendRequest::addEscaped(const QString& name, const QString& value)
{
    m_pairs += "&" + name + "=" + value;
    return *this;
}

BackendRequest& BackendRequest::withAccount(const QString& id, const QString& password)
{
    m_id = id;
    m_password = password;
    return *this;
}

BackendRequest& BackendRequest::withSuffix(const QString& suffix)
{
    m_suffix = suffix;
    return *this;
}

QString BackendRequest::url() const
{
    return gServerURL + m_path;
}

QString BackendRequest::body() const
{
    return "ID=" + FormValue(m_id) + "&PassWord=" + FormValue(m_password) + m_pairs;
}

QString BackendRequest::send(HttpOutcome* outcome)
{
    return sendWith(&GetWinHttp, outcome);
}

QString BackendRequest::sendOnce(HttpOutcome* outcome)
{
    return sendWith(&GetWinHttpOnce, outcome);
}

QString BackendRequest::sendAnsi()
{
    return sendWith(&postAnsi, nullptr);
}

QString BackendRequest::sendWith(Transport transport, HttpOutcome* outcome)
{
    const QString address = url();
    const QString form = body();
    WriteLog(m_label + address + "?" + form, m_suffix);
    const QString answer = transport(address, form, true, outcome);
    WriteLog(m_label + "ResponseStr:\r\n" + LoggedAnswer(answer), m_suffix);
    return answer;
}
