#include "core/raw_http_post.h"

#include "core/text_escapes.h"
#include "platform/ini_util.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

QString PostRaw(const QString& url, const QByteArray& body, const QList<RawHeader>& headers, int timeoutMs)
{
    QNetworkRequest request{QUrl(url)};
    for (const RawHeader& header : headers)
        request.setRawHeader(header.first, header.second);
    request.setTransferTimeout(timeoutMs);

    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkReply* reply = manager.post(request, body);
    QEventLoop wait;
    QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    if (!reply->isFinished())
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return QString();
    return IniUtil::CutAtNull(UTF8ToString(reply->readAll()));
}
