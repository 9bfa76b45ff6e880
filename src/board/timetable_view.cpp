#include "board/board_window.h"

#include "board/board_globals.h"
#include "core/error_line.h"
#include "core/main_picture_lists.h"
#include "core/settings.h"

// The left area shows the timetable (its panel visible) or the booking list beneath it; the scale
// picture switches the timetable between fixed and fitted columns and keeps the choice.

bool frmB예약관리::시간대_리스트_토글(int KIND)
{
    if (KIND == 0)
        KIND = picLayer[0]->isVisible() ? 1 : 2;
    const MainPictureLists* main = MainPictures();
    if (KIND == 1) {
        if (main)
            CMD[9]->setPicture(main->ImgBtn.Item(2));
        picLayer[0]->hide();
    } else if (KIND == 2) {
        if (main)
            CMD[9]->setPicture(main->ImgBtn.Item(1));
        DrawShedule();
        picLayer[0]->show();
    }
    return true;
}

void frmB예약관리::imgCMD_Click()
{
    gSchScaleKind = gSchScaleKind == 0 ? 1 : 0;
    if (!gIniFrshop.WriteValue(QStringLiteral("SET"), QStringLiteral("SchScaleKind"), gSchScaleKind)) {
        LogError(QStringLiteral("frmB예약관리"), QStringLiteral("imgCMD_Click"), 2, 75, QStringLiteral("Path/File access error"));
        return;
    }
    DrawShedule();
}
