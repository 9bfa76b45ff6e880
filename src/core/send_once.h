#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QString>

class QNetworkAccessManager;
class QNetworkRequest;

// Every request of the program goes out at most once. Qt's HTTP layer sends a request again, on a
// new connection, when the server closes the connection before an answer came, and it rewinds the
// request's body for that. Requests sent here carry their body (empty for a GET, which then goes
// out with "Content-Length: 0") in a device that refuses to be rewound, so that the layer ends the
// request with an error instead of sending it a second time.
QNetworkReply* SendOnce(QNetworkAccessManager& manager, const QNetworkRequest& request, const QByteArray& verb,
                        const QByteArray& body = QByteArray());

// Whether the error is the transport's (no connection, no answer, an answer cut short), as opposed
// to an HTTP status other than 2xx, which comes with a whole answer.
bool IsTransportError(QNetworkReply::NetworkError error);

// The reply's error and its description. A second sending that was refused is reported as what
// caused it: the connection closed without an answer.
QNetworkReply::NetworkError SentOnceError(const QNetworkReply& reply);
QString SentOnceErrorString(const QNetworkReply& reply);
