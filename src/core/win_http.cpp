#include "core/win_http.h"

#include "core/date_time.h"
#include "core/error_line.h"
#include "core/log.h"
#include "core/reply_wait.h"
#include "core/send_once.h"
#include "core/text_escapes.h"
#include "platform/ini_util.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {

const QString kLog = QStringLiteral("_WinHttp");

struct Variant {
    QString name;
    int timeoutMs;
    bool logsSecondFailure;
};

// Across a wrap of the 32-bit tick too.
quint32 elapsedSince(int start)
{
    return static_cast<quint32>(GetTickCountMS()) - static_cast<quint32>(start);
}

QNetworkRequest buildRequest(const QString& url, int timeoutMs)
{
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("Content-Type", "application/x-www-form-urlencoded");
    request.setRawHeader("User-Agent", "Firefox 3.6.4");
    request.setTransferTimeout(timeoutMs);
    return request;
}

// An answer came when the server sent a status line; anything else is a transport failure.
bool hasStatus(const QNetworkReply& reply)
{
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}

void logOutcome(const Variant& variant, const QNetworkReply& reply, const QString& url,
                const QString& body, int start)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 200) {
        WriteLog(variant.name + " ... 성공: " + QString::number(elapsedSince(start)) + "ms 걸림.", kLog);
        return;
    }
    const QString statusText = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    WriteLog(variant.name + " ... <실패> (" + QString::number(status) + "): "
                 + QString::number(elapsedSince(start)) + "ms 걸림. (" + statusText + ")\r\n" + url + "?" + body,
             kLog);
}

void logFailure(const Variant& variant, const QNetworkReply& reply, int step, const QString& url,
                int start)
{
    WriteLog(ErrorLine("lib_misc", variant.name, step, int(SentOnceError(reply)), SentOnceErrorString(reply)), kLog);
    if (variant.logsSecondFailure)
        WriteLog(variant.name + " ... <실패2>: " + QString::number(elapsedSince(start)) + "ms 걸림. " + url
                     + "?<params>",
                 kLog);
}

// A time-out on silence and the total limit both abort the request.
HttpOutcome outcomeOf(const QNetworkReply& reply)
{
    const QNetworkReply::NetworkError error = SentOnceError(reply);
    switch (error) {
    case QNetworkReply::NoError:
        return HttpOutcome::Complete;
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        return HttpOutcome::TimedOut;
    default:
        return IsTransportError(error) ? HttpOutcome::Failed : HttpOutcome::Complete;
    }
}

QString post(const Variant& variant, const QString& url, const QString& body, HttpOutcome* outcome)
{
    const int start = GetTickCountMS();
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkReply* reply = SendOnce(manager, buildRequest(url, variant.timeoutMs), "POST", body.toUtf8());
    WaitForReply(*reply);

    // A request that ran out of time brings no answer, even when part of one had come.
    const HttpOutcome ended = outcomeOf(*reply);
    QString answer;
    if (!hasStatus(*reply) || ended == HttpOutcome::TimedOut) {
        logFailure(variant, *reply, 7, url, start);
    } else {
        answer = IniUtil::CutAtNull(UTF8ToString(reply->readAll()));
        if (ended == HttpOutcome::Failed)
            logFailure(variant, *reply, 8, url, start);
        else
            logOutcome(variant, *reply, url, body, start);
    }
    if (outcome)
        *outcome = ended;
    return answer;
}

} // namespace

QString GetWinHttp(const QString& url, const QString& body, bool, HttpOutcome* outcome)
{
    return post({QStringLiteral("GetWinHttp"), 10000, false}, url, body, outcome);
}

QString GetWinHttpOnce(const QString& url, const QString& body, bool, HttpOutcome* outcome)
{
    return post({QStringLiteral("GetWinHttpOnce"), 60000, true}, url, body, outcome);
}
