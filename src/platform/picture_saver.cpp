#include "platform/picture_saver.h"

#include "platform/raised_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

namespace {

const qint32 kNotStarted = qint32(0x80044800);
const qint32 kBitmapError = qint32(0x80044848);
const qint32 kStreamError = qint32(0x80044850);
const qint32 kSaveError = qint32(0x80044858);
const qint32 kPathNotFound = qint32(0x80070003);
const qint32 kAccessDenied = qint32(0x80070005);
const int kStatusInvalidParameter = 2;
const int kStatusWin32Error = 7;
const int kStatusNotImplemented = 6;

[[noreturn]] void Raise(qint32 number, const QString& description)
{
    throw RaisedError(number, "picSave", description);
}

qint32 StreamResult(const QString& file)
{
    return QFileInfo(file).absoluteDir().exists() ? kAccessDenied : kPathNotFound;
}

} // namespace

picSave::picSave() : m_started(qGuiApp != nullptr) {}

void picSave::SavePicture(const QPixmap& picture, const QString& file, int format, int quality)
{
    if (!m_started)
        Raise(kNotStarted, "GDI+ failed to start");
    if (picture.isNull() || format < 0 || format > 2 || quality < 1 || quality > 100)
        throw RaisedError(5, QString(), QString());
    const QImage bitmap = picture.toImage();
    if (bitmap.isNull())
        Raise(kBitmapError, "GdipCreateBitmapFromHBITMAP error " + QString::number(kStatusInvalidParameter));
    QFile stream(file);
    if (!stream.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Raise(kStreamError, "SHCreateStreamOnFile error " + QString::number(StreamResult(file)));
    if (format == 0)
        Raise(kSaveError, "GdipSaveImageToStream error " + QString::number(kStatusNotImplemented));
    QImageWriter writer(&stream, format == 1 ? "jpeg" : "png");
    if (format == 1)
        writer.setQuality(quality);
    if (!writer.write(bitmap)) {
        stream.resize(0);
        Raise(kSaveError, "GdipSaveImageToStream error " + QString::number(kStatusWin32Error));
    }
}
