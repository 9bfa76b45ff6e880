#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// A request header as it goes on the wire: name and value.
using RawHeader = std::pair<QByteArray, QByteArray>;

// One POST of ready-made bytes, for the requests that build their body and headers themselves
// (the instant message's ANSI body, the link image's multipart upload). The headers go out in
// the given order, before the client's own; the body is sent as it is, once (core/send_once.h).
// Waits in a nested event loop that holds user input back: timeoutMs of silence at most, and the
// total limit of every request (core/reply_wait.h). Returns the answer decoded from UTF-8 and cut at its first NUL,
// whatever the status; empty text when no answer came or the request ran out of time. When given,
// status receives the HTTP status (0 when no answer came). Writes no log line: the caller logs its
// request and answer.
QString PostRaw(const QString& url, const QByteArray& body, const QList<RawHeader>& headers, int timeoutMs,
                int* status = nullptr);
