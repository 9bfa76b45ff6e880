#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

// Sends keystrokes to the focused widget, in the send-keys syntax the windows use: "{TAB}",
// "{ENTER}", a plain character, each optionally after "^" (Ctrl), "+" (Shift) or "%" (Alt). With
// wait false the keys are queued and take effect when pending events next run; with wait true they
// are delivered before the call returns. Keys that cannot be sent are dropped silently.
void SendKeysWS(const QString& keys, bool wait);

// The Enter convention of windows that see keys before their controls: Enter in any control of the
// window is swallowed and sent on as Tab, then pending events run, so the focus moves on. In a
// control whose name begins with one of lineBreakNames ("txt문자", "머리말") Enter is sent on as
// Ctrl+Enter instead, which breaks the line there.
void EnterMovesFocus(QWidget& window, const QStringList& lineBreakNames = {});
