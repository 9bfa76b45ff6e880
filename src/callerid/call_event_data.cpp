#include "callerid/call_event_data.h"

namespace {

constexpr int kIdentifierLength = 17;
const QString kCallerId = QStringLiteral("CALLERID:");
const QString kUniqueId = QStringLiteral("UNIQUEID:");

bool hasKey(const QString& item, const QString& key)
{
    return item.startsWith(key, Qt::CaseInsensitive);
}

} // namespace

QString KtStatusWord(const QString& code)
{
    if (code == QLatin1String("200"))
        return QStringLiteral("수신");
    if (code == QLatin1String("404"))
        return QStringLiteral("통화중");
    if (code == QLatin1String("407"))
        return QStringLiteral("부재중");
    return QString();
}

LgRing ReadLgRing(const QString& data)
{
    LgRing ring;
    for (const QString& item : data.split('|')) {
        if (hasKey(item, kCallerId) && item.size() > 10)
            ring.number = item.mid(kCallerId.size());
        if (hasKey(item, kUniqueId)) {
            ring.id = item.mid(kUniqueId.size(), kIdentifierLength);
            break;
        }
    }
    return ring;
}

QString ReadLgIdentifier(const QString& data, const QString& key)
{
    for (const QString& item : data.split('|'))
        if (hasKey(item, key))
            return item.mid(key.size(), kIdentifierLength);
    return QString();
}
