#include "platform/panel_button.h"

#include "platform/fitted_controls.h"
#include "platform/rounded_region.h"

#include <QMouseEvent>
#include <QPainter>

PanelButton::PanelButton(QWidget* parent, int index) : QFrame(parent), m_index(index)
{
    setFocusPolicy(Qt::NoFocus);
}

void PanelButton::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void PanelButton::setFaceColor(const QColor& color)
{
    m_face = color;
    update();
}

void PanelButton::setTextColor(const QColor& color)
{
    m_text = color;
    update();
}

void PanelButton::setFrameColor(const QColor& color)
{
    m_frame = color;
    update();
}

void PanelButton::setFrameLine(int pixels)
{
    m_frameLine = qMax(0, pixels);
    update();
}

void PanelButton::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void PanelButton::setCorner(int corner)
{
    m_corner = corner;
    applyCorner();
}

void PanelButton::applyCorner()
{
    if (m_corner > 0)
        setMask(RoundedRegion(width() + 1, height() + 1, m_corner));
    else
        clearMask();
}

void PanelButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect all = rect();
    const int shift = m_pressed ? 1 : 0;
    painter.fillRect(all, m_pressed ? m_face.darker(115) : m_face);
    if (!m_picture.isNull())
        painter.drawPixmap(all.translated(shift, shift), m_picture);
    if (m_frameLine > 0) {
        QPen pen(m_frame, m_frameLine);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const qreal inset = m_frameLine / 2.0;
        painter.drawRect(QRectF(all).adjusted(inset, inset, -inset, -inset));
    }
    const FittedText shown = shownCaption();
    ShowWholeTextAsTip(*this, m_caption, shown.elided);
    painter.setPen(isEnabled() ? m_text : m_text.lighter(160));
    painter.setFont(shown.font);
    painter.drawText(captionBox().translated(shift, shift), kCaptionFlags, shown.text);
}

QRect PanelButton::captionBox() const
{
    return rect().adjusted(m_frameLine, m_frameLine, -m_frameLine, -m_frameLine);
}

FittedText PanelButton::shownCaption() const
{
    return FitText(QString(m_caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), font(),
                   captionBox().size(), kCaptionFlags);
}

void PanelButton::mousePressEvent(QMouseEvent* event)
{
    m_clicks.press();
    setPressedLook(isEnabled());
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void PanelButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_clicks.doublePress();
    setPressedLook(isEnabled());
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
    emit doubleClicked();
}

void PanelButton::mouseReleaseEvent(QMouseEvent* event)
{
    setPressedLook(false);
    emit mouseUp(event->button(), event->modifiers(), event->position().toPoint());
    if (m_clicks.release(*event, rect()))
        emit clicked();
}

void PanelButton::setPressedLook(bool pressed)
{
    m_pressed = pressed;
    update();
}

void PanelButton::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    applyCorner();
}

void PanelButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        setPressedLook(false);
    QFrame::changeEvent(event);
}
