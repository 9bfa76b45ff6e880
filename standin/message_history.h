#pragma once

#include "shop_state.h"

#include <QString>
#include <QStringList>

// The shop's sent messages, shared by every endpoint that sends one.

// The credit one message takes: 20 as SMS, 45 as LMS (a text of 91 or more CP949 bytes).
int MessageCost(const QString& text);

// Adds a message sent now to the end of the history: "Phone" is the number itself for one
// recipient and "a[" number "]a " for each of several; "MSG" is the plain text.
void RecordSentMessage(ShopState& shop, const QStringList& numbers, const QString& text);
