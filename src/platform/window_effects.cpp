#include "platform/window_effects.h"

#include "platform/rounded_region.h"

#include <QVariant>
#include <cmath>

namespace {

const char* const kAlpha = "vmrWindowAlpha";

int SetBand(QWidget& window, bool onTop)
{
    const QRect geometry = window.geometry();
    const bool noActivate = window.testAttribute(Qt::WA_ShowWithoutActivating);
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    window.setAttribute(Qt::WA_ShowWithoutActivating, true);
    window.setGeometry(geometry);
    window.show();
    window.setAttribute(Qt::WA_ShowWithoutActivating, noActivate);
    return 1;
}

} // namespace

void FormRound(QWidget& window, int corner)
{
    window.setMask(RoundedRegion(window.width() + 1, window.height() + 1, corner));
}

int SetTopMost(QWidget& window)
{
    return SetBand(window, true);
}

int SetNoTopMost(QWidget& window)
{
    return SetBand(window, false);
}

int SetTranslucent(QWidget& window, int percent)
{
    const double alpha = std::nearbyint((100.0 - percent) / 100.0 * 255.0);
    if (alpha < 0 || alpha > 255)
        return 1;
    window.setProperty(kAlpha, int(alpha));
    window.setWindowOpacity(alpha / 255.0);
    return 0;
}

int WindowAlpha(const QWidget& window)
{
    const QVariant alpha = window.property(kAlpha);
    return alpha.isValid() ? alpha.toInt() : 255;
}

bool IsLayered(const QWidget& window)
{
    return window.property(kAlpha).isValid();
}

void TrayIconDelete(QWidget&) {}
