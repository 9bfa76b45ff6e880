#include "platform/window_registry.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QHash>
#include <QPointer>

namespace {

struct Entry {
    QString name;
    QPointer<QWidget> window;
};

QList<Entry>& Entries()
{
    static QList<Entry> entries;
    return entries;
}

int IndexOf(const QString& name)
{
    const QList<Entry>& entries = Entries();
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].name == name && entries[i].window)
            return i;
    return -1;
}

QHash<QString, FormMaker>& Makers()
{
    static QHash<QString, FormMaker> makers;
    return makers;
}

void DropDeleted()
{
    Entries().removeIf([](const Entry& e) { return e.window.isNull(); });
}

QPointer<QWidget>& LastActivated()
{
    static QPointer<QWidget> window;
    return window;
}

// Whether the window is shown and was the last one activated here.
bool isActive(const QWidget& window)
{
    return LastActivated() == &window && window.isVisible();
}

// Brings the window to the front; its Form_Activate runs unless it was the active window already.
void bringForward(QWidget& window, bool wasActive)
{
    QPointer<QWidget> guard(&window);
    window.raise();
    window.activateWindow();
    LastActivated() = guard;
    if (wasActive)
        return;
    if (auto* events = dynamic_cast<FormEvents*>(&window))
        events->Form_Activate();
}

// Shows the window in front: a window that was already the active one keeps its state, and a
// request left in its m_FirstActivated waits for its next activation.
void showForward(QWidget& window)
{
    const bool wasActive = isActive(window);
    window.show();
    bringForward(window, wasActive);
}

// Ends a modal wait when its window is hidden.
class HideWatcher : public QObject
{
public:
    explicit HideWatcher(QEventLoop& loop) : m_loop(loop) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            m_loop.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& m_loop;
};

} // namespace

QWidget* FindForm(const QString& name)
{
    const int i = IndexOf(name);
    return i < 0 ? nullptr : Entries()[i].window.data();
}

bool IsFormLoaded(const QString& name)
{
    return FindForm(name) != nullptr;
}

bool RegisterForm(const QString& name, QWidget* window)
{
    if (!window || IsFormLoaded(name))
        return false;
    DropDeleted();
    window->setObjectName(name);
    Entries().append({name, window});
    QObject::connect(window, &QObject::destroyed, [] { DropDeleted(); });
    if (auto* events = dynamic_cast<FormEvents*>(window))
        events->Form_Load();
    return true;
}

void RegisterFormFactory(const QString& name, FormMaker maker)
{
    Makers().insert(name, std::move(maker));
}

QWidget* FormByName(const QString& name)
{
    if (QWidget* loaded = FindForm(name))
        return loaded;
    const auto maker = Makers().constFind(name);
    if (maker == Makers().constEnd() || !*maker)
        return nullptr;
    QWidget* window = (*maker)();
    if (!window)
        return nullptr;
    RegisterForm(name, window);
    return window;
}

FormEvents* FormEventsByName(const QString& name)
{
    return dynamic_cast<FormEvents*>(FormByName(name));
}

void UnloadForm(const QString& name)
{
    const int i = IndexOf(name);
    if (i < 0)
        return;
    QPointer<QWidget> window = Entries().takeAt(i).window;
    if (auto* events = dynamic_cast<FormEvents*>(window.data()))
        events->Form_Unload();
    if (!window)
        return;
    window->hide();
    window->deleteLater();
}

QList<QWidget*> LoadedForms()
{
    QList<QWidget*> result;
    for (const Entry& e : Entries())
        if (e.window)
            result.append(e.window);
    return result;
}

QStringList LoadedFormNames()
{
    QStringList result;
    for (const Entry& e : Entries())
        if (e.window)
            result.append(e.name);
    return result;
}

void ActivateForm(QWidget& window)
{
    bringForward(window, false);
}

void ShowFormModeless(QWidget& window)
{
    showForward(window);
}

void ShowFormModal(QWidget& window)
{
    QPointer<QWidget> previous = LastActivated();
    QPointer<QWidget> guard(&window);
    QEventLoop loop;
    HideWatcher watcher(loop);
    window.setWindowModality(Qt::ApplicationModal);
    window.installEventFilter(&watcher);
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    showForward(window);
    if (guard && guard->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard) {
        guard->removeEventFilter(&watcher);
        guard->setWindowModality(Qt::NonModal);
    }
    if (previous && previous != guard && previous->isVisible())
        ActivateForm(*previous);
}
