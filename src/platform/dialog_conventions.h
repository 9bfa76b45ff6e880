#pragma once

#include <QLabel>
#include <QWidget>

// The two ways a window opens a modal dialog over itself.

// The window behind is made half transparent (50) while the dialog is open, then opaque again.
void ShowModalOverTranslucent(QWidget& behind, QWidget& dialog);

// The shadow box is shown in front with a darkened snapshot of what it covers (PicBoxGlass with
// the colour, the snapshot in its place) while the dialog is open, and hidden afterwards.
void ShowModalOverShadow(QLabel& shadow, QWidget& dialog, quint32 colour = 0);
