// Draws every picture the windows load from the "skin" folder and writes the notice chime into the
// "sound" folder:  vmr_make_skin <skin folder> <sound folder>

#include "skin_drawing.h"
#include "top_bar.h"
#include "wave_file.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <functional>

using namespace skin;

namespace {

struct Picture {
    QString name;
    std::function<QImage()> draw;
};

QImage WithPanel(QImage image, const QRect& panel)
{
    Field(image, panel);
    return image;
}

// A pop-up whose title band carries a close mark in its top-right corner (the window writes the title).
QImage PopUpWithClose(int width, int height, int bandHeight)
{
    QImage image = Background(width, height, QString(), bandHeight);
    Caption(image, QRect(width - 60, 0, 60, bandHeight), "✕", Qt::white, 22, true);
    return image;
}

// The request confirmation: a dark field under the white table label.
QImage RequestConfirmation()
{
    QImage image = PopUpWithClose(500, 570, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(20, 260, 180, 99), 8, 8);
    return image;
}

QList<Picture> Pictures()
{
    QList<Picture> list = {
        {"0001.gif", [] { return LoginBackground(); }},
        {"0106.gif", [] { return Wait(64); }},
        {"01001.jpg", [] { return Background(370, 136, "프로그램 업데이트", 50); }},
        {"btn0.jpg", [] { return Button(65, 29, "종  료", kBlue); }},
        {"btn1.jpg", [] { return Button(65, 29, "종  료", kBlue, true); }},
        {"btn2.jpg", [] { return Button(65, 29, "종  료", kDarkBlue); }},
        {"MDI_InnerA.gif", [] { return Background(1022, 654, QString(), 0); }},
        {"0401a.gif", [] { return Background(670, 710, QString(), 40); }},
        {"0411a.gif", [] { return PopUpWithClose(680, 600, 55); }},
        {"0414a.gif", [] { return WithPanel(Background(920, 620, QString(), 40), QRect(600, 50, 310, 560)); }},
        {"0414c.gif", [] { return WithPanel(PopUpWithClose(600, 450, 40), QRect(10, 50, 580, 390)); }},
        {"0416a.gif", [] { return Background(850, 750, QString(), 40); }},
        {"0417.gif", [] { return PopUpWithClose(498, 279, 34); }},
        {"02001.gif", [] { return WithPanel(Background(260, 36, QString(), 0), QRect(148, 1, 59, 34)); }},
        {"QA0013.gif", [] { return WithPanel(Background(406, 256, QString(), 0), QRect(20, 20, 366, 216)); }},
        {"QA0014.gif", [] { return RequestConfirmation(); }},
        {"btnC01.gif", [] { return Button(94, 44, "시간표", kBlue); }},
        {"btnC02.gif", [] { return Button(94, 44, "목  록", kDarkBlue); }},
        {"0501.gif", [] { return TopStrip(); }},
        {"top_commands.gif", [] { return TopCommands(); }},
        {"top_status.gif", [] { return TopStatus(); }},
        {"top_filler.gif", [] { return TopFiller(); }},
        {"0502.gif", [] { return CallerCard(); }},
        {"0503.gif", [] { return MiniIcon(); }},
        {"0504.gif", [] { return Button(38, 70, "☎", kBlue); }},
        {"0505.gif", [] { return Button(38, 70, "☎", kBlue, true); }},
        {"0506.gif", [] { return Button(38, 70, "☎", kGreen); }},
        {"0507.gif", [] { return Button(38, 70, "☎", kNavy, true); }},
        {"0508.gif", [] { return Button(38, 70, "▲", kGrey); }},
        {"0509.gif", [] { return Button(38, 70, "▲", kGrey, true); }},
        {"alarm.gif", [] { return Symbol(30, kOrange, "!"); }},
        {"refresh_on.gif", [] { return Symbol(30, kGreen, "자동"); }},
        {"refresh_off.gif", [] { return Symbol(30, kGrey, "수동"); }},
    };
    for (int i = 1; i <= 4; ++i)
        list.append({QString("btnD%1.gif").arg(i, 2, 10, QChar('0')), [i] { return Check(20, i % 2 == 0, i > 2); }});
    for (int i = 0; i < 4; ++i)
        list.append({QString("check_%1.gif").arg(i), [i] { return Check(14, i % 2 == 1, i > 1); }});
    for (int i = 1; i <= 12; ++i)
        list.append({QString("QA%1.gif").arg(i, 4, 10, QChar('0')), [i] { return Tile(335, 112, i); }});
    return list;
}

// Pictures keep the content the windows read (PNG, or JPEG where the name says so); the readers
// decide by content, not by name.
bool Save(const QImage& image, const QString& path)
{
    if (path.endsWith(".jpg"))
        return image.convertToFormat(QImage::Format_RGB32).save(path, "JPEG", 92);
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vmr_make_skin <skin folder> <sound folder>\n");
        return 2;
    }
    const QString skinDir = QString::fromLocal8Bit(argv[1]);
    const QString soundDir = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(skinDir) || !QDir().mkpath(soundDir))
        return 1;
    for (const Picture& picture : Pictures()) {
        if (!Save(picture.draw(), skinDir + "/" + picture.name)) {
            std::fprintf(stderr, "vmr_make_skin: cannot write %s\n", qPrintable(picture.name));
            return 1;
        }
    }
    return WriteChime(soundDir + "/DD.wav") ? 0 : 1;
}
