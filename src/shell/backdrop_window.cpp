#include "shell/backdrop_window.h"

#include "core/error_line.h"
#include "platform/mdi_child.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "shell/top_windows.h"

#include <QMouseEvent>

z01::z01() : QWidget(MdiClientArea())
{
    setAutoFillBackground(true);
}

// Fills the main window's client area.
void z01::Form_Load()
{
    Trace(FormName(), QStringLiteral("Form_Load"), QStringLiteral("Enter"));
    resize(gMDIClientW / gTwipsX, gMDIClientH / gTwipsY);
    move((gMDIClientW / gTwipsX - width()) / 2, (gMDIClientH / gTwipsY - height()) / 2);
}

// Only the stacking order changes: a window that is not open stays closed, and the window brought
// forward does not repeat its first activation. The instant SMS window is modal and never named.
void z01::Form_MouseDown()
{
    auto* main = dynamic_cast<frmMainMDI*>(FindForm(frmMainMDI::FormName()));
    if (!main)
        return;
    const int index = TopIndexOfTitle(main->lbl현재작업->text());
    if (index < 0 || index == 1)
        return;
    if (QWidget* window = FindForm(TopWindows()[index].formName))
        window->raise();
}

void z01::mousePressEvent(QMouseEvent* event)
{
    Form_MouseDown();
    event->accept();
}
