#pragma once

#include <QString>

// Lengths in bytes of the Korean ANSI code page (CP949: a Hangul syllable counts 2), as the
// message limits and fixed-width fields count them.
int ByteLen(const QString& text);
// The longest start of the text that fits in that many bytes.
QString ByteLeft(const QString& text, int bytes);
