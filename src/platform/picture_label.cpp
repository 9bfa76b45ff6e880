#include "platform/picture_label.h"

#include <QMouseEvent>

PictureLabel::PictureLabel(QWidget* parent, int index) : QLabel(parent), m_index(index) {}

bool PictureLabel::showPicture(const PictureList& list, int place)
{
    if (!list.Has(place))
        return false;
    setPixmap(list.Item(place));
    return true;
}

void PictureLabel::mousePressEvent(QMouseEvent* event)
{
    m_clicks.press();
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void PictureLabel::mouseDoubleClickEvent(QMouseEvent*)
{
    m_clicks.doublePress();
    emit doubleClicked();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_clicks.release(*event, rect()))
        emit clicked();
}
