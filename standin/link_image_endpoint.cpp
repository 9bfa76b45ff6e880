#include "standin.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

// The image host of the shop's link image: GET "/qrmainimg/<shop number>__a-1.png" gives the
// picture, POST "/qrmainimg/index.php" (multipart, no login) stores the file part under the shop
// that its file name names. The sample shop has a drawn picture until one is uploaded.

namespace {

const QString kPrefix = QStringLiteral("/qrmainimg/");
const QString kSuffix = QStringLiteral("__a-1.png");

// A grill plate on a warm ground, 675 by 500 pixels, without text (the stand-in has no fonts).
QByteArray DrawnPicture()
{
    QImage picture(675, 500, QImage::Format_RGB32);
    picture.fill(QColor(250, 236, 214));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 141, 238));
    painter.drawRect(0, 0, 675, 70);
    painter.drawRect(0, 430, 675, 70);
    painter.setBrush(QColor(60, 60, 60));
    painter.drawEllipse(QPoint(337, 250), 150, 150);
    QPainterPath plate;
    plate.addEllipse(QPoint(337, 250), 150, 150);
    painter.setClipPath(plate);
    painter.setPen(QPen(QColor(190, 190, 190), 6));
    for (int y = 150; y <= 350; y += 25)
        painter.drawLine(212, y, 462, y);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 70, 50));
    painter.drawRoundedRect(260, 200, 70, 35, 12, 12);
    painter.drawRoundedRect(345, 265, 70, 35, 12, 12);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

StandinReply NotFound()
{
    return StandinReply::text(
        "<!DOCTYPE html>\n<html><head><title>404 Not Found</title></head>"
        "<body><h1>Not Found</h1><p>The requested URL was not found on this server.</p></body></html>\n",
        404);
}

StandinReply Picture(const ShopState& shop, const QString& number)
{
    if (shop.linkImages.contains(number))
        return StandinReply::bytes(shop.linkImages.value(number));
    if (!number.isEmpty() && number == shop.account.value("번호"))
        return StandinReply::bytes(DrawnPicture());
    return NotFound();
}

QByteArray Boundary(const QList<QByteArray>& headers)
{
    for (const QByteArray& header : headers)
        if (header.toLower().startsWith("content-type:")) {
            const qsizetype at = header.indexOf("boundary=");
            return at < 0 ? QByteArray() : header.mid(at + 9).trimmed();
        }
    return {};
}

// The file part's file name and bytes; false when the body has none.
bool FilePart(const QByteArray& body, const QByteArray& boundary, QString& fileName, QByteArray& bytes)
{
    if (boundary.isEmpty())
        return false;
    const QByteArray delimiter = "--" + boundary;
    for (qsizetype start = body.indexOf(delimiter); start >= 0;) {
        const qsizetype next = body.indexOf("\r\n" + delimiter, start + delimiter.size());
        if (next < 0)
            return false;
        const QByteArray part = body.mid(start + delimiter.size(), next - start - delimiter.size());
        const qsizetype headEnd = part.indexOf("\r\n\r\n");
        const QByteArray head = part.left(headEnd);
        const qsizetype name = head.indexOf("filename=\"");
        if (headEnd >= 0 && head.contains("name=\"file\"") && name >= 0) {
            const qsizetype from = name + 10;
            fileName = QString::fromUtf8(head.mid(from, head.indexOf('"', from) - from));
            bytes = part.mid(headEnd + 4);
            return true;
        }
        start = next + 2;
    }
    return false;
}

StandinReply Upload(ShopState& shop, const StandinRequest& request)
{
    QString fileName;
    QByteArray bytes;
    if (!FilePart(request.body, Boundary(request.headers), fileName, bytes))
        return StandinReply::text("Bad Request", 400);
    const QString last = fileName.section('/', -1);
    if (!last.endsWith(kSuffix))
        return StandinReply::text("Bad Request", 400);
    shop.linkImages.insert(last.chopped(kSuffix.size()), bytes);
    return StandinReply::text(QStringLiteral("성공"));
}

} // namespace

RawEndpoint LinkImageEndpoint()
{
    return {kPrefix, [](ShopState& shop, const StandinRequest& request) {
                const QString name = request.path.mid(kPrefix.size());
                if (name == QStringLiteral("index.php"))
                    return Upload(shop, request);
                if (name.endsWith(kSuffix))
                    return Picture(shop, name.chopped(kSuffix.size()));
                return NotFound();
            }};
}
