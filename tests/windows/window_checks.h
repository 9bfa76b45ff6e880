#pragma once

#include <QStringList>

class QWidget;

// What a user needs of an open window, each fault as a line naming the window and the control.

// The window lies inside the main window, and its close command (when it has one of its own) is
// shown inside the window.
QStringList PlacementFaults(const QWidget& window, const QWidget& main, const QWidget* close);

// No text of a shown control is wider than its box in the font it is drawn with: labels, panel
// buttons, check boxes, radio and push buttons, text boxes, and the headers and shown cells of
// grids. A caption drawn cut must have its whole text in the control's tip. The window is painted
// first, as the screen paints it.
QStringList TextFaults(QWidget& window);
