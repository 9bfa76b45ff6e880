#include "core/reply_wait.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QTimer>

namespace {

int g_totalLimitMs = 180000;

} // namespace

void WaitForReply(QNetworkReply& reply)
{
    if (reply.isFinished())
        return;
    QEventLoop wait;
    QObject::connect(&reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    QTimer totalLimit;
    totalLimit.setSingleShot(true);
    QObject::connect(&totalLimit, &QTimer::timeout, &reply, &QNetworkReply::abort);
    totalLimit.start(g_totalLimitMs);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

int RequestTotalLimitMs()
{
    return g_totalLimitMs;
}

void SetRequestTotalLimitMs(int ms)
{
    g_totalLimitMs = ms;
}
