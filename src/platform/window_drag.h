#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

// Moves a window with the mouse while a button is held on one of its parts: the press notes where
// the window and the mouse were, every move shifts the window by the mouse's way since then.
class WindowDrag
{
public:
    void press(QWidget& window, const QPoint& globalMouse);
    void move(const QPoint& globalMouse);
    // Ends the drag; true when the window's left or top differ from those at the press.
    bool release();

private:
    QPointer<QWidget> m_window;
    QPoint m_mouseAtPress;
    QPoint m_windowAtPress;
};
