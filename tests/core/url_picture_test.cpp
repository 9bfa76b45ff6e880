#include "core/url_picture.h"
#include "support/loopback_port.h"
#include "support/program_dir.h"
#include "support/seams.h"
#include "support/standin_fixture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QByteArray BluePng()
{
    QImage image(30, 10, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST(LoadURLPicture2, WritesTheAnswerAndShowsItStretched)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/qrmainimg/7__a-1.png", StandinReply::bytes(BluePng()));
    QLabel image;
    image.resize(60, 40);
    const QString url = "http://127.0.0.1:" + QString::number(backend.port()) + "/qrmainimg/7__a-1.png";
    EXPECT_TRUE(LoadURLPicture2(url, dir.file("linkimage.png"), image));
    EXPECT_EQ(FileBytes(dir.file("linkimage.png")), BluePng());
    EXPECT_EQ(image.pixmap().size(), QSize(60, 40));
    EXPECT_EQ(image.pixmap().toImage().pixelColor(30, 20), QColor(Qt::blue));
}

TEST(LoadURLPicture2, AnErrorPageLandsInTheFileAndFailsAsAPicture)
{
    TempProgramDir dir;
    ScopedFakeClock clock(QDateTime(QDate(2024, 4, 26), QTime(9, 0, 0, 7)));
    StandinFixture backend;
    backend->script("/qrmainimg/__a-1.png", StandinReply::text("<html>404</html>", 404));
    QLabel image;
    const QString url = "http://127.0.0.1:" + QString::number(backend.port()) + "/qrmainimg/__a-1.png";
    EXPECT_FALSE(LoadURLPicture2(url, dir.file("linkimage.png"), image));
    EXPECT_EQ(FileBytes(dir.file("linkimage.png")), QByteArray("<html>404</html>"));
    EXPECT_EQ(dir.read("240426.log"), "[09:00:00.007]e)lib_misc->LoadURLPicture2[Erl:=4, Eno:=999]\r\n"
                                      "   Error loading picture " + dir.file("linkimage.png") + "\r\n");
}

TEST(LoadURLPicture2, NoAnswerLogsOneLineAndLeavesTheFile)
{
    TempProgramDir dir;
    ScopedFakeClock clock(QDateTime(QDate(2024, 4, 26), QTime(9, 0, 0, 7)));
    dir.write("linkimage.png", "old");
    QLabel image;
    const QString url = "http://127.0.0.1:" + QString::number(FreeLoopbackPort()) + "/qrmainimg/1__a-1.png";
    EXPECT_FALSE(LoadURLPicture2(url, dir.file("linkimage.png"), image));
    EXPECT_EQ(dir.read("linkimage.png"), "old");
    const QStringList lines = dir.read("240426.log").split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("[09:00:00.007]e)lib_misc->LoadURLPicture2[Erl:=1, Eno:="));
}

TEST(LoadURLPicture2, ASilentServerTimesOut)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/slow.png", StandinReply::bytes(BluePng()).after(3000));
    QLabel image;
    const QString url = "http://127.0.0.1:" + QString::number(backend.port()) + "/slow.png";
    EXPECT_FALSE(LoadURLPicture2(url, dir.file("slow.png"), image, 300));
    EXPECT_FALSE(QFile::exists(dir.file("slow.png")));
}
