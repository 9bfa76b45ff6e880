#pragma once

#include <QByteArray>
#include <QString>

// What the stand-in sends for one request, after an optional delay: a status and a body (any
// bytes, NUL included); nothing at all, the connection dropped; or a body cut off, the connection
// dropped after part of it; or a trickle, the head at once and then the body one byte at a time.
struct StandinReply {
    enum class Ending { Complete, Dropped, CutOff, Drip };

    int status = 200;
    QByteArray body;
    int delayMs = 0;
    Ending ending = Ending::Complete;
    int dripMs = 0;

    static StandinReply text(const QString& body, int status = 200) { return {status, body.toUtf8(), 0, Ending::Complete}; }
    static StandinReply bytes(const QByteArray& body, int status = 200) { return {status, body, 0, Ending::Complete}; }
    // The whole request is read, then the connection is closed without an answer.
    static StandinReply drop() { return {0, {}, 0, Ending::Dropped}; }
    // The head announces one byte more than the body; the connection closes after the body.
    static StandinReply cutOff(const QString& body) { return {200, body.toUtf8(), 0, Ending::CutOff}; }
    // The head at once, then the body one byte every so many milliseconds.
    static StandinReply drip(const QString& body, int everyMs) { return {200, body.toUtf8(), 0, Ending::Drip, everyMs}; }
    StandinReply after(int ms) const
    {
        StandinReply delayed = *this;
        delayed.delayMs = ms;
        return delayed;
    }
};
