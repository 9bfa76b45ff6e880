#pragma once

class QNetworkReply;

// Waits for a network reply in a nested event loop that holds user input back (timers, sockets
// and further requests run meanwhile). Besides the reply's own time-outs on silence, no reply is
// waited for longer than the total limit: past it the reply is aborted, which ends it as a
// time-out does (QNetworkReply::OperationCanceledError), however slowly its answer trickles in.
void WaitForReply(QNetworkReply& reply);

// The total limit of every request, 180 s: enough for a large list over a slow line. Tests
// shorten it.
int RequestTotalLimitMs();
void SetRequestTotalLimitMs(int ms);
