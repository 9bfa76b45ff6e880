#include "platform/panel_button_look.h"

namespace {

void paint(PanelButton& button, const QColor& face, const QColor& text)
{
    button.setFaceColor(face);
    button.setTextColor(text);
    button.repaint();
}

} // namespace

void GiveSwappingLook(PanelButton& button, const QColor& fill, const QColor& caption)
{
    GivePressLook(button, {fill, caption}, {caption, fill}, fill);
}

void GivePressLook(PanelButton& button, const ButtonLook& normal, const ButtonLook& pressed, const QColor& frame)
{
    button.setFrameColor(frame);
    button.setFrameLine(3);
    button.setCorner(3);
    paint(button, normal.face, normal.caption);
    QObject::connect(&button, &PanelButton::mouseDown, &button, [&button, pressed] {
        if (button.isEnabled())
            paint(button, pressed.face, pressed.caption);
    });
    QObject::connect(&button, &PanelButton::mouseUp, &button, [&button, normal] {
        if (button.isEnabled())
            paint(button, normal.face, normal.caption);
    });
}
