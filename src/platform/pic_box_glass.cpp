#include "platform/pic_box_glass.h"

#include "platform/vb_color.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>

namespace {

QImage PersistentPicture(const QLabel& box)
{
    QImage picture = box.pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    if (picture.size() == box.size())
        return picture;
    QImage fresh(box.size(), QImage::Format_RGB32);
    fresh.fill(box.palette().color(box.backgroundRole()));
    QPainter(&fresh).drawImage(0, 0, picture);
    return fresh;
}

void AndWith(QImage& picture, QRgb mask)
{
    const QRgb keep = 0xFF000000 | mask;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] &= keep;
    }
}

} // namespace

void PicBoxGlass(QLabel& box, quint32& colour, int x, int y)
{
    if (colour == 0)
        colour = VbRGB(128, 128, 128);
    QPointer<QLabel> guard(&box);
    box.hide();
    QCoreApplication::processEvents();
    if (!guard)
        return;
    QImage picture = PersistentPicture(box);
    if (QWidget* window = box.window(); window && window != &box) {
        const QPoint origin = box.mapTo(window, QPoint(0, 0));
        const QPixmap snapshot = window->grab(QRect(origin, box.size()));
        QPainter(&picture).drawPixmap(x, y, snapshot);
    }
    AndWith(picture, FromVbColor(colour).rgb());
    box.setPixmap(QPixmap::fromImage(picture));
    box.show();
}
