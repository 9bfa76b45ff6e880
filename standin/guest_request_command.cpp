#include "guest_request_command.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTextStream>
#include <QTimer>
#include <QUrlQuery>

int GuestRequestCommand(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Makes a guest's table request arrive at a running stand-in.");
    parser.addHelpOption();
    parser.addOption({"port", "The stand-in's port on 127.0.0.1 (default 8780).", "N", "8780"});
    parser.addPositionalArgument("guest-request", "The command.");
    parser.addPositionalArgument("TABLE", "The table's name, e.g. A3.");
    parser.addPositionalArgument("TEXT", "The guest's request.");
    parser.addPositionalArgument("COUNT", "How many (default 1).", "[COUNT]");
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    if (args.size() < 3 || args.size() > 4) {
        err << "usage: vmr-standin guest-request [--port N] TABLE TEXT [COUNT]" << Qt::endl;
        return 2;
    }
    QUrlQuery form;
    form.addQueryItem("table", args[1]);
    form.addQueryItem("text", args[2]);
    form.addQueryItem("count", args.size() == 4 ? args[3] : QStringLiteral("1"));
    QByteArray body = form.query(QUrl::FullyEncoded).toUtf8();
    body.replace("+", "%2B");

    QNetworkAccessManager network;
    QNetworkRequest request(QUrl("http://127.0.0.1:" + parser.value("port") + "/standin/guest-request"));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    request.setTransferTimeout(10000);
    QNetworkReply* reply = network.post(request, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    if (reply->error() != QNetworkReply::NoError) {
        err << "vmr-standin: " << reply->errorString() << Qt::endl;
        return 1;
    }
    const QString answer = QString::fromUtf8(reply->readAll());
    out << answer << Qt::endl;
    return answer.contains(QStringLiteral("성공")) ? 0 : 1;
}
