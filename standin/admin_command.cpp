#include "admin_command.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTextStream>
#include <QUrlQuery>

namespace {

struct AdminRequest {
    QString path;
    QUrlQuery form;
    bool get = false;
};

bool toRequest(const QStringList& words, const QString& id, const QString& line, AdminRequest& request)
{
    const QString command = words.value(0);
    if (command == QLatin1String("guest-request") && (words.size() == 3 || words.size() == 4)) {
        request.path = "/standin/guest-request";
        request.form.addQueryItem("table", words[1]);
        request.form.addQueryItem("text", words[2]);
        request.form.addQueryItem("count", words.value(3, QStringLiteral("1")));
        return true;
    }
    const QString carrier = words.value(1).toUpper();
    request.form.addQueryItem("carrier", carrier);
    if (!line.isEmpty())
        request.form.addQueryItem("line", line);
    if (command == QLatin1String("ring") && words.size() == 3) {
        request.path = "/standin/cid/ring";
        request.form.addQueryItem("number", words[2]);
        if (!id.isEmpty())
            request.form.addQueryItem("id", id);
        return true;
    }
    if (command == QLatin1String("status") && words.size() == 4) {
        request.path = "/standin/cid/status";
        request.form.addQueryItem("id", words[2]);
        request.form.addQueryItem(carrier == QLatin1String("KT") ? "code" : "result", words[3]);
        return true;
    }
    if (command == QLatin1String("event") && words.size() >= 3 && words.size() <= 8) {
        request.path = "/standin/cid/event";
        request.form.addQueryItem("name", words[2]);
        for (int i = 3; i < words.size(); ++i)
            request.form.addQueryItem("arg" + QString::number(i - 2), words[i]);
        return true;
    }
    if (command == QLatin1String("drop") && words.size() == 2) {
        request.path = "/standin/cid/drop";
        return true;
    }
    if (command == QLatin1String("script") && words.size() == 4) {
        request.path = "/standin/cid/script";
        request.form.addQueryItem("command", words[2]);
        request.form.addQueryItem("code", words[3]);
        return true;
    }
    if (command == QLatin1String("log") && words.size() == 1) {
        request.path = "/standin/cid/log";
        request.get = true;
        return true;
    }
    return false;
}

} // namespace

int RunAdminCommand(const QStringList& words, const QString& id, const QString& line, quint16 port)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    AdminRequest request;
    if (!toRequest(words, id, line, request)) {
        err << "vmr-standin: unknown command: " << words.join(' ') << Qt::endl;
        return 1;
    }
    QNetworkAccessManager network;
    QNetworkRequest http(QUrl("http://127.0.0.1:" + QString::number(port) + request.path));
    http.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    const QByteArray body = request.form.query(QUrl::FullyEncoded).replace("+", "%2B").toUtf8();
    QNetworkReply* reply = request.get ? network.get(http) : network.post(http, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QString answer = QString::fromUtf8(reply->readAll());
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    reply->deleteLater();
    if (status != 200) {
        err << "vmr-standin: " << (status == 0 ? reply->errorString() : answer) << Qt::endl;
        return 1;
    }
    out << answer;
    if (!answer.endsWith('\n'))
        out << Qt::endl;
    return 0;
}
