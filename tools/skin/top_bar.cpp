#include "top_bar.h"

#include "skin_drawing.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <functional>

namespace skin {

namespace {

constexpr int kBarHeight = 39;

// The light bar with its blue base line.
QImage Bar(int width, int height = kBarHeight)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(kBar);
    QPainter p(&image);
    p.fillRect(0, height - 2, width, 2, kBlue);
    return image;
}

QPen IconPen(const QColor& color = kNavy)
{
    return QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The small pictures above the captions, each in a 20 × 16 box whose top-left corner is given.
void DownloadIcon(QPainter& p, QPointF o)
{
    p.setPen(IconPen());
    p.drawLine(o + QPointF(10, 1), o + QPointF(10, 11));
    p.drawPolyline(QPolygonF{o + QPointF(5, 7), o + QPointF(10, 12), o + QPointF(15, 7)});
    p.drawLine(o + QPointF(3, 15), o + QPointF(17, 15));
}

void RemoteSupportIcon(QPainter& p, QPointF o)
{
    p.setPen(IconPen());
    p.drawRoundedRect(QRectF(o + QPointF(2, 1), QSizeF(16, 10)), 1.5, 1.5);
    p.drawLine(o + QPointF(10, 11), o + QPointF(10, 15));
    p.drawLine(o + QPointF(6, 15), o + QPointF(14, 15));
}

void MinimiseIcon(QPainter& p, QPointF o)
{
    p.setPen(IconPen());
    p.drawLine(o + QPointF(4, 13), o + QPointF(16, 13));
}

void MaximiseIcon(QPainter& p, QPointF o)
{
    p.setPen(IconPen());
    p.drawRect(QRectF(o + QPointF(4, 2), QSizeF(12, 11)));
    p.drawLine(o + QPointF(4, 4), o + QPointF(16, 4));
}

void ExitIcon(QPainter& p, QPointF o)
{
    p.setPen(IconPen(QColor(200, 40, 40)));
    p.drawLine(o + QPointF(5, 2), o + QPointF(15, 12));
    p.drawLine(o + QPointF(15, 2), o + QPointF(5, 12));
}

struct PictureCommand {
    const char* caption;
    std::function<void(QPainter&, QPointF)> icon;
};

} // namespace

QImage TopStrip()
{
    QImage image = Bar(1920);
    Caption(image, QRect(14, 0, 70, 37), "ZLM", kNavy, 22, true, Qt::AlignLeft | Qt::AlignVCenter);
    // The mini icon switch: a small icon beside the mark.
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kNavy, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(84.5, 12.5, 18, 14), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(87, 19, 7, 5), 1, 1);
    return image;
}

QImage TopCommands()
{
    QImage image = Bar(550);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The text commands (logout, manual, message history, caller-ID settings): a line under the text.
    for (const QRect& label : {QRect(102, 10, 50, 20), QRect(156, 10, 38, 20), QRect(197, 10, 50, 20),
                               QRect(250, 10, 45, 20)})
        p.fillRect(QRect(label.left() + 4, label.bottom() - 1, label.width() - 8, 2), kBlue.lighter(130));
    // The picture commands, 50 × 40 side by side at 51-pixel steps from 295: an icon over a caption.
    const std::array<PictureCommand, 5> commands{{{"다운로드", DownloadIcon},
                                                  {"원격지원", RemoteSupportIcon},
                                                  {"최소화", MinimiseIcon},
                                                  {"최대화", MaximiseIcon},
                                                  {"종료", ExitIcon}}};
    for (int i = 0; i < 5; ++i)
        commands[i].icon(p, QPointF(295 + i * 51 + 15, 4));
    p.end();
    for (int i = 0; i < 5; ++i)
        Caption(image, QRect(295 + i * 51, 21, 50, 15), commands[i].caption, kInk, 11);
    return image;
}

QImage TopStatus()
{
    QImage image = Bar(255);
    QPainter p(&image);
    p.fillRect(0, 8, 1, 23, kBorder);
    return image;
}

QImage TopFiller()
{
    return Bar(8);
}

QImage MiniIcon()
{
    QImage image(72, 59, QImage::Format_ARGB32);
    image.fill(kNavy);
    Caption(image, QRect(1, 1, 71, 58), "ZLM", Qt::white, 20, true);
    return image;
}

QImage CallerCard()
{
    QImage image = Bar(350, 81);
    QPainter p(&image);
    p.fillRect(84, 0, 266, 79, Qt::white);
    p.setPen(kBorder);
    p.drawRect(0, 0, 349, 80);
    p.end();
    Caption(image, QRect(0, 8, 84, 40), "ZLM", kNavy, 20, true);
    return image;
}

} // namespace skin
