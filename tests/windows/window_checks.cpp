#include "windows/window_checks.h"

#include "platform/fitted_controls.h"
#include "platform/grid_painter.h"
#include "platform/panel_button.h"
#include "platform/spread_grid.h"
#include "platform/window_registry.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace {

QRect OnScreen(const QWidget& widget)
{
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

QString Where(const QRect& r)
{
    return QStringLiteral("(%1, %2) %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString Control(const QWidget& window, const QWidget& control)
{
    return window.objectName() + ": " + control.metaObject()->className() + " \"" + control.objectName() + "\"";
}

QString TooWide(const QWidget& window, const QWidget& control, const QString& text, int needed, int room)
{
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(Control(window, control), text).arg(needed).arg(room);
}

int Width(const QString& text, const QFont& font)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
    return widest;
}

void CheckFitted(const QWidget& window, const QWidget& control, const QString& whole, const QRect& box, int flags,
                 const FittedText& shown, QStringList& faults)
{
    if (!TextFits(shown.text, shown.font, box.size(), flags))
        faults << TooWide(window, control, shown.text, Width(shown.text, shown.font), box.width()) + " (or wraps out)";
    if (shown.elided && control.toolTip() != whole)
        faults << Control(window, control) + " cuts \"" + whole + "\" without the whole text in its tip";
}

// A control that draws its own text in its font fits it, or has the floor size the rule gives
// it and, for a caption, the whole text in its tip.
void CheckOwnText(const QWidget& window, const QWidget& control, const OwnText& own, QStringList& faults)
{
    if (own.text.isEmpty() || TextFits(own.text, control.font(), own.room.size(), own.flags))
        return;
    const FittedText rule = FittedOwnFont(control);
    const bool tipped = qobject_cast<const QLineEdit*>(&control) || control.toolTip() == own.text;
    if (!rule.elided || rule.font != control.font() || !tipped)
        faults << TooWide(window, control, own.text, Width(own.text, control.font()), own.room.width());
}

void CheckGrid(const QWidget& window, const SpreadGrid& grid, QStringList& faults)
{
    for (const GridPainter::CellText& cell : GridPainter::ShownTexts(grid, grid.viewport()->size())) {
        if (!TextFits(cell.shown.text, cell.shown.font, cell.box.size(), cell.flags))
            faults << TooWide(window, grid, cell.shown.text, Width(cell.shown.text, cell.shown.font), cell.box.width())
                          + QStringLiteral(" in cell %1, %2").arg(cell.col).arg(cell.row);
    }
}

void CheckControl(const QWidget& window, QWidget& control, QStringList& faults)
{
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        if (const std::optional<LabelText> drawn = DrawnLabelText(*label))
            CheckFitted(window, control, label->text(), drawn->box, drawn->flags, drawn->shown, faults);
    } else if (auto* button = qobject_cast<PanelButton*>(&control)) {
        CheckFitted(window, control, button->caption(), button->captionBox(), PanelButton::kCaptionFlags,
                    button->shownCaption(), faults);
    } else if (const std::optional<OwnText> own = OwnTextOf(control)) {
        CheckOwnText(window, control, *own, faults);
    } else if (auto* grid = dynamic_cast<SpreadGrid*>(&control)) {
        CheckGrid(window, *grid, faults);
    }
}

// The loaded window the control belongs to (the main window holds the work windows too).
const QWidget* OwnerForm(const QWidget& control)
{
    for (const QWidget* w = control.parentWidget(); w; w = w->parentWidget())
        if (FindForm(w->objectName()) == w)
            return w;
    return nullptr;
}

} // namespace

QStringList PlacementFaults(const QWidget& window, const QWidget& main, const QWidget* close)
{
    QStringList faults;
    const QRect place = OnScreen(window);
    if (!window.isVisible())
        faults << window.objectName() + " is not shown";
    if (!OnScreen(main).contains(place))
        faults << window.objectName() + " at " + Where(place) + " is not inside the main window at " + Where(OnScreen(main));
    if (close && (!close->isVisibleTo(&window) || !place.contains(OnScreen(*close))))
        faults << window.objectName() + "'s close command at " + Where(OnScreen(*close)) + " is not shown inside it";
    return faults;
}

QStringList TextFaults(QWidget& window)
{
    window.grab();
    QStringList faults;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->isVisibleTo(&window) && !control->isWindow() && OwnerForm(*control) == &window)
            CheckControl(window, *control, faults);
    }
    return faults;
}
