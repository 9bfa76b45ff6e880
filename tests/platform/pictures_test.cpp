#include "platform/picture_saver.h"
#include "platform/pictures.h"
#include "platform/raised_error.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A 40 × 20 PNG: the left half opaque red, the right half fully transparent.
QByteArray HalfTransparentPng()
{
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixelColor(x, y, Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class Pictures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile f(path("pic.gif"));   // PNG content under a GIF name, as the skin holds them
        f.open(QIODevice::WriteOnly);
        f.write(HalfTransparentPng());
    }
    QString path(const QString& name) const { return dir.path() + "/" + name; }
    QTemporaryDir dir;
};

RaisedError ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RaisedError& e) {
        return e;
    }
    return RaisedError(0, "", "no error");
}

QByteArray Head(const QString& file, int n)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return f.read(n);
}

} // namespace

TEST_F(Pictures, OwnSizeReplacesBothDimensionsWhenEitherIsMinusOne)
{
    int width = -1, height = 200;
    const QPixmap picture = LoadPictureGdip(path("pic.gif"), width, height, 0xFFFFFF);
    EXPECT_EQ(width, 40);
    EXPECT_EQ(height, 20);
    EXPECT_EQ(picture.size(), QSize(40, 20));
}

TEST_F(Pictures, TransparentPartsShowWhiteAndStretchingFillsTheControl)
{
    QLabel image;
    image.resize(80, 60);
    LoadPngImageStretch(path("pic.gif"), image);
    const QImage shown = image.pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(80, 60));
    EXPECT_EQ(shown.pixelColor(10, 30), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(70, 30), QColor(Qt::white));

    QLabel box;
    box.resize(675, 500);
    LoadPngPictureBox(path("pic.gif"), box, true);
    EXPECT_EQ(box.pixmap().size(), QSize(675, 500));
    LoadPngPictureBox(path("pic.gif"), box, false);
    EXPECT_EQ(box.pixmap().size(), QSize(40, 20));
    LoadPngImage(path("pic.gif"), image);
    EXPECT_EQ(image.pixmap().size(), QSize(40, 20));
}

TEST_F(Pictures, AMissingOrBrokenFileRaises999AndKeepsThePicture)
{
    QLabel image;
    LoadPngImage(path("pic.gif"), image);
    for (const QString& name : {QString("missing.png"), QString("broken.png")}) {
        if (name == "broken.png") {
            QFile f(path(name));
            f.open(QIODevice::WriteOnly);
            f.write("<html>not found</html>");
        }
        const RaisedError e = ErrorOf([&] { LoadPngImage(path(name), image); });
        EXPECT_EQ(e.number, 999);
        EXPECT_EQ(e.source, "GDI+ Module");
        EXPECT_EQ(e.description, "Error loading picture " + path(name));
        EXPECT_EQ(image.pixmap().size(), QSize(40, 20));
    }
}

TEST_F(Pictures, SaverWritesTheFormatsEncodingWhateverTheName)
{
    int w = 675, h = 500;
    const QPixmap picture = LoadPictureGdip(path("pic.gif"), w, h, 0xFFFFFF);
    picSave saver;
    saver.SavePicture(picture, path("linkimage_s.png"), 1, 70);
    saver.SavePicture(picture, path("linkimage.png"), 2, 100);
    EXPECT_EQ(Head(path("linkimage_s.png"), 3), QByteArray("\xFF\xD8\xFF"));
    EXPECT_EQ(Head(path("linkimage.png"), 4), QByteArray("\x89PNG"));
    EXPECT_EQ(ReadPicture(path("linkimage_s.png")).size(), QSize(675, 500));
}

TEST_F(Pictures, SaverErrorNumbersAndTexts)
{
    const QPixmap picture(10, 10);
    picSave saver;
    struct Case { QPixmap picture; int format; int quality; };
    for (const Case& c : {Case{picture, 3, 70}, Case{picture, 1, 0}, Case{picture, 2, 101},
                          Case{picture, -1, 50}, Case{QPixmap(), 2, 50}}) {
        const RaisedError e = ErrorOf([&] { saver.SavePicture(c.picture, path("bad.png"), c.format, c.quality); });
        EXPECT_EQ(e.number, 5) << c.format << " " << c.quality;
        EXPECT_FALSE(QFile::exists(path("bad.png")));
    }

    const RaisedError folder = ErrorOf([&] { saver.SavePicture(picture, path("nofolder/x.png"), 2, 50); });
    EXPECT_EQ(folder.number, qint32(0x80044850));
    EXPECT_EQ(folder.source, "picSave");
    EXPECT_EQ(folder.description, "SHCreateStreamOnFile error -2147024893");

    const RaisedError gif = ErrorOf([&] { saver.SavePicture(picture, path("x.gif"), 0, 50); });
    EXPECT_EQ(gif.number, qint32(0x80044858));
    EXPECT_EQ(gif.description, "GdipSaveImageToStream error 6");
    EXPECT_EQ(QFile(path("x.gif")).size(), 0);
}
