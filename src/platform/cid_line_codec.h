#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

// The line protocol between the caller-ID controls and the carriers' services: UTF-8 lines ending
// in LF, fields separated by TAB; inside a field "%", TAB, CR and LF are written "%25", "%09",
// "%0D" and "%0A".

// The fields as one line, LF included.
QByteArray EncodeCidLine(const QStringList& fields);

// The fields of one line (without its LF; a CR before it is dropped).
QStringList DecodeCidLine(const QByteArray& line);

// The lines of a stream read as its pieces arrive. A line longer than 64 KiB (its LF not
// counted) is dropped: its bytes are not kept while it lasts, and the rest of it up to its LF is
// skipped, so that a peer that never ends its line cannot fill the memory.
class CidLineReader
{
public:
    static constexpr qsizetype kLineLimit = 64 * 1024;

    struct Taken {
        QList<QStringList> lines;   // the fields of each complete line, in order
        int dropped = 0;            // lines found too long in this piece
    };
    // Reads one piece; an incomplete last line waits for the next.
    Taken take(QByteArrayView piece);
    // The bytes of the incomplete last line kept so far.
    qsizetype pending() const { return m_partial.size(); }

private:
    QByteArray m_partial;
    bool m_skipping = false;
};
