#pragma once

#include <QString>

// Writes the notice chime: a two-tone "ding-dong", 16-bit mono PCM at 22,050 Hz, as a wave file.
bool WriteChime(const QString& path);
