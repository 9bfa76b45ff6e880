#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The flat look of the generated skin: the program's grey-blue window colour, a navy title band,
// blue buttons with white captions, white fields with light grey borders. The top bar and the login
// window's head are light, so that the black, dark, red and green texts the windows write on them
// stay readable.
namespace skin {

inline const QColor kWindow(238, 240, 244);
inline const QColor kNavy(32, 56, 100);
inline const QColor kBlue(37, 103, 182);
inline const QColor kDarkBlue(24, 72, 132);
inline const QColor kBorder(200, 204, 212);
inline const QColor kGreen(46, 160, 90);
inline const QColor kGrey(150, 154, 160);
inline const QColor kOrange(232, 140, 40);
inline const QColor kBar(234, 239, 246);
inline const QColor kInk(64, 64, 64);
inline const QColor kOutline(120, 132, 150);

// A window background: the window colour, a title band of bandHeight (0 for none) with the title.
QImage Background(int width, int height, const QString& title, int bandHeight = 40);
// A button face with a centred caption.
QImage Button(int width, int height, const QString& caption, const QColor& face, bool pressed = false);
// A check box picture.
QImage Check(int size, bool ticked, bool pressed);
// The wait picture: a ring of dots, darker towards the top.
QImage Wait(int size);
// A table-request tile: kind 1 pending (the window lays its own done button over it), 2 pending
// for confirmation with a dark field under the white table label, 3 completed, anything else empty.
QImage Tile(int width, int height, int kind);
// The login window's background with its fields, toggles' captions and login button.
QImage LoginBackground();
// A round symbol button: a circle in the colour with a symbol drawn in white.
QImage Symbol(int size, const QColor& color, const QString& symbol);

// Draws a rounded white field with a grey border around the rectangle.
void Field(QImage& image, const QRect& rect);
// Draws a caption in a rectangle.
void Caption(QImage& image, const QRect& rect, const QString& text, const QColor& color, int pixelSize,
             bool bold = false, Qt::Alignment align = Qt::AlignCenter);

} // namespace skin
