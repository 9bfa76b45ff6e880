#pragma once

#include <QString>
#include <QStringList>

// Reading the call events of the caller-ID services.

// The status word of a KT call event's result code: "수신" for "200", "통화중" for "404",
// "부재중" for "407"; empty for any other code.
QString KtStatusWord(const QString& code);

// An LG U+ ring: the items of the data ("|"-separated, keys in any letter case) are walked in
// order; a "CALLERID:" item longer than 10 characters gives the number (a later one replaces it),
// a "UNIQUEID:" item gives the identifier (its first 17 characters) and ends the walk.
struct LgRing {
    QString number;
    QString id;
};
LgRing ReadLgRing(const QString& data);

// The identifier (17 characters at most) after the key of the first item that begins with it;
// empty when no item does.
QString ReadLgIdentifier(const QString& data, const QString& key);
