#include "platform/mdi_child.h"

#include "platform/window_registry.h"

QWidget* MdiClientArea()
{
    QWidget* main = FindForm(QStringLiteral("frmMainMDI"));
    return main ? main->findChild<QWidget*>(QStringLiteral("MDIClient"), Qt::FindDirectChildrenOnly) : nullptr;
}
