#pragma once

#include <QString>

// A form value sent without the text escapes (names, phone numbers, search texts, IDs,
// passwords): "%", "&" and "+" become "%25", "%26" and "%2B", so that a typed "&" cannot cut or
// add a field. Every other character stays as it was.
QString FormValue(const QString& value);
