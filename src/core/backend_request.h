#pragma once

#include "core/win_http.h"

#include <QString>

// The one way the program asks the backend: a form body that begins with the account
// ("ID=" + gShopID + "&PassWord=" + gShopPW, or the administrative account), followed by the
// caller's pairs. send() writes the caller's request line (label + url + "?" + body) and answer
// line (label + "ResponseStr:" CR LF + answer) to the log family, "_WinHttp" by default.
//
//   const QString answer = BackendRequest("Read_직원() ... ", "/program/shopmanagerloading.php").send();
class BackendRequest
{
public:
    // The label is the full text that begins the log lines, e.g. "Read_직원() ... ".
    BackendRequest(const QString& label, const QString& path);

    // A value sent raw: "%", "&" and "+" are percent-encoded.
    BackendRequest& add(const QString& name, const QString& value);
    // A value already escaped or percent-encoded: sent as it is.
    BackendRequest& addEscaped(const QString& name, const QString& value);
    // The administrative lookups send their own account in place of the shop's.
    BackendRequest& withAccount(const QString& id, const QString& password);
    // The log family of the two lines.
    BackendRequest& withSuffix(const QString& suffix);

    QString url() const;
    QString body() const;

    // Through GetWinHttp (10 seconds) or GetWinHttpOnce (60 seconds); the outcome says whether
    // the whole answer came. An answer above 256 KiB is cut in the log line only.
    QString send(HttpOutcome* outcome = nullptr);
    QString sendOnce(HttpOutcome* outcome = nullptr);
    // The instant message's own request (PostRaw): the body as bytes of the Korean ANSI code page,
    // the headers "Content-Type", "User-Agent" and "Content-Length" in that order, one attempt of at
    // most 30 seconds, no outcome line.
    QString sendAnsi();

private:
    using Transport = QString (*)(const QString&, const QString&, bool, HttpOutcome*);
    QString sendWith(Transport transport, HttpOutcome* outcome);

    QString m_label;
    QString m_path;
    QString m_id;
    QString m_password;
    QString m_pairs;
    QString m_suffix;
};
