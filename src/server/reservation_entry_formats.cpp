#include "server/reservation_entry_formats.h"

#include "core/converters.h"
#include "server/reservation_entry_view.h"

#include <QStringList>

QString PickedMoment(const QDate& date, const QString& hour, const QString& minute)
{
    return date.toString("yyyy-MM-dd") + " " + ZeroPad(QString::number(ToLong(hour)), 2) + ":"
           + ZeroPad(QString::number(ToLong(minute)), 2) + ":00";
}

namespace {

void addTable(QStringList& parts, const QString& name, const QString& count)
{
    const QString table = Trim(name);
    if (!table.isEmpty())
        parts << table << QString::number(ToLong(count));
}

} // namespace

QString TableListOf(const ReservationEntryView& window)
{
    QStringList parts;
    for (int i = 0; i < window.cob좌석Count(); ++i)
        addTable(parts, window.cob좌석(i), window.txt인원(i));
    return parts.join(";");
}

QString NormalTableList(const QString& tables)
{
    QStringList parts;
    const QStringList items = tables.split(';');
    for (qsizetype k = 0; k < items.size(); k += 2)
        addTable(parts, items[k], items.value(k + 1));
    return parts.join(";");
}

QString PartyBlockOf(const ReservationEntryView& window)
{
    const QString scheme = window.partyScheme();
    const QString head = "<persontype>" + scheme + "</persontype>";
    if (scheme == "0")
        return head + "<totalcount>" + window.txt인원_총인원() + "</totalcount>";
    if (scheme == "1")
        return head + "<sexmale>" + window.txt인원_남성() + "</sexmale><sexfemale>" + window.txt인원_여성()
               + "</sexfemale>";
    if (scheme == "2")
        return head + "<big>" + window.txt인원_대인() + "</big><small>" + window.txt인원_소인() + "</small>";
    return QString();
}

PartyCode PartyCodeOfWindow(const ReservationEntryView& window)
{
    const QString scheme = window.partyScheme();
    if (scheme == "0")
        return PartyCodeOf(scheme, ToLong(window.txt인원_총인원()), 0);
    if (scheme == "1")
        return PartyCodeOf(scheme, ToLong(window.txt인원_남성()), ToLong(window.txt인원_여성()));
    return PartyCodeOf(scheme, ToLong(window.txt인원_대인()), ToLong(window.txt인원_소인()));
}
