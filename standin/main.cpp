#include "guest_request_command.h"
#include "standin.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

// vmr-standin [--port N] [--data DIR]: serves the sample shop on 127.0.0.1 until it is stopped.
// vmr-standin guest-request [--port N] TABLE TEXT [COUNT]: a guest's table request arrives.
int main(int argc, char** argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "guest-request")
        return GuestRequestCommand(argc, argv);
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("The stand-in backend with its sample shop.");
    parser.addHelpOption();
    parser.addOption({"port", "Port on 127.0.0.1 (default 8780).", "N", "8780"});
    parser.addOption({"data", "Folder of the shop's JSON files.", "DIR", DefaultShopFolder()});
    parser.process(app);

    QTextStream err(stderr);
    ShopState shop;
    QString error;
    if (!ShopState::load(parser.value("data"), QDate::currentDate(), shop, &error)) {
        err << "vmr-standin: " << error << Qt::endl;
        return 1;
    }
    bool portValid = false;
    const uint port = parser.value("port").toUInt(&portValid);
    Standin standin(std::move(shop));
    if (!portValid || port > 65535 || !standin.listen(quint16(port))) {
        err << "vmr-standin: cannot listen on 127.0.0.1:" << parser.value("port") << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << "vmr-standin: listening on " << standin.baseUrl() << Qt::endl;
    return app.exec();
}
