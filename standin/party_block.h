#pragma once

#include "shop_state.h"

#include <QString>

// The party-size block of a reservation: "<persontype>" scheme "</persontype>" followed by the
// counts of that scheme ("<totalcount>"; "<sexmale>", "<sexfemale>"; "<big>", "<small>").
QString PartyBlock(const StandinRecord& reservation);

// The party's size by its scheme.
int PartyTotal(const StandinRecord& reservation);
