#pragma once

#include <QColor>
#include <QString>

class QWidget;

// Colours of a box or label as the windows set them: the back colour is the palette's base (the
// window colour for a label), the fore colour its text colour.
void SetBackColor(QWidget& widget, const QColor& color);
void SetForeColor(QWidget& widget, const QColor& color);
QColor BackColorOf(const QWidget& widget);
QColor ForeColorOf(const QWidget& widget);

// The Tag of a control that has none of its own (plain text boxes, combo boxes, date pickers).
QString WidgetTag(const QWidget& widget);
void SetWidgetTag(QWidget& widget, const QString& tag);
