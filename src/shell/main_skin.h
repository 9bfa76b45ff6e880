#pragma once

#include "platform/panel_button.h"
#include "core/main_picture_lists.h"

#include <QLabel>
#include <QString>

// The strip's controls that take their first pictures from the lists.
struct MainSkinControls {
    QLabel* BG0 = nullptr;
    PanelButton* CMD0 = nullptr;
    PanelButton* CMD1 = nullptr;
};

// The main window's Func_ReadSkin: fills the lists from the skin folder, each with those of its
// files that exist, in order (a missing file is skipped, so later places move up); then BG(0)
// shows picture 1 of ImgIcon, CMD(0) picture 4 and CMD(1) picture 8, and both buttons are hidden.
// An error (a picture that cannot be read, a missing place 1, 4 or 8) writes the error line of
// "frmMainMDI" / "Func_ReadSkin" to the main log, skips the remaining steps and returns false.
bool ReadMainWindowSkin(MainPictureLists& lists, const MainSkinControls& controls, const QString& skinPath);
