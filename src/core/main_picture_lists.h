#pragma once

#include "platform/picture_list.h"

// The main window's picture lists, which its strip and other windows draw from (places from 1).
// Other windows reach them through the main window found by name ("frmMainMDI").
struct MainPictureLists {
    PictureList ImgBtn;     // "btnC01.gif", "btnC02.gif": the board's view button
    PictureList ImgTbl;     // "QA0001.gif" .. "QA0012.gif": the table-request tiles
    PictureList ImgIcon;    // "0501.gif" .. "0509.gif": the strip's backgrounds and picture buttons
    PictureList imgGlobal;  // "check_0.gif" .. "check_3.gif": the grids' check-box pictures 1 to 4
    PictureList ImgBtn3;    // places 13, 14, 15: "alarm.gif", "refresh_on.gif", "refresh_off.gif"
};

// The main window's picture lists, or nullptr while the main window is not loaded.
MainPictureLists* MainPictures();
