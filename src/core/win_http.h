#pragma once

#include <QString>

// One POST of a form body to the backend, waited for in a nested event loop (timers, sockets and
// further requests run meanwhile; user input waits for the answer) at most the total limit of
// every request (core/reply_wait.h). Each call has its own network manager: no connection or
// cookie survives it. Returns the answer decoded from UTF-8 and cut at its first NUL, whatever
// the status; empty text when no answer arrived or the request ran out of time. Writes its
// outcome line to the "_WinHttp" log. The request goes out once, repeated neither by this call nor
// by Qt (core/send_once.h). The flag is kept for the callers, which all pass true; the call always
// waits for its answer.

// How a request ended: its whole answer came (whatever the status), it ran out of time (a
// silence beyond its time-out, or the total limit), or it failed otherwise (no connection, an
// answer cut short).
enum class HttpOutcome { Complete, TimedOut, Failed };

// Ordinary requests: 10-second time-out.
QString GetWinHttp(const QString& url, const QString& body, bool async = true, HttpOutcome* outcome = nullptr);

// The bulk message senders: 60-second time-out, and one more line after a failure.
QString GetWinHttpOnce(const QString& url, const QString& body, bool async = true, HttpOutcome* outcome = nullptr);
