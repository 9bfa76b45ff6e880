#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The line protocol between the caller-ID controls and the carriers' services: UTF-8 lines ending
// in LF, fields separated by TAB; inside a field "%", TAB, CR and LF are written "%25", "%09",
// "%0D" and "%0A".

// The fields as one line, LF included.
QByteArray EncodeCidLine(const QStringList& fields);

// The fields of one line (without its LF; a CR before it is dropped).
QStringList DecodeCidLine(const QByteArray& line);

// Takes every complete line from the front of the buffer and returns their fields; an incomplete
// last line stays in the buffer.
QList<QStringList> TakeCidLines(QByteArray& buffer);
