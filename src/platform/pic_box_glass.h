#pragma once

#include <QLabel>

// Lays a darkened snapshot of the window under the box into the box: the box is hidden, pending
// events run, the window's pixels under the box are copied into the box's picture at (x, y), and
// every pixel is ANDed with the colour (red in the low byte). Colour 0 stands for grey
// RGB(128,128,128), which is written back. The box keeps the picture and is shown again.
void PicBoxGlass(QLabel& box, quint32& colour, int x, int y);
