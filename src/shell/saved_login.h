#pragma once

#include <QString>
#include <QStringList>

// The saved login in the user registry (application "VmrZLM", section "Login", key "A"): four
// fields joined by gSep — remember flag, auto-login flag ("True"/"False"), shop ID and password.

inline const QString kSavedLoginDefault = QStringLiteral("False◈False◈◈");

// The stored value split at gSep; the default's fields when it does not split into exactly four
// (a missing value included). The stored value is not changed.
QStringList ReadSavedLogin();

// The value the login stores: the two flags, then the ID and password only when remembered.
QString ComposeSavedLogin(bool remember, bool autoLogin, const QString& id, const QString& password);

void WriteSavedLogin(const QString& value);

// The exit's rewrite: keeps the two flags and stores the shop account in fields 2 and 3 when the
// remember flag is on, empty fields when it is off. A value of fewer than four fields starts from
// the default.
void RewriteSavedLoginAccount(const QString& id, const QString& password);
