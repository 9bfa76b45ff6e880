#pragma once

#include "core/answer_grammar.h"

#include <QString>

#include <optional>

// The backend's administrative lookups, posted with the fixed administrative account in place
// of the shop's.
inline const QString kAdminID = QStringLiteral("admin");
inline const QString kAdminPassword = QStringLiteral("zotrex4");

// The administrative shop list ("/bestAdmin/memberloading.php"): shop records separated by
// "<brr>", each with its ID, num (member number) and tel. Logged under "Load_포스종류() ... ".
QString RequestAdminShopList();

// The first record of the list whose ID equals the shop ID exactly (case-sensitive).
std::optional<AnswerRecord> FindShopRecord(const QString& shopList, const QString& shopId);
