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
    button.setFrameColor(fill);
    button.setFrameLine(3);
    button.setCorner(3);
    paint(button, fill, caption);
    QObject::connect(&button, &PanelButton::mouseDown, &button, [&button, fill, caption] {
        if (button.isEnabled())
            paint(button, caption, fill);
    });
    QObject::connect(&button, &PanelButton::mouseUp, &button, [&button, fill, caption] {
        if (button.isEnabled())
            paint(button, fill, caption);
    });
}
