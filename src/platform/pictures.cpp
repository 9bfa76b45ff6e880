#include "platform/pictures.h"

#include "platform/raised_error.h"
#include "platform/vb_color.h"

#include <QImageReader>
#include <QPainter>

namespace {

const quint32 kWhite = 0xFFFFFF;

void LoadInto(const QString& file, QLabel& target, int width, int height)
{
    target.setPixmap(LoadPictureGdip(file, width, height, kWhite));
}

} // namespace

QImage ReadPicture(const QString& file)
{
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QPixmap LoadPictureGdip(const QString& file, int& width, int& height, quint32 backColour)
{
    const QImage image = ReadPicture(file);
    if (image.isNull())
        throw RaisedError(999, "GDI+ Module", "Error loading picture " + file);
    if (width == -1 || height == -1) {
        width = image.width();
        height = image.height();
    }
    QImage surface(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
    surface.fill(FromVbColor(backColour));
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, width, height), image);
    painter.end();
    return QPixmap::fromImage(surface);
}

void LoadPngImageStretch(const QString& file, QLabel& image)
{
    LoadInto(file, image, image.width(), image.height());
}

void LoadPngImage(const QString& file, QLabel& image)
{
    LoadInto(file, image, -1, -1);
}

void LoadPngPictureBox(const QString& file, QLabel& box, bool stretch)
{
    if (stretch)
        LoadInto(file, box, box.width(), box.height());
    else
        LoadInto(file, box, -1, -1);
}
