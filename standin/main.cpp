#include "admin_command.h"
#include "generated_customers.h"
#include "standin.h"
#include "telephony_admin.h"
#include "telephony_standin.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

#include <optional>

namespace {

bool toPort(const QString& text, quint16& port)
{
    bool valid = false;
    const uint value = text.toUInt(&valid);
    port = quint16(value);
    return valid && value <= 65535;
}

// The volume of a generated shop (--members N --reservations M [--seed S]), left empty when
// neither count is given; false when a value is not a count.
bool toVolume(const QCommandLineParser& parser, std::optional<CustomerVolume>& volume)
{
    if (!parser.isSet("members") && !parser.isSet("reservations"))
        return true;
    bool members = false, reservations = false, seed = false;
    volume.emplace();
    volume->members = parser.value("members").toInt(&members);
    volume->reservations = parser.value("reservations").toInt(&reservations);
    volume->seed = parser.value("seed").toUInt(&seed);
    return members && reservations && seed && volume->members >= 0 && volume->reservations >= 0;
}

} // namespace

// vmr-standin [--port N] [--kt-port N] [--lg-port N] [--data DIR]: serves the sample shop and the
// two caller-ID services on 127.0.0.1 until it is stopped; with --members N --reservations M
// [--seed S] the shop's customers are generated instead (see generated_customers.h).
// vmr-standin [--port N] <command>...: acts on a running stand-in (see admin_command.h).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("The stand-in backend with its sample shop and caller-ID services.");
    parser.addHelpOption();
    parser.addOption({"port", "Port on 127.0.0.1 (default 8780).", "N", "8780"});
    parser.addOption({"kt-port", "Port of the KT caller-ID service (default 8781).", "N", "8781"});
    parser.addOption({"lg-port", "Port of the LG U+ caller-ID service (default 8782).", "N", "8782"});
    parser.addOption({"data", "Folder of the shop's JSON files.", "DIR", DefaultShopFolder()});
    parser.addOption({"members", "Generate this many members (with --reservations).", "N"});
    parser.addOption({"reservations", "Generate this many reservations (with --members).", "M"});
    parser.addOption({"seed", "The generated shop's seed (default 1).", "S", "1"});
    parser.addOption({"id", "ring: the call's identifier.", "ID"});
    parser.addOption({"line", "ring, event, drop: the LG U+ line (0 to 3).", "N"});
    parser.addPositionalArgument("command", "ring, status, event, drop, script, log or guest-request, with its words.");
    parser.process(app);

    QTextStream err(stderr);
    quint16 port = 0;
    quint16 ktPort = 0;
    quint16 lgPort = 0;
    if (!toPort(parser.value("port"), port) || !toPort(parser.value("kt-port"), ktPort)
        || !toPort(parser.value("lg-port"), lgPort)) {
        err << "vmr-standin: a port must be a number up to 65535" << Qt::endl;
        return 1;
    }
    std::optional<CustomerVolume> volume;
    if (!toVolume(parser, volume)) {
        err << "vmr-standin: --members and --reservations take a count each, --seed a number" << Qt::endl;
        return 1;
    }
    if (!parser.positionalArguments().isEmpty())
        return RunAdminCommand(parser.positionalArguments(), parser.value("id"), parser.value("line"), port);

    ShopState shop;
    CidAccounts accounts;
    QString error;
    if (!ShopState::load(parser.value("data"), QDate::currentDate(), shop, &error)
        || !CidAccounts::load(parser.value("data"), accounts, &error)) {
        err << "vmr-standin: " << error << Qt::endl;
        return 1;
    }
    if (volume)
        GenerateCustomers(shop, *volume, QDate::currentDate());
    Standin standin(std::move(shop));
    TelephonyStandin telephony(std::move(accounts));
    if (!standin.listen(port)) {
        err << "vmr-standin: cannot listen on 127.0.0.1:" << port << Qt::endl;
        return 1;
    }
    if (!telephony.listen(ktPort, lgPort)) {
        err << "vmr-standin: cannot listen on 127.0.0.1:" << ktPort << " and " << lgPort << Qt::endl;
        return 1;
    }
    AddTelephonyAdminPaths(standin, telephony);
    QTextStream(stdout) << "vmr-standin: listening on " << standin.baseUrl() << ", caller ID on "
                        << telephony.ktHost() << " (KT) and " << telephony.lgHost() << " (LG U+)" << Qt::endl;
    return app.exec();
}
