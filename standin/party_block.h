#pragma once

#include "shop_state.h"

#include <QString>

// The party-size block of a reservation: "<persontype>" scheme "</persontype>" followed by the
// counts of that scheme ("<totalcount>"; "<sexmale>", "<sexfemale>"; "<big>", "<small>").
QString PartyBlock(const StandinRecord& reservation);

// The party's size by its scheme.
int PartyTotal(const StandinRecord& reservation);

// Stores a block into the reservation: persontype and the counts of that scheme, each read
// between its tags; the counts of the other schemes are emptied.
void StorePartyBlock(StandinRecord& reservation, const QString& block);
