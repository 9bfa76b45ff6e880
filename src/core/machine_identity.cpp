#include "core/machine_identity.h"

#include "platform/user_registry.h"

#include <QNetworkInterface>
#include <QStringList>

namespace {

std::function<QList<NetworkAdapter>()> g_source;

QList<NetworkAdapter> adapters()
{
    return g_source ? g_source() : SystemNetworkAdapters();
}

QString bare(QString address)
{
    return address.remove(':');
}

// The addresses (colon form) of the adapters that have an IP address, in the system's order.
QStringList addressedMacs()
{
    QStringList macs;
    for (const NetworkAdapter& adapter : adapters()) {
        const QString mac = adapter.macAddress.trimmed();
        if (adapter.hasIpAddress && !mac.isEmpty())
            macs.append(adapter.macAddress);
    }
    return macs;
}

QStringList candidates()
{
    QStringList found;
    for (const QString& mac : addressedMacs())
        found.append(bare(mac));
    if (!found.isEmpty())
        return found;
    const QString all = bare(GetAdapterMACs());
    if (all.size() >= 10)
        found = all.split(';');
    return found;
}

} // namespace

QList<NetworkAdapter> SystemNetworkAdapters()
{
    QList<NetworkAdapter> result;
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        const QString mac = nic.hardwareAddress();
        if (nic.flags().testFlag(QNetworkInterface::IsLoopBack) || mac.isEmpty()
            || bare(mac).count('0') == bare(mac).size())
            continue;
        result.append({mac, !nic.addressEntries().isEmpty()});
    }
    return result;
}

void SetNetworkAdapterSource(std::function<QList<NetworkAdapter>()> source)
{
    g_source = std::move(source);
}

QString MacBytesToString(const QByteArray& bytes)
{
    QStringList pairs;
    for (int i = 0; i < 6; ++i) {
        const quint8 byte = i < bytes.size() ? static_cast<quint8>(bytes.at(i)) : 0;
        pairs.append(QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper());
    }
    return pairs.join('-');
}

QString GetAdapterMACs()
{
    QStringList macs;
    for (const NetworkAdapter& adapter : adapters()) {
        const QByteArray bytes = QByteArray::fromHex(bare(adapter.macAddress).toLatin1());
        if (bytes.size() == 6)
            macs.append(MacBytesToString(bytes));
    }
    return macs.join(';').replace('-', ':');
}

QString GetNICInfo()
{
    QStringList macs;
    for (const QString& mac : addressedMacs()) {
        if (!macs.contains(mac))
            macs.append(mac);
    }
    return macs.join(';');
}

QString GetMACAddress()
{
    const QString remembered = bare(UserRegistry::GetSetting("QTRWZ", "Vexil", "MAC"));
    const QStringList found = candidates();
    if (found.isEmpty())
        return QString();
    if (!remembered.isEmpty() && found.contains(remembered))
        return remembered;
    QString choice = found.first();
    for (const QString& candidate : found) {
        if (QString::compare(candidate, choice, Qt::CaseSensitive) > 0)
            choice = candidate;
    }
    return choice;
}
