#pragma once

#include <QMouseEvent>
#include <QRect>

// Turns a widget's mouse events into the click events of the windows: a press and release of the
// left button inside the widget is a Click; a double click is Click (first release) and DblClick,
// and its second release is no Click.
class ClickSequence
{
public:
    void press() { m_pressed = true; m_inDoubleClick = false; }
    void doublePress() { m_pressed = true; m_inDoubleClick = true; }
    // True when this release completes a Click.
    bool release(const QMouseEvent& event, const QRect& area)
    {
        const bool click = m_pressed && !m_inDoubleClick && event.button() == Qt::LeftButton
                           && area.contains(event.position().toPoint());
        m_pressed = false;
        m_inDoubleClick = false;
        return click;
    }

private:
    bool m_pressed = false;
    bool m_inDoubleClick = false;
};
