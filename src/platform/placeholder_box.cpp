#include "platform/placeholder_box.h"

#include "platform/crlf_text_box.h"

bool IsBlankOrPlaceholder(const QString& text, const QString& toolTip)
{
    return text.isEmpty() || text == toolTip;
}

namespace {

QString TextOf(const QWidget& box)
{
    if (auto* line = qobject_cast<const QLineEdit*>(&box))
        return line->text();
    if (auto* memo = qobject_cast<const CrLfTextBox*>(&box))
        return memo->text();
    return QString();
}

} // namespace

bool IsBlankOrPlaceholder(const QWidget& box)
{
    return IsBlankOrPlaceholder(TextOf(box), box.toolTip());
}

QString BoxValue(const QWidget& box)
{
    return IsBlankOrPlaceholder(box) ? QString() : TextOf(box);
}

PlaceholderBox::PlaceholderBox(QWidget* parent) : QLineEdit(parent) {}

void PlaceholderBox::showPlaceholder(const QString& toolTip)
{
    setToolTip(toolTip);
    setText(toolTip);
    setTextColor(m_placeholderColor);
}

void PlaceholderBox::setTextColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
}

QColor PlaceholderBox::textColor() const
{
    return palette().color(QPalette::Text);
}

void PlaceholderBox::focusInEvent(QFocusEvent* event)
{
    if (text() == toolTip()) {
        clear();
        setTextColor(Qt::black);
    }
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}

void PlaceholderBox::focusOutEvent(QFocusEvent* event)
{
    if (text().isEmpty()) {
        setText(toolTip());
        setTextColor(m_placeholderColor);
    } else if (m_filledColor.isValid()) {
        setTextColor(m_filledColor);
    }
    QLineEdit::focusOutEvent(event);
    emit lostFocus();
}
