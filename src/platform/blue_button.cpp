#include "platform/blue_button.h"

namespace {

const QColor kBlue(0, 141, 238);

} // namespace

void PrepareBlueButton(PanelButton& button, const QColor& border)
{
    button.setTextColor(Qt::white);
    button.setFaceColor(kBlue);
    button.setCorner(3);
    button.setFrameColor(border);
    button.setFrameLine(3);
}

void ShowBlueButtonPressed(PanelButton& button, bool pressed)
{
    if (!button.isEnabled())
        return;
    button.setTextColor(pressed ? kBlue : QColor(Qt::white));
    button.setFaceColor(pressed ? QColor(Qt::white) : kBlue);
    button.repaint();
}
