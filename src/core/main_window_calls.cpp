#include "core/main_window_calls.h"

#include "platform/window_registry.h"

MainWindowCalls* MainWindow()
{
    return dynamic_cast<MainWindowCalls*>(FindForm(QStringLiteral("frmMainMDI")));
}
