#pragma once

#include <QString>

// The shop login request ("/program/logins.php"): posted over HTTPS to the backend host, and once
// more over HTTP when the HTTPS answer is blank. gServerURL keeps the scheme of the last request.
// The ID and password are sent as typed, with "%", "&" and "+" percent-encoded. Both request and
// cleaned answer lines go to the "_WinHttp" log under "logins() ... ". Returns the cleaned answer.
QString PostShopLogin(const QString& id, const QString& password);

// Eleven passes, each replacing every two carriage returns by one and then every two line feeds
// by one: runs of up to 2,048 equal breaks become one; CR LF pairs stay.
QString CleanLoginAnswer(QString answer);

// Whether a cleaned login answer lets the shop in: it says "성공" and carries the shop's number
// whole, a value that is not empty between "번호[" and its closing "]번호", with no byte of it
// broken (no replacement character). An answer cut short (by the transport or at a NUL) and one
// whose markers are not closed are failed logins. Odd bytes elsewhere, in the shop's name for
// one, do not matter.
bool IsShopLoginSuccess(const QString& answer);
