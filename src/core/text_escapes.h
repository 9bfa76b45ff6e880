#pragma once

#include <QByteArray>
#include <QString>

// The text escapes of the backend protocol. Request bodies travel as form text without
// percent-encoding, so free texts replace "+", "&", "%", line breaks and quotes by fixed tokens.

// Free texts sent to the backend: "+" "&" "＆" "%" CR LF and LF become tokens.
QString VmrEncodeAA(const QString& text);
// Staff names: CR LF, LF, "&", "＆", "+" and the double quote become tokens.
QString VmrEncodeBB(const QString& text);
// Every free text read back: undoes both encodings ("&" comes back as "＆", LF as CR LF).
QString VmrDecodeAA(const QString& text);

// Every UTF-8 byte of the text as "%" and two upper-case hex digits (letters too).
QString URLEncode(const QString& text);
// The text of a percent form; empty text when the input holds no "%".
QString URLDecode(const QString& text);
// The bytes decoded as UTF-8; malformed sequences become U+FFFD.
QString UTF8ToString(const QByteArray& bytes);

// A form value sent without the token escapes (names, phone numbers, search texts, IDs,
// passwords): exactly "%", "&" and "+" are percent-encoded so that a typed "&" cannot cut or
// add a field. Everything else stays as it is. Never apply it to values already escaped.
QString FormValue(const QString& value);
