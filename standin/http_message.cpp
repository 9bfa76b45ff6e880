#include "http_message.h"

namespace {

// The announced body length: 0 without the header, -1 when it cannot be accepted.
qsizetype contentLength(const QList<QByteArray>& headerLines)
{
    for (const QByteArray& line : headerLines) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || line.left(colon).trimmed().toLower() != "content-length")
            continue;
        bool valid = false;
        const qlonglong length = line.mid(colon + 1).trimmed().toLongLong(&valid);
        return valid && length >= 0 && length <= kMaxHttpBody ? qsizetype(length) : -1;
    }
    return 0;
}

} // namespace

HttpParse ParseHttpRequest(const QByteArray& received, HttpRequestHead& head)
{
    const qsizetype end = received.indexOf("\r\n\r\n");
    if (end < 0)
        return received.size() > kMaxHttpHead ? HttpParse::Malformed : HttpParse::Incomplete;
    const QList<QByteArray> lines = received.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    if (requestLine.size() != 3 || !requestLine[2].startsWith("HTTP/1."))
        return HttpParse::Malformed;
    const qsizetype length = contentLength(lines.mid(1));
    if (length < 0)
        return HttpParse::TooLarge;
    if (received.size() - (end + 4) < length)
        return HttpParse::Incomplete;
    const QByteArray target = requestLine[1];
    const qsizetype query = target.indexOf('?');
    head.path = QString::fromUtf8(query < 0 ? target : target.left(query));
    head.headers.clear();
    for (const QByteArray& line : lines.mid(1))
        head.headers.append(line.trimmed());
    head.body = received.mid(end + 4, length);
    return HttpParse::Complete;
}

QByteArray ReasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 413: return "Payload Too Large";
    case 500: return "Internal Server Error";
    case 502: return "Bad Gateway";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

QByteArray HttpResponseHead(int status, qsizetype contentLength, const QByteArray& contentType)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " " + ReasonPhrase(status) + "\r\n";
    head += "Content-Type: " + contentType + "\r\n";
    if (contentLength >= 0)
        head += "Content-Length: " + QByteArray::number(contentLength) + "\r\n";
    return head + "Connection: close\r\n\r\n";
}

QByteArray HttpResponse(int status, const QByteArray& body)
{
    if (status == 204 || status == 304)
        return HttpResponseHead(status, -1);
    if (body.startsWith("\x89PNG\r\n"))
        return HttpResponseHead(status, body.size(), "image/png") + body;
    if (body.startsWith("\xFF\xD8\xFF"))
        return HttpResponseHead(status, body.size(), "image/jpeg") + body;
    return HttpResponseHead(status, body.size()) + body;
}
