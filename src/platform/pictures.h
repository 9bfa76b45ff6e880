#pragma once

#include <QLabel>
#include <QPixmap>

// Loading picture files (PNG, JPEG, GIF, BMP; the kind is taken from the content, not the name)
// into pictures, image controls and picture boxes. Transparent parts show the back colour (red in
// the low byte); every loader uses white.

// The picture file as it is, or a null image when it cannot be read.
QImage ReadPicture(const QString& file);

// A width × height picture of the whole image stretched onto the back colour. A width or height
// of -1 takes the image's own size, into both caller variables. Raises 999, source "GDI+ Module",
// "Error loading picture " + file, when the file cannot be read.
QPixmap LoadPictureGdip(const QString& file, int& width, int& height, quint32 backColour);

// The file stretched to the image control's size, on white.
void LoadPngImageStretch(const QString& file, QLabel& image);
// The file at its own size, on white.
void LoadPngImage(const QString& file, QLabel& image);
// The file stretched to the picture box's size, or at its own size, on white.
void LoadPngPictureBox(const QString& file, QLabel& box, bool stretch);
