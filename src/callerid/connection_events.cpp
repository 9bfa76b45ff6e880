#include "callerid/connection_events.h"

#include "callerid/caller_id_values.h"
#include "callerid/service_relogin.h"
#include "callerid/settings_window.h"
#include "core/log.h"

namespace {

const QString kConnected = QStringLiteral("접속 완료");
const QString kDisconnected = QStringLiteral("접속 끊김");

bool isLine(int index)
{
    return index >= 0 && index < int(gCIDlgStatus.size());
}

QString lgPrefix(int index)
{
    return "【LGU+】(" + QString::number(index) + ") ";
}

// The settings window when it is loaded and visible; never made for this.
frmzCID_설정* visibleSettingsWindow()
{
    auto* window = dynamic_cast<frmzCID_설정*>(FindForm(frmzCID_설정::FormName()));
    return window && window->isVisible() ? window : nullptr;
}

void showLineState(frmzCID_설정* window, int index, const QString& text)
{
    if (window && isLine(index))
        window->showLineState(index, text, text == kConnected);
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
    if (frmzCID_설정* window = visibleSettingsWindow())
        window->kt_open_api_MSG->setText(code == 200 ? kConnected : kDisconnected);
    WriteLog("로그인 이벤트 :: " + gCIDktStatus);
}

void LGUBaseOpenApiX_StatusEvent(int index, const QString& data)
{
    const bool connected = data.contains(QLatin1String("STATUS:1|"), Qt::CaseInsensitive)
                           && data.contains(QLatin1String("CALLERID:"), Qt::CaseInsensitive);
    WriteLog(lgPrefix(index) + data);
    if (!isLine(index))
        return;
    gCIDlgStatus[index] = connected ? kConnected : kDisconnected;
    showLineState(visibleSettingsWindow(), index, gCIDlgStatus[index]);
    if (connected)
        StopLgRelogin(index);
}

void LGUBaseOpenApiX_SendNetworkErrorEvent(int index)
{
    if (gCIDlgJobKind != 3 && gCIDlgJobKind != 4)
        return;
    const QString kind = gCIDlgJobKind == 3 ? QStringLiteral(" ... gCIDlgJobKind = 3:로그아웃")
                                            : QStringLiteral(" ... gCIDlgJobKind = 4:설정로그아웃");
    WriteLog(lgPrefix(index) + "SendNetworkErrorEvent" + kind);
    if (!isLine(index))
        return;
    gCIDlgStatus[index] = kDisconnected;
    if (gCIDlgJobKind == 4)
        showLineState(visibleSettingsWindow(), index, kDisconnected);
}

void LGUBaseOpenApiX_ConnectResultEvent(int index, const QString& first, const QString& second)
{
    WriteLog(lgPrefix(index) + first + ", " + second);
    if (!isLine(index))
        return;
    QString status;
    if (first.contains(QLatin1String("Login")) && second.contains(QLatin1String("OamServer Connect Err")))
        status = QStringLiteral("접속 끊김 (인터넷 점검하세요!)");
    else if (first.contains(QLatin1String("Connect")) && second.contains(QLatin1String("Network Connect Err")))
        status = QStringLiteral("접속 끊김 (아이디 또는 패스워드를 점검하세요!)");
    else
        status = "[" + first + "] " + second;
    gCIDlgStatus[index] = status;
    if (gCIDlgJobKind == 2)
        showLineState(visibleSettingsWindow(), index, status);
}

void LGUBaseOpenApiX_SendCommandResultEvent(int index, const QString& data)
{
    if (isLine(index))
        gCIDlgStatus[index] += "\r\n[SendCommandResultEvent]" + data;
}

void KTOpenAPIX_ConnectionLost()
{
    gCIDktStatus = kDisconnected;
    if (frmzCID_설정* window = visibleSettingsWindow())
        window->kt_open_api_MSG->setText(kDisconnected);
    ReloginKtAfterLoss();
}

void LGUBaseOpenApiX_ConnectionLost(int index)
{
    if (!isLine(index))
        return;
    gCIDlgStatus[index] = kDisconnected;
    showLineState(visibleSettingsWindow(), index, kDisconnected);
    ReloginLgAfterLoss(index);
}

void KTOpenAPIX_LineDropped()
{
    WriteLog(QStringLiteral("KTOpenAPI 64 KiB를 넘는 줄을 버림"));
}

void LGUBaseOpenApiX_LineDropped(int index)
{
    WriteLog(lgPrefix(index) + "64 KiB를 넘는 줄을 버림");
}
