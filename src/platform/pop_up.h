#pragma once

#include <QColor>
#include <QWidget>

// Places a pop-up window centred on the main window ("frmMainMDI"), lowered by the given pixels;
// not clamped to the screen. Without a loaded main window the window stays where it is.
void CenterOnMainWindow(QWidget& window, int down = 0);

class QLabel;
class PictureLabel;

// The parts of a skinned pop-up drawn over its skin's band: the title label in white bold and the
// close label "✕" (its clicks are the window's to connect), white unless a window without a dark
// band asks for another colour.
QLabel* NewTitleLabel(QWidget* window, const QRect& place);
PictureLabel* NewCloseLabel(QWidget* window, const QRect& place, const QColor& colour = Qt::white);
