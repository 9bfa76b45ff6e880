#include "platform/window_drag.h"

void WindowDrag::press(QWidget& window, const QPoint& globalMouse)
{
    m_window = &window;
    m_mouseAtPress = globalMouse;
    m_windowAtPress = window.pos();
}

void WindowDrag::move(const QPoint& globalMouse)
{
    if (m_window)
        m_window->move(m_windowAtPress + globalMouse - m_mouseAtPress);
}

bool WindowDrag::release()
{
    const bool moved = m_window && m_window->pos() != m_windowAtPress;
    m_window = nullptr;
    return moved;
}
