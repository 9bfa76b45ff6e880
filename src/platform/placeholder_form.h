#pragma once

#include "platform/window_registry.h"

#include <QWidget>

// A work window whose insides are not built yet: it shows its title and nothing else. A work
// window lives in the main window's client area and fills it; a pop-up is a window of its own,
// centred on the main window. Its first activation only clears m_FirstActivated.
class PlaceholderForm : public QWidget, public FormEvents
{
public:
    enum class Kind { WorkWindow, PopUp };

    PlaceholderForm(const QString& title, Kind kind);

    QString title() const { return m_title; }
    void Form_Activate() override;

private:
    QString m_title;
};
