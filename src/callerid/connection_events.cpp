#include "callerid/connection_events.h"

#include "callerid/caller_id_values.h"
#include "callerid/service_log_names.h"
#include "callerid/service_relogin.h"
#include "callerid/settings_window.h"
#include "core/log.h"

namespace {

bool isLine(int index)
{
    return index >= 0 && index < int(gCIDlgStatus.size());
}

void showLineState(frmzCID_설정* window, int index, const QString& text)
{
    if (window && isLine(index))
        window->showLineState(index, text, text == kCidConnected);
}

} // namespace

void KTOpenAPIX_ConnectEvent(int state)
{
    gCIDktStatus = state == 1 ? QStringLiteral("서버 접속 성공") : QStringLiteral("서버 접속 중 ...");
    WriteLog("접속 이벤트 :: " + gCIDktStatus);
}

void KTOpenAPIX_LoginEvent(int code)
{
    switch (code) {
    case 200: gCIDktStatus = QStringLiteral("로그인"); break;
    case 300: gCIDktStatus = QStringLiteral("로그아웃"); break;
    case 400: gCIDktStatus = QStringLiteral("다른 곳에서 로그인"); break;
    case 401: gCIDktStatus = QStringLiteral("인증키 차단으로 인한 강제 로그아웃"); break;
    default: break;
    }
    if (code == 200)
        StopKtRelogin();
    if (frmzCID_설정* window = frmzCID_설정::Visible())
        window->kt_open_api_MSG->setText(code == 200 ? kCidConnected : kCidDisconnected);
    WriteLog("로그인 이벤트 :: " + gCIDktStatus);
    // Logged in elsewhere, or blocked: logging in again would fight the other login.
    if (code == 400 || code == 401)
        HoldKtRelogin();
}

void LGUBaseOpenApiX_StatusEvent(int index, const QString& data)
{
    const bool connected = data.contains(QLatin1String("STATUS:1|"), Qt::CaseInsensitive)
                           && data.contains(QLatin1String("CALLERID:"), Qt::CaseInsensitive);
    WriteLog(LgLogName(index) + data);
    if (!isLine(index))
        return;
    gCIDlgStatus[index] = connected ? kCidConnected : kCidDisconnected;
    showLineState(frmzCID_설정::Visible(), index, gCIDlgStatus[index]);
    if (connected)
        StopLgRelogin(index);
}

void LGUBaseOpenApiX_SendNetworkErrorEvent(int index)
{
    if (gCIDlgJobKind != 3 && gCIDlgJobKind != 4)
        return;
    const QString kind = gCIDlgJobKind == 3 ? QStringLiteral(" ... gCIDlgJobKind = 3:로그아웃")
                                            : QStringLiteral(" ... gCIDlgJobKind = 4:설정로그아웃");
    WriteLog(LgLogName(index) + "SendNetworkErrorEvent" + kind);
    if (!isLine(index))
        return;
    gCIDlgStatus[index] = kCidDisconnected;
    if (gCIDlgJobKind == 4)
        showLineState(frmzCID_설정::Visible(), index, kCidDisconnected);
}

void LGUBaseOpenApiX_ConnectResultEvent(int index, const QString& first, const QString& second)
{
    WriteLog(LgLogName(index) + first + ", " + second);
    if (!isLine(index))
        return;
    const bool unreachable =
        first.contains(QLatin1String("Login")) && second.contains(QLatin1String("OamServer Connect Err"));
    const bool refused = !unreachable && first.contains(QLatin1String("Connect"))
                         && second.contains(QLatin1String("Network Connect Err"));
    QString status;
    if (unreachable)
        status = QStringLiteral("접속 끊김 (인터넷 점검하세요!)");
    else if (refused)
        status = QStringLiteral("접속 끊김 (아이디 또는 패스워드를 점검하세요!)");
    else
        status = "[" + first + "] " + second;
    gCIDlgStatus[index] = status;
    if (gCIDlgJobKind == 2)
        showLineState(frmzCID_설정::Visible(), index, status);
    if (refused)
        HoldLgRelogin(index);
}

void LGUBaseOpenApiX_SendCommandResultEvent(int index, const QString& data)
{
    if (isLine(index))
        gCIDlgStatus[index] += "\r\n[SendCommandResultEvent]" + data;
}

void KTOpenAPIX_ConnectionLost()
{
    if (!KtReloginHeld()) {
        gCIDktStatus = kCidDisconnected;
        if (frmzCID_설정* window = frmzCID_설정::Visible())
            window->kt_open_api_MSG->setText(kCidDisconnected);
    }
    ReloginKtAfterLoss();
}

void LGUBaseOpenApiX_ConnectionLost(int index)
{
    if (!isLine(index))
        return;
    if (!LgReloginHeld(index)) {
        gCIDlgStatus[index] = kCidDisconnected;
        showLineState(frmzCID_설정::Visible(), index, kCidDisconnected);
    }
    ReloginLgAfterLoss(index);
}

void KTOpenAPIX_LineDropped()
{
    WriteLog(KtLogName() + "64 KiB를 넘는 줄을 버림");
}

void LGUBaseOpenApiX_LineDropped(int index)
{
    WriteLog(LgLogName(index) + "64 KiB를 넘는 줄을 버림");
}

void OutsideEventsDropped(int count)
{
    WriteLog("CID 이벤트 " + QString::number(count) + "개를 버림 (밀린 이벤트가 너무 많음)");
}
