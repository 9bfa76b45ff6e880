#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

// The events every window of the program may handle. A window class derives from a Qt widget class
// and from this; the registry calls Form_Load once after creating it, the show functions below
// call Form_Activate each time the window becomes the active window: a show of the window that is
// already active only keeps it in front.
//
// The opener sets m_FirstActivated (and the window's other public variables) and then shows the
// window; the window does its one-time set-up in Form_Activate while the flag is set, and clears it.
// A request set while the window is already active waits for its next activation.
// A window is unloaded and created anew later, so state that must outlive an unload (a counter of
// failed logins, for one) is kept in program-wide values, never in the widget.
class FormEvents
{
public:
    virtual ~FormEvents() = default;
    bool m_FirstActivated = false;
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
};

// The loaded window of that name, or nullptr. Never creates a window.
QWidget* FindForm(const QString& name);
bool IsFormLoaded(const QString& name);

// Adds a newly created window under its name (its object name becomes the name) and runs its
// Form_Load. Used by Form<W>(); a second window under a loaded name is refused (false).
bool RegisterForm(const QString& name, QWidget* window);

// The one window of class W, created and loaded at its first reference. W names itself with
// a static FormName().
template <class W>
W& Form()
{
    if (QWidget* loaded = FindForm(W::FormName()))
        return *static_cast<W*>(loaded);
    auto* window = new W();
    RegisterForm(W::FormName(), window);
    return *window;
}

// Windows reached by name only: a window that must open another without including its header
// asks for it by name. The start-up registers a maker for every window the program links; tests
// register fakes under the same names. A later maker under the same name replaces the earlier.
using FormMaker = std::function<QWidget*()>;
void RegisterFormFactory(const QString& name, FormMaker maker);

// The loaded window of that name, or one made by its registered maker and loaded now; nullptr
// when it is not loaded and no maker is known.
QWidget* FormByName(const QString& name);

// The same, as the window's events (nullptr when the window has none).
FormEvents* FormEventsByName(const QString& name);

// Runs Form_Unload, hides the window and deletes it once control is back in the event loop. A
// later reference creates a new window. Unloading a window that is not loaded does nothing.
void UnloadForm(const QString& name);

// The loaded windows in the order they were loaded.
QList<QWidget*> LoadedForms();
QStringList LoadedFormNames();

// Shows (or raises) the window without waiting and drives its activation.
void ShowFormModeless(QWidget& window);

// Shows the window modally: its activation runs, then a nested event loop waits until the window
// is hidden or unloaded. The window that was active before is activated again afterwards.
void ShowFormModal(QWidget& window);

// Raises a shown window that becomes the active window again and runs its Form_Activate.
void ActivateForm(QWidget& window);
