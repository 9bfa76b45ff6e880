#pragma once

#include "platform/panel_button.h"

#include <QColor>

// The look of the pop-up windows' buttons: the caption colour on the fill colour, a 3-pixel frame
// in the fill colour and corners of a 3 × 3 ellipse. While an enabled button is held down the two
// colours swap; releasing it brings them back.
void GiveSwappingLook(PanelButton& button, const QColor& fill, const QColor& caption = Qt::white);

// A face colour with its caption colour.
struct ButtonLook {
    QColor face;
    QColor caption;
};

// The same outline with any two looks: normal after loading and on release, pressed while an
// enabled button is held down; the frame in its own colour.
void GivePressLook(PanelButton& button, const ButtonLook& normal, const ButtonLook& pressed, const QColor& frame);
