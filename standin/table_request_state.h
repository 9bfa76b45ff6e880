#pragma once

#include "shop_state.h"

#include <QString>

class Standin;

// A guest's request arriving from a table, as the table's QR page sends it: added as the newest
// pending request with the next number and the time of now. The table is named by its name
// ("tablenum"); an empty result when no table has that name, else the new request's number.
QString AddGuestRequest(ShopState& shop, const QString& tableName, const QString& text, int count,
                        const QString& phone = QString());

// POST /standin/guest-request  table=<name>&text=...[&count=N][&phone=...]: the guest's request
// arrives; answers "성공 " and its number, or 409 with the reason for an unknown table.
void AddGuestRequestPath(Standin& standin);
