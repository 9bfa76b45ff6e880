#pragma once

#include "platform/panel_button.h"

// The blue panel buttons of the configuration and table-request windows: white text on
// RGB(0,141,238), an outline from (0, 0) to (width + 1, height + 1) with 3 by 3 corner ellipses and
// an inner border of 3 pixels in the border colour. While the mouse is held on an enabled button it
// shows RGB(0,141,238) text on white; a disabled button keeps its colours.
void PrepareBlueButton(PanelButton& button, const QColor& border = QColor(0, 141, 238));

// The pressed look (mouse down) and the normal look (mouse up) of an enabled button.
void ShowBlueButtonPressed(PanelButton& button, bool pressed);
