#include "shell/top_windows.h"

const std::array<TopWindow, 6>& TopWindows()
{
    static const std::array<TopWindow, 6> windows{{
        {QStringLiteral("[ 예약관리 ]"), QStringLiteral("frmB예약관리")},
        {QStringLiteral("[ 문자전송 ]"), QStringLiteral("frmz즉시문자")},
        {QStringLiteral("[ 좌석설정 ]"), QStringLiteral("frmB좌석설정")},
        {QStringLiteral("[ 예약설정 ]"), QStringLiteral("frmB설정")},
        {QStringLiteral("[ 예약통계 ]"), QStringLiteral("frmz통계B")},
        {QStringLiteral("[ 고객요청 ]"), QStringLiteral("frmz승인_고객요청")},
    }};
    return windows;
}

int TopIndexOfTitle(const QString& title)
{
    const auto& windows = TopWindows();
    for (int i = 0; i < int(windows.size()); ++i)
        if (windows[i].title == title)
            return i;
    return -1;
}
