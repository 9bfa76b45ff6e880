#include "platform/widget_look.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {

bool isLabel(const QWidget& widget)
{
    return qobject_cast<const QLabel*>(&widget) != nullptr;
}

} // namespace

void SetBackColor(QWidget& widget, const QColor& color)
{
    QPalette p = widget.palette();
    p.setColor(isLabel(widget) ? QPalette::Window : QPalette::Base, color);
    widget.setPalette(p);
    if (isLabel(widget))
        widget.setAutoFillBackground(true);
}

void SetForeColor(QWidget& widget, const QColor& color)
{
    QPalette p = widget.palette();
    p.setColor(isLabel(widget) ? QPalette::WindowText : QPalette::Text, color);
    widget.setPalette(p);
}

QColor BackColorOf(const QWidget& widget)
{
    return widget.palette().color(isLabel(widget) ? QPalette::Window : QPalette::Base);
}

QColor ForeColorOf(const QWidget& widget)
{
    return widget.palette().color(isLabel(widget) ? QPalette::WindowText : QPalette::Text);
}

QString WidgetTag(const QWidget& widget)
{
    return widget.property("Tag").toString();
}

void SetWidgetTag(QWidget& widget, const QString& tag)
{
    widget.setProperty("Tag", tag);
}
