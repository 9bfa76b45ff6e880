#pragma once

#include "shop_state.h"

#include <QDate>

// A shop of any size for trying the program with many customers: the members and reservations of
// the shop are replaced by generated ones; tables, staff and the rest stay as they are.
// Reservations fall from two years before today to a month after it, about 70 % of them
// confirmed or finished; most members have reservations and some come back often; a few
// reservations are from guests who are not members. The same seed on the same day gives the same
// shop.
struct CustomerVolume {
    int members = 0;
    int reservations = 0;
    quint32 seed = 1;
};

void GenerateCustomers(ShopState& shop, const CustomerVolume& volume, const QDate& today);
