#pragma once

#include "platform/window_registry.h"

#include <QWidget>

// The blank backdrop behind the work windows that do not fill the main window's client area. A
// press on it brings the window named by the main window's title back in front of it.
class z01 : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("z01"); }

    z01();

    void Form_Load() override;
    void Form_MouseDown();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
