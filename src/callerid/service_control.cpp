#include "callerid/service_control.h"

#include "callerid/caller_id_values.h"
#include "callerid/service_controls.h"
#include "callerid/service_relogin.h"
#include "core/error_line.h"
#include "core/log.h"
#include "platform/raised_error.h"

#include <functional>

namespace {

const QString kModule = QStringLiteral("lib_CID3");

// Services logged in by the last start, which the next stop logs out even when switched off since.
bool gKtStarted = false;
bool gLgStarted = false;

QString loginText(int code)
{
    switch (code) {
    case 0: return QStringLiteral("기타 요청 실패");
    case 200: return QStringLiteral("로그인 성공");
    case 301: return QStringLiteral("다른 위치에서 로그인 중");
    case 401: return QStringLiteral("미등록 아이디로 로그인 요청");
    case 402: return QStringLiteral("비밀번호 오류 횟수 초과(5회)");
    case 405: return QStringLiteral("비밀번호 오류");
    case 407: return QStringLiteral("접속 IP 오류");
    case 408: return QStringLiteral("미등록 PC");
    case 1000: return QStringLiteral("이미 로그인 중");
    case 1001: return QStringLiteral("서버 타입 에러");
    case 1502: return QStringLiteral("협정 만료일이 지났음");
    case 1503: return QStringLiteral("인증키 유효기간이 지났음");
    case 1504: return QStringLiteral("인증키 비활성");
    case 1505: return QStringLiteral("인증키 타입이 틀림");
    case 1506: return QStringLiteral("개발 서버이나 상용 인증키, 상용 Flag일 경우");
    case 1507: return QStringLiteral("상용 서버이나 개발 인증키, 개발 Flag일 경우");
    case 1700: return QStringLiteral("API 환경 정보 얻지 못함(실행되는 경로)");
    case 1701: return QStringLiteral("KTA_API.dat/KTD_API.dat 등의 DATA 파일 초기화 에러, 파일이 존재해야 함");
    case 1702: return QStringLiteral("PC 메모리 부족(API 생성 에러)");
    default: return "알수 없는 오류! (" + QString::number(code) + ")";
    }
}

QString kickOutText(int code)
{
    switch (code) {
    case 200: return QStringLiteral("기존 사용자 로그아웃 성공");
    case 0: return QStringLiteral("중복 로그인 상태가 아님");
    default: return "알수 없는 상태! (" + QString::number(code) + ")";
    }
}

// Runs one KT procedure's body; a raised error goes to the error log only. False after an error.
bool guarded(const QString& procedure, int step, const std::function<void()>& body)
{
    try {
        body();
        return true;
    } catch (const RaisedError& error) {
        LogErrorToIni(kModule, procedure, step, error.number, error.description, QStringLiteral("E)"));
    }
    return false;
}

} // namespace

int kt_open_api_Login()
{
    int result = -1;
    QString text;
    gCIDktStatus.clear();
    if (gCIDktKEY.isEmpty())
        text = QStringLiteral("'인증키'가 설정되지 않았습니다!");
    else if (gCIDktID.isEmpty())
        text = QStringLiteral("'아이디'가 설정되지 않았습니다!");
    else if (gCIDktPW.isEmpty())
        text = QStringLiteral("'비밀번호'가 설정되지 않았습니다!");
    else
        guarded(QStringLiteral("kt_open_api_Login"), 3, [&] {
            result = KTOpenAPIX().Login(gCIDktServerType, gCIDktKEY, gCIDktID, gCIDktPW);
            text = loginText(result);
        });
    gCIDktStatus = "KT-OpenAPI Login: " + text;
    return result;
}

int kt_open_api_KickOut()
{
    int result = -1;
    QString text;
    gCIDktStatus.clear();
    guarded(QStringLiteral("kt_open_api_KickOut"), 2, [&] {
        result = KTOpenAPIX().KickOut();
        text = kickOutText(result);
    });
    gCIDktStatus = "KT-OpenAPI KickOut: " + text;
    return result;
}

void kt_open_api_Logout()
{
    StopKtRelogin();
    gCIDktStatus = QStringLiteral("KT-OpenAPI Logout: 실패");
    if (guarded(QStringLiteral("kt_open_api_Logout"), 2, [] { KTOpenAPIX().Logout(); }))
        gCIDktStatus = QStringLiteral("KT-OpenAPI Logout: 성공");
}

void kt_open_api_Help()
{
    guarded(QStringLiteral("kt_open_api_Help"), 1, [] { KTOpenAPIX().Help(1); });
}

void kt_open_api_Config()
{
    guarded(QStringLiteral("kt_open_api_Config"), 1, [] { KTOpenAPIX().Config(); });
}

void kt_open_api_LineJoin()
{
    guarded(QStringLiteral("kt_open_api_LineJoin"), 1, [] { KTOpenAPIX().LineJoin(gCIDktKEY); });
}

void kt_open_api_FindPW()
{
    guarded(QStringLiteral("kt_open_api_FindPW"), 1, [] { KTOpenAPIX().FindPW(1); });
}

void CID_Stop()
{
    StopAllRelogins();
    if (gCIDUseKT || gKtStarted) {
        WriteLog(QStringLiteral("kt_open_api_KickOut() .. 실행"));
        kt_open_api_KickOut();
        WriteLog(QStringLiteral("kt_open_api_Logout() .. 실행 (리턴값 없음)"));
        kt_open_api_Logout();
        gKtStarted = false;
    }
    if (gCIDUseLG || gLgStarted) {
        WriteLog(QStringLiteral("LGUBaseOpenApiX(0-3).DisconnectServer .. 실행 (리턴값 없음)"));
        gCIDlgJobKind = 3;
        for (int line = 0; line < int(gCIDlgStatus.size()); ++line) {
            gCIDlgStatus[line].clear();
            LGUBaseOpenApiX(line).DisconnectServer();
        }
        gLgStarted = false;
    }
}

void CID_ReStart()
{
    CID_Stop();
    if (gCIDUseKT) {
        WriteLog(QStringLiteral("CID 기동: CID_ReStart() ... KT"));
        gKtStarted = true;
        kt_open_api_Login();
    }
    if (gCIDUseLG) {
        WriteLog(QStringLiteral("CID 기동: CID_ReStart() ... LG"));
        gLgStarted = true;
        gCIDlgJobKind = 1;
        for (int line = 0; line < int(gCIDlgStatus.size()); ++line) {
            gCIDlgStatus[line].clear();
            if (gCIDlgID[line].isEmpty() || gCIDlgPW[line].isEmpty())
                continue;
            WriteLog("LGUBaseOpenApiX(" + QString::number(line) + ").LoginServer .. " + gCIDlgID[line] + ", "
                     + gCIDlgPW[line] + ", " + gCIDlgIP[line]);
            LGUBaseOpenApiX(line).LoginServer(gCIDlgID[line], gCIDlgPW[line], gCIDlgIP[line]);
        }
    }
}

void ResetCallerIdServices()
{
    StopAllRelogins();
    ResetCallerIdControls();
    gKtStarted = false;
    gLgStarted = false;
}
