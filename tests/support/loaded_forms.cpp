#include "support/loaded_forms.h"

#include "platform/window_registry.h"

#include <QCoreApplication>
#include <QEvent>

void UnloadAllForms()
{
    const QStringList names = LoadedFormNames();
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        UnloadForm(*it);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
