#pragma once

#include <QWidget>

// The main window's client area, where the work windows live: the child named "MDIClient" of the
// loaded "frmMainMDI"; nullptr when no main window is loaded.
QWidget* MdiClientArea();

// Unloads every loaded window that lives in the client area, except the one given.
void UnloadMdiChildren(const QWidget* except = nullptr);
