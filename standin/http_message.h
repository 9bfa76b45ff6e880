#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The little of HTTP/1.1 the stand-in needs: one request per connection, a body by Content-Length.

struct HttpRequestHead {
    QString path;                  // the target without its query
    QList<QByteArray> headers;     // "Name: value", in the order they came
    QByteArray body;
};

// TooLarge: a Content-Length that is negative, unreadable or above kMaxHttpBody.
enum class HttpParse { Complete, Incomplete, Malformed, TooLarge };

// The most a request may carry: its head and its body.
constexpr qsizetype kMaxHttpHead = 65536;
constexpr qsizetype kMaxHttpBody = 64 * 1024 * 1024;

// Reads one request from the bytes received so far.
HttpParse ParseHttpRequest(const QByteArray& received, HttpRequestHead& head);

// The head of a response that announces a body of that length (none when negative) and that type,
// and closes the connection.
QByteArray HttpResponseHead(int status, qsizetype contentLength,
                            const QByteArray& contentType = "text/html; charset=utf-8");

// A complete response that closes the connection. A 204 or 304 carries no body. A PNG or JPEG
// picture is announced as one, everything else as a page.
QByteArray HttpResponse(int status, const QByteArray& body);

// The standard reason phrase of a status ("Internal Server Error").
QByteArray ReasonPhrase(int status);
