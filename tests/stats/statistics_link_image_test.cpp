#include "window_support/window_fixture.h"

#include "core/login_values.h"
#include "core/screen_values.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "stats/statistics_window.h"
#include "support/qt_printers.h"
#include "support/seams.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTest>

namespace {

const QString kUpload = QStringLiteral("/qrmainimg/index.php");

QByteArray readAll(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// The picture file's encoding and size as read from its content.
QString kindAndSize(const QString& file)
{
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    return QString::fromLatin1(reader.format()) + " " + QString::number(reader.size().width()) + "x"
           + QString::number(reader.size().height());
}

class LinkImage : public WindowTest
{
protected:
    LinkImage() : m_shopNo(gShopNo) { gShopNo = backend.shop().account.value("번호"); }
    ~LinkImage() override { gShopNo = m_shopNo; }

    frmz통계B& open()
    {
        frmz통계B::m_Kind = "예약";
        return openModeless<frmz통계B>();
    }

    void reopen()
    {
        UnloadForm(frmz통계B::FormName());
        QCoreApplication::processEvents();
        open();
    }

    QString picturePath() const { return "/qrmainimg/" + gShopNo + "__a-1.png"; }
    static QString shownCopy() { return gMenuImgPath + "/linkimage.png"; }
    static QString uploadCopy() { return gMenuImgPath + "/linkimage_s.png"; }

    // A 1000 × 300 PNG: the left half transparent, the right half red.
    QString widePicture() const
    {
        QImage image(1000, 300, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter(&image).fillRect(500, 0, 500, 300, Qt::red);
        const QString file = program.file("wide.png");
        image.save(file, "PNG");
        return file;
    }

private:
    QString m_shopNo;
};

TEST_F(LinkImage, DownloadsOnFirstOpeningOnlyAndShowsTheSiteAddress)
{
    frmz통계B& window = open();
    EXPECT_EQ(window.txt사이트주소->text(), "http://" + backend.host() + "/qrmainimg/1207__a-1.png");
    QStringList paths;
    for (const StandinRequest& request : backend->requests())
        paths.append(request.path);
    EXPECT_EQ(paths, QStringList({picturePath(), "/program/shopkakaotemplateLoad.php",
                                  "/program/alramsavingLoading.php"}));
    EXPECT_EQ(kindAndSize(shownCopy()), "png 675x500");
    EXPECT_FALSE(window.img링크이미지->pixmap().isNull());
    EXPECT_TRUE(window.fr이미지->isVisible());
    EXPECT_TRUE(window.CMD[15]->isVisible());
    EXPECT_TRUE(window.CMD[16]->isVisible());

    reopen();
    EXPECT_EQ(backend->requestsTo(picturePath()).size(), 1);
    EXPECT_FALSE(Form<frmz통계B>().img링크이미지->pixmap().isNull());
    EXPECT_TRUE(httpLog().filter("qrmainimg").isEmpty());
}

TEST_F(LinkImage, AnUnreadableCopyIsFetchedAgainAtEveryOpening)
{
    gShopNo = "99";   // a shop without a picture on the image host
    frmz통계B& window = open();
    EXPECT_TRUE(readAll(shownCopy()).contains("404 Not Found"));
    EXPECT_TRUE(window.img링크이미지->pixmap().isNull());
    reopen();
    EXPECT_EQ(backend->requestsTo(picturePath()).size(), 2);

    gShopNo = backend.shop().account.value("번호");
    reopen();
    EXPECT_EQ(backend->requestsTo(picturePath()).size(), 1);
    EXPECT_EQ(kindAndSize(shownCopy()), "png 675x500");
    EXPECT_FALSE(Form<frmz통계B>().img링크이미지->pixmap().isNull());
}

TEST_F(LinkImage, AWidePictureIsStretchedSavedTwiceAndUploadedAsItsJpegCopy)
{
    frmz통계B& window = open();
    FileDialogs().choose(widePicture());
    QTest::mouseClick(window.CMD[15], Qt::LeftButton);

    ASSERT_EQ(FileDialogs().shown().size(), 1);
    EXPECT_EQ(FileDialogs().shown()[0].title, "[열기] 675x500 PNG 파일로 변경");
    EXPECT_EQ(FileDialogs().shown()[0].fileName, "");
    EXPECT_EQ(FileDialogs().shown()[0].filter, "로고파일|*.png;*.jpg; ");
    EXPECT_EQ(kindAndSize(shownCopy()), "png 675x500");
    EXPECT_EQ(kindAndSize(uploadCopy()), "jpeg 675x500");
    const QImage shown(shownCopy());
    EXPECT_EQ(shown.pixelColor(100, 250), QColor(Qt::white)) << "transparent parts become white";
    EXPECT_EQ(shown.pixelColor(600, 20), QColor(Qt::red)) << "stretched without keeping proportions";
    EXPECT_EQ(shown.pixelColor(600, 480), QColor(Qt::red));

    ASSERT_EQ(backend->requestsTo(kUpload).size(), 1);
    const StandinRequest request = backend->requestsTo(kUpload)[0];
    const QByteArray jpeg = readAll(uploadCopy());
    const QByteArray body = "-----------------------------265001916915724\r\n"
                            "Content-Disposition: form-data; name=\"file\"; filename=\"http://" + backend.host().toLatin1()
                            + "/qrmainimg/1207__a-1.png\"\r\n"
                              "Content-Type: image/png\r\n"
                              "PNG\r\n"
                              "\r\n" + jpeg + "\r\n"
                            "-----------------------------265001916915724--\r\n";
    EXPECT_EQ(request.body, body);
    const QList<QByteArray> expected{
        "User-Agent: Mozilla/5.0 (Windows NT 5.1; rv:16.0) Gecko/20100101 Firefox/16.0",
        "Content-Type: multipart/form-data; boundary=---------------------------265001916915724",
        "Content-Length: " + QByteArray::number(body.size())};
    qsizetype previous = -1;
    for (const QByteArray& header : expected) {
        const qsizetype at = request.headers.indexOf(header);
        EXPECT_GT(at, previous) << header.constData();
        previous = at;
    }
    EXPECT_EQ(backend.shop().linkImages.value("1207"), jpeg);
    EXPECT_TRUE(MessageBoxes().texts().isEmpty());
    EXPECT_TRUE(httpLog().filter("qrmainimg").isEmpty());
}

TEST_F(LinkImage, ACancelledDialogOrAFileThatIsNoPictureChangesNothing)
{
    program.write("note.png", "no picture at all");
    for (const QString& chosen : {QString(), program.file("note.png")}) {
        SCOPED_TRACE(chosen.toStdString());
        frmz통계B& window = open();
        const QByteArray before = readAll(shownCopy());
        const qint64 picture = window.img링크이미지->pixmap().cacheKey();
        FileDialogs().choose(chosen);
        QTest::mouseClick(window.CMD[15], Qt::LeftButton);
        EXPECT_EQ(FileDialogs().shown().size(), 1);
        EXPECT_EQ(readAll(shownCopy()), before);
        EXPECT_FALSE(QFile::exists(uploadCopy()));
        EXPECT_EQ(window.img링크이미지->pixmap().cacheKey(), picture);
        EXPECT_TRUE(backend->requestsTo(kUpload).isEmpty());
        EXPECT_TRUE(MessageBoxes().texts().isEmpty());
        FileDialogs().clear();
    }
}

TEST_F(LinkImage, AFailedUploadKeepsTheOldCopyAndSaysSo)
{
    for (const StandinReply& reply : {StandinReply::text("error", 500), StandinReply::drop()}) {
        SCOPED_TRACE(reply.status);
        frmz통계B& window = open();
        const QByteArray before = readAll(shownCopy());
        const QImage picture = window.img링크이미지->pixmap().toImage();
        backend->script(kUpload, reply);
        FileDialogs().choose(widePicture());
        QTest::mouseClick(window.CMD[15], Qt::LeftButton);
        EXPECT_EQ(MessageBoxes().texts(), QStringList{"실패! 다시 시도해주세요."});
        EXPECT_EQ(readAll(shownCopy()), before);
        EXPECT_EQ(window.img링크이미지->pixmap().toImage(), picture) << "the old picture is shown again";
        MessageBoxes().clear();
    }
}

TEST_F(LinkImage, TheImageAndItsLabelOpenTheSiteAddressAndTheButtonTheDialog)
{
    frmz통계B& window = open();
    const QString address = window.txt사이트주소->text();
    QTest::mouseClick(window.img링크이미지, Qt::LeftButton);
    QTest::mouseClick(window.lbl사이트주소, Qt::LeftButton);
    EXPECT_EQ(ProgramLaunches().opened(), QStringList({address, address}));
    EXPECT_TRUE(FileDialogs().shown().isEmpty());
    QTest::mouseClick(window.CMD[15], Qt::LeftButton);
    EXPECT_EQ(FileDialogs().shown().size(), 1);
    EXPECT_EQ(ProgramLaunches().opened().size(), 2);
}

TEST_F(LinkImage, TheCopyButtonPutsTheSiteAddressOnTheClipboard)
{
    frmz통계B& window = open();
    for (const QString& address : {window.txt사이트주소->text(), QString()}) {
        QGuiApplication::clipboard()->setText("earlier text");
        window.txt사이트주소->setText(address);
        QTest::mouseClick(window.CMD[16], Qt::LeftButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), address);
    }
}

TEST_F(LinkImage, OnlyADoubleClickOnTheCornerExportsTheList)
{
    frmz통계B& window = open();
    SpreadGrid& grid = *window.SPR[0];
    grid.SetMaxRows(2);
    grid.SetText(3, 1, "김철수");
    grid.SetText(5, 2, "010-1111-2222");
    const QString workbook = program.file("테마분석_결과.xls");
    const auto doubleClickCell = [&grid](int col, int row) {
        int x = 0, y = 0, width = 0, height = 0;
        ASSERT_TRUE(grid.GetCellPos(col, row, &x, &y, &width, &height));
        doubleClick(grid.viewport(), QPoint(TwipsToPixels(x + width / 2), TwipsToPixels(y + height / 2)));
    };
    for (const auto& [col, row] : {std::pair{3, 1}, {0, 1}, {3, 0}}) {
        doubleClickCell(col, row);
        EXPECT_FALSE(QFile::exists(workbook)) << col << "," << row;
    }
    doubleClickCell(0, 0);
    const QString text = QString::fromUtf8(readAll(workbook));
    EXPECT_TRUE(text.contains("ss:Name=\"Sheet1\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("김철수"));
    EXPECT_TRUE(text.contains("010-1111-2222"));
    EXPECT_TRUE(QFile::exists(program.file("테마분석_결과.log")));
    EXPECT_TRUE(MessageBoxes().texts().isEmpty());
}

} // namespace
