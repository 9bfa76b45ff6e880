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

// The party-size block of the scheme gPersonType, with the boxes' texts as they stand ("05" stays):
// "<persontype>0</persontype><totalcount>5</totalcount>"; empty for an unknown scheme.
QString PartyBlockOf(const ReservationEntryView& window);

// The cache's party code and total of the scheme gPersonType, the counts read as numbers.
PartyCode PartyCodeOfWindow(const ReservationEntryView& window);
