#pragma once

#include "core/time_label.h"
#include "server/party_code.h"

#include <QDate>
#include <QString>

class ReservationEntryView;

// The forms in which the entry window's inputs travel to the backend and into the cache.

// "yyyy-MM-dd HH:mm:00" from a date picker and the texts of the hour and minute boxes, whose
// leading numbers count ("09시", "30분").
QString PickedMoment(const QDate& date, const QString& hour, const QString& minute);

// "A1;2;B3;0": each row whose table is not blank, trimmed, with its count read as a number.
QString TableListOf(const ReservationEntryView& window);

// A stored table list in the same form: blank names dropped, counts read as numbers ("A1;02" is
// "A1;2").
QString NormalTableList(const QString& tables);

// The party-size block of the window's scheme, with the boxes' texts as they stand ("05" stays):
// "<persontype>0</persontype><totalcount>5</totalcount>"; empty for an unknown scheme.
QString PartyBlockOf(const ReservationEntryView& window);

// The cache's party code and total of the window's scheme, the counts read as numbers.
PartyCode PartyCodeOfWindow(const ReservationEntryView& window);
