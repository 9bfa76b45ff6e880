#include "platform/mdi_child.h"

#include "platform/window_registry.h"

QWidget* MdiClientArea()
{
    QWidget* main = FindForm(QStringLiteral("frmMainMDI"));
    return main ? main->findChild<QWidget*>(QStringLiteral("MDIClient"), Qt::FindDirectChildrenOnly) : nullptr;
}

void UnloadMdiChildren(const QWidget* except)
{
    const QWidget* client = MdiClientArea();
    if (!client)
        return;
    for (QWidget* form : LoadedForms())
        if (form != except && form->parentWidget() == client)
            UnloadForm(form->objectName());
}
