#include "stats/statistics_window.h"

#include "core/date_time.h"
#include "core/file_exists.h"
#include "core/install_values.h"
#include "core/login_values.h"
#include "core/raw_http_post.h"
#include "core/screen_values.h"
#include "core/url_picture.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/picture_saver.h"
#include "platform/pictures.h"
#include "platform/program_launcher.h"
#include "platform/raised_error.h"

#include <QFile>
#include <QPointer>

namespace {

const QByteArray kBoundary = "---------------------------265001916915724";
const int kUploadTimeoutMs = 30000;

QString shownCopy()
{
    return gMenuImgPath + QStringLiteral("/linkimage.png");
}

QString uploadCopy()
{
    return gMenuImgPath + QStringLiteral("/linkimage_s.png");
}

// The picture file stretched into the control; false when it cannot be read.
bool showStretched(const QString& file, QLabel& image)
{
    try {
        LoadPngImageStretch(file, image);
        return true;
    } catch (const RaisedError&) {
        return false;
    }
}

} // namespace

void frmz통계B::buildLinkImage()
{
    fr이미지 = new QFrame(this);
    fr이미지->setObjectName(QStringLiteral("fr이미지"));
    fr이미지->setGeometry(477, 556, 255, 90);
    fr이미지->setAutoFillBackground(true);
    img링크이미지 = new QLabel(fr이미지);
    img링크이미지->setGeometry(4, 5, 121, 81);
    img링크이미지->setToolTip(QStringLiteral("클릭: 웹브라우저로 서버의 이미지 보기."));
    auto* inner = new QFrame(fr이미지);
    inner->setGeometry(128, 5, 123, 19);
    lbl사이트주소 = new QLabel(QStringLiteral("이미지 등록"), inner);
    lbl사이트주소->setGeometry(15, 2, 92, 14);
    lbl사이트주소->setAlignment(Qt::AlignCenter);
    txt사이트주소 = new QLineEdit(fr이미지);
    txt사이트주소->setGeometry(128, 24, 123, 19);
    for (QLabel* clickable : {img링크이미지, lbl사이트주소}) {
        clickable->setCursor(Qt::PointingHandCursor);
        clickable->installEventFilter(this);
    }
    CMD[15]->setParent(fr이미지);
    CMD[15]->setCaption(QStringLiteral("불러오기"));
    CMD[15]->setGeometry(128, 46, 60, 39);
    CMD[16]->setParent(fr이미지);
    CMD[16]->setCaption(QStringLiteral("복 사"));
    CMD[16]->setGeometry(191, 46, 60, 39);
    picSave = new QLabel(this);
    picSave->hide();
}

bool frmz통계B::showLinkImage()
{
    txt사이트주소->setText(ImageBase() + gShopNo + QStringLiteral("__a-1.png"));
    QPointer<frmz통계B> self(this);
    if (FileExists(shownCopy())) {
        showStretched(shownCopy(), *img링크이미지);
        picWait->showBeforeRequest();
        if (!self)
            return false;
        if (!img링크이미지->pixmap().isNull())
            return true;
    }
    LoadURLPicture2(txt사이트주소->text(), shownCopy(), *img링크이미지);
    return !self.isNull();
}

void frmz통계B::lbl사이트주소_Click()
{
    OpenUrl(txt사이트주소->text());
}

void frmz통계B::img링크이미지_Click()
{
    lbl사이트주소_Click();
}

// A cancelled dialog or a file that is no picture changes nothing. The displayed copy is replaced
// only once the image host took the picture; otherwise the old one comes back on screen.
void frmz통계B::Change_링크이미지()
{
    QPointer<frmz통계B> self(this);
    const QString chosen = ShowOpenDialog(QStringLiteral("[열기] 675x500 PNG 파일로 변경"), QString(),
                                          QStringLiteral("로고파일|*.png;*.jpg; "));
    if (!self || chosen.isEmpty() || ReadPicture(chosen).isNull())
        return;
    showStretched(chosen, *img링크이미지);
    picSave->resize(675, 500);
    picSave->clear();
    ::picSave saver;
    int status = 0;
    try {
        LoadPngPictureBox(chosen, *picSave, true);
        saver.SavePicture(picSave->pixmap(), uploadCopy(), 1, 70);
        Upload_링크이미지(uploadCopy(), txt사이트주소->text(), &status);
        if (!self)
            return;
        if (status == 200)
            saver.SavePicture(picSave->pixmap(), shownCopy(), 2, 100);
    } catch (const RaisedError&) {
        status = 0;
    }
    if (status != 200) {
        if (!showStretched(shownCopy(), *img링크이미지))
            img링크이미지->clear();
        MsgBox(QStringLiteral("실패! 다시 시도해주세요."));
        if (!self)
            return;
    }
    Delay(200);
}

QString frmz통계B::Upload_링크이미지(const QString& filePath, const QString& fileName, int* status)
{
    *status = 0;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray delimiter = "--" + kBoundary;
    const QByteArray body = delimiter + "\r\n"
                            + "Content-Disposition: form-data; name=\"file\"; filename=\"" + fileName.toLatin1()
                            + "\"\r\n" + "Content-Type: image/png\r\n" + "PNG\r\n" + "\r\n" + file.readAll()
                            + "\r\n" + delimiter + "--\r\n";
    return PostRaw(gServerURL + QStringLiteral("/qrmainimg/index.php"), body,
                   {{"User-Agent", "Mozilla/5.0 (Windows NT 5.1; rv:16.0) Gecko/20100101 Firefox/16.0"},
                    {"Content-Type", "multipart/form-data; boundary=" + kBoundary},
                    {"Content-Length", QByteArray::number(body.size())}},
                   kUploadTimeoutMs, status);
}
