#include "core/url_picture.h"

#include "core/error_line.h"
#include "core/send_once.h"
#include "platform/pictures.h"
#include "platform/raised_error.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

namespace {

const int kFileAccessError = 75;

void LogFailure(int step, int number, const QString& description)
{
    LogError("lib_misc", "LoadURLPicture2", step, number, description);
}

} // namespace

bool LoadURLPicture2(const QString& url, const QString& file, QLabel& image, int timeoutMs)
{
    QPointer<QLabel> guard(&image);
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = SendOnce(manager, request, "GET");
    QEventLoop wait;
    QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    if (!reply->isFinished())
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
        LogFailure(1, int(SentOnceError(*reply)), SentOnceErrorString(*reply));
        return false;
    }
    const QByteArray bytes = reply->readAll();
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        LogFailure(3, kFileAccessError, "Path/File access error");
        return false;
    }
    out.close();
    if (!guard)
        return false;
    try {
        LoadPngImageStretch(file, *guard);
    } catch (const RaisedError& e) {
        LogFailure(4, e.number, e.description);
        return false;
    }
    return true;
}
