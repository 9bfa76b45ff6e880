#include "core/raw_http_post.h"

#include "core/reply_wait.h"
#include "core/send_once.h"
#include "core/text_escapes.h"
#include "platform/ini_util.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

QString PostRaw(const QString& url, const QByteArray& body, const QList<RawHeader>& headers, int timeoutMs,
                int* status)
{
    QNetworkRequest request{QUrl(url)};
    for (const RawHeader& header : headers)
        request.setRawHeader(header.first, header.second);
    request.setTransferTimeout(timeoutMs);

    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkReply* reply = SendOnce(manager, request, "POST", body);
    WaitForReply(*reply);
    const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status)
        *status = code.isValid() ? code.toInt() : 0;
    // A request that ran out of time brings no answer, even when part of one had come.
    if (!code.isValid() || reply->error() == QNetworkReply::OperationCanceledError)
        return QString();
    return IniUtil::CutAtNull(UTF8ToString(reply->readAll()));
}
