#include "skin_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace skin {

namespace {

QImage Blank(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

QFont Font(int pixelSize, bool bold)
{
    QFont font("NanumGothic");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

void Caption(QImage& image, const QRect& rect, const QString& text, const QColor& color, int pixelSize,
             bool bold, Qt::Alignment align)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(color);
    p.setFont(Font(pixelSize, bold));
    p.drawText(rect, align, text);
}

void Field(QImage& image, const QRect& rect)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBorder, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

QImage Background(int width, int height, const QString& title, int bandHeight)
{
    QImage image = Blank(width, height, kWindow);
    QPainter p(&image);
    if (bandHeight > 0)
        p.fillRect(0, 0, width, bandHeight, kNavy);
    p.setPen(kBorder);
    p.drawRect(0, 0, width - 1, height - 1);
    p.end();
    if (bandHeight > 0 && !title.isEmpty())
        Caption(image, QRect(16, 0, width - 32, bandHeight), title, Qt::white, qMin(18, bandHeight / 2), true,
                Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage Button(int width, int height, const QString& caption, const QColor& face, bool pressed)
{
    QImage image = Blank(width, height, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(pressed ? face.darker(130) : face);
    p.drawRoundedRect(QRectF(0, 0, width, height), 5, 5);
    p.end();
    const int shift = pressed ? 1 : 0;
    Caption(image, QRect(shift, shift, width, height), caption, Qt::white, qBound(10, height * 2 / 5, 22), true);
    return image;
}

QImage Check(int size, bool ticked, bool pressed)
{
    QImage image = Blank(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ticked ? kBlue : kGrey, 1.2));
    p.setBrush(ticked ? kBlue : (pressed ? kWindow : QColor(Qt::white)));
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), 2.5, 2.5);
    if (ticked) {
        p.setPen(QPen(pressed ? kWindow : QColor(Qt::white), qMax(1.5, size / 8.0), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(size * 0.25, size * 0.52);
        tick.lineTo(size * 0.43, size * 0.70);
        tick.lineTo(size * 0.76, size * 0.32);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    return image;
}

QImage Wait(int size)
{
    QImage image = Blank(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double centre = size / 2.0;
    const double radius = size * 0.34;
    const double dot = size * 0.07;
    for (int i = 0; i < 8; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 4;
        QColor c = kBlue;
        c.setAlpha(255 - i * 26);
        p.setBrush(c);
        p.drawEllipse(QPointF(centre + radius * std::cos(angle), centre + radius * std::sin(angle)), dot, dot);
    }
    return image;
}

QImage Tile(int width, int height, int kind)
{
    const bool empty = kind < 1 || kind > 3;
    QImage image = Blank(width, height, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(empty ? kBorder : (kind == 3 ? kGrey : kBlue), 2));
    p.setBrush(empty ? kWindow : QColor(Qt::white));
    p.drawRoundedRect(QRectF(1, 1, width - 2, height - 2), 8, 8);
    if (!empty) {
        p.setPen(Qt::NoPen);
        p.setBrush(kind == 3 ? kGrey : (kind == 1 ? kOrange : kBlue));
        p.drawRoundedRect(QRectF(1, 1, 10, height - 2), 4, 4);
    }
    // The confirmation mode writes the table label in white at (9, 60, 130 x 39).
    if (kind == 2) {
        p.setBrush(kNavy);
        p.drawRoundedRect(QRectF(9, 60, 130, 39), 6, 6);
    }
    p.end();
    if (kind == 3)
        Caption(image, QRect(width - 90, 4, 80, 24), "처리완료", kGrey, 13, true, Qt::AlignRight | Qt::AlignVCenter);
    return image;
}

QImage LoginBackground()
{
    QImage image = Background(450, 515, QString(), 0);
    QPainter p(&image);
    p.fillRect(0, 0, 450, 200, kBar);
    p.fillRect(0, 198, 450, 2, kBlue);
    // The window's corners are rounded with ellipses of 85 pixels: the outline follows them.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 448, 513), 41.5, 41.5);
    p.end();
    Caption(image, QRect(0, 60, 450, 70), "ZLM", kNavy, 54, true);
    Caption(image, QRect(0, 200, 450, 36), "LOGIN", kNavy, 16, true);
    Field(image, QRect(47, 239, 350, 46));
    Field(image, QRect(47, 305, 350, 46));
    Caption(image, QRect(76, 367, 150, 29), "로그인 정보 저장", kNavy, 13, false, Qt::AlignLeft | Qt::AlignVCenter);
    Caption(image, QRect(264, 367, 150, 29), "자동 로그인", kNavy, 13, false, Qt::AlignLeft | Qt::AlignVCenter);
    QPainter(&image).drawImage(50, 439, Button(350, 60, "로그인", kBlue));
    return image;
}

QImage Symbol(int size, const QColor& color, const QString& symbol)
{
    QImage image = Blank(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    p.end();
    // A word takes a smaller size than a single sign, so that it stays inside the circle.
    Caption(image, QRect(0, 0, size, size), symbol, Qt::white, symbol.size() > 1 ? size * 3 / 8 : size / 2, true);
    return image;
}

} // namespace skin
