#include "server/reservation_entry_formats.h"

#include "core/converters.h"
#include "server/reservation_entry_view.h"
#include "server/server_globals.h"

#include <QStringList>

QString PickedMoment(const QDate& date, const QString& hour, const QString& minute)
{
    return date.toString("yyyy-MM-dd") + " " + ZeroPad(QString::number(ToLong(hour)), 2) + ":"
           + ZeroPad(QString::number(ToLong(minute)), 2) + ":00";
}

QString TableListOf(const ReservationEntryView& window)
{
    QStringList parts;
    for (int i = 0; i < window.cob좌석Count(); ++i) {
        const QString table = Trim(window.cob좌석(i));
        if (!table.isEmpty())
            parts << table << QString::number(ToLong(window.txt인원(i)));
    }
    return parts.join(";");
}

QString PartyBlockOf(const ReservationEntryView& window)
{
    const QString head = "<persontype>" + gPersonType + "</persontype>";
    if (gPersonType == "0")
        return head + "<totalcount>" + window.txt인원_총인원() + "</totalcount>";
    if (gPersonType == "1")
        return head + "<sexmale>" + window.txt인원_남성() + "</sexmale><sexfemale>" + window.txt인원_여성()
               + "</sexfemale>";
    if (gPersonType == "2")
        return head + "<big>" + window.txt인원_대인() + "</big><small>" + window.txt인원_소인() + "</small>";
    return QString();
}

PartyCode PartyCodeOfWindow(const ReservationEntryView& window)
{
    if (gPersonType == "0")
        return PartyCodeOf(gPersonType, ToLong(window.txt인원_총인원()), 0);
    if (gPersonType == "1")
        return PartyCodeOf(gPersonType, ToLong(window.txt인원_남성()), ToLong(window.txt인원_여성()));
    return PartyCodeOf(gPersonType, ToLong(window.txt인원_대인()), ToLong(window.txt인원_소인()));
}
