#pragma once

#include <QString>

#include <array>

// The four saved message texts that the instant message, statistics and call history windows
// share: section "즉시문자" of "Frshop.cfg", keys "문자1" to "문자4", each stored through
// VmrEncodeAA (so it stays on one line) and read back through VmrDecodeAA ("&" comes back as
// "＆", a lone LF as CR LF). Numbers run from 1 to 4; another number reads empty and writes nothing.
using SavedMessages = std::array<QString, 4>;

QString ReadSavedMessage(int number);
SavedMessages ReadSavedMessages();
// False when the settings file could not be written.
bool WriteSavedMessage(int number, const QString& text);
void WriteSavedMessages(const SavedMessages& texts);
