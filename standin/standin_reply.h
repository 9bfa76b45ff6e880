#pragma once

#include <QByteArray>
#include <QString>

// What the stand-in sends for one request: a status and a body (any bytes, NUL included), after
// an optional delay; or nothing at all, the connection dropped.
struct StandinReply {
    int status = 200;
    QByteArray body;
    int delayMs = 0;
    bool dropped = false;

    static StandinReply text(const QString& body, int status = 200) { return {status, body.toUtf8(), 0, false}; }
    static StandinReply bytes(const QByteArray& body, int status = 200) { return {status, body, 0, false}; }
    static StandinReply drop() { return {0, {}, 0, true}; }
    StandinReply after(int ms) const
    {
        StandinReply delayed = *this;
        delayed.delayMs = ms;
        return delayed;
    }
};
