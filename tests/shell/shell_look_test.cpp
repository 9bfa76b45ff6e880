#include "shell/shell_fixture.h"

#include "core/login_values.h"
#include "platform/window_registry.h"
#include "platform/rounded_region.h"
#include "shell/login_window.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"

#include <QCoreApplication>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

// What a user sees of the login window and the main window, drawn with the built skin: readable
// texts, a visible mark under every command, badges and the mini icon whole.

namespace {

double Luminance(const QColor& color)
{
    const auto channel = [](double value) {
        value /= 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.red()) + 0.7152 * channel(color.green()) + 0.0722 * channel(color.blue());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage Picture(QWidget& window)
{
    QCoreApplication::processEvents();
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The lowest contrast between the label's text colour and the pixels behind its letters: the
// window drawn with and without the text tells the letters' pixels apart.
double TextContrast(QWidget& window, QLabel& label)
{
    const QImage withText = Picture(window);
    const QString text = label.text();
    label.setText(QString());
    const QImage behind = Picture(window);
    label.setText(text);
    const QColor ink = label.palette().color(QPalette::WindowText);
    const QRect place(label.mapTo(&window, QPoint(0, 0)), label.size());
    double lowest = 0;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x)
            if (withText.pixel(x, y) != behind.pixel(x, y)) {
                const double contrast = Contrast(ink, behind.pixelColor(x, y));
                lowest = lowest == 0 ? contrast : std::min(lowest, contrast);
            }
    return lowest;
}

// The columns, in the window, where the label's letters are drawn: the window drawn with and
// without the text tells them apart.
std::pair<int, int> LetterColumns(QWidget& window, QLabel& label)
{
    const QImage withText = Picture(window);
    const QString text = label.text();
    label.setText(QString());
    const QImage behind = Picture(window);
    label.setText(text);
    int left = window.width();
    int right = -1;
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x)
            if (withText.pixel(x, y) != behind.pixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

// Pixels of the place that stand out from the bar, whose colour (its base line included) each row
// shows at the place's left edge.
int MarkedPixels(const QImage& picture, const QRect& place)
{
    int marked = 0;
    for (int y = place.top(); y <= place.bottom(); ++y) {
        const QColor bar = picture.pixelColor(place.left(), y);
        for (int x = place.left(); x <= place.right(); ++x)
            marked += Contrast(bar, picture.pixelColor(x, y)) >= 1.5 ? 1 : 0;
    }
    return marked;
}

class ShellLook : public ShellTest
{
protected:
    ShellLook() { gSkinPath = QStringLiteral(VMR_BUILT_SKIN_DIR); }

    frmMainMDI& mainWindow()
    {
        gStoreName = QStringLiteral("한마당 숯불갈비");
        gVersionText = QStringLiteral("3.1.0.160 #25");
        frmMainMDI& main = Form<frmMainMDI>();
        main.show();
        main.resize(1024, 768);
        main.lblClock->setText(QStringLiteral("12.11 (금) 03:33"));
        return main;
    }
};

} // namespace

TEST_F(ShellLook, TheLoginWindowsNameIsReadableAndItsOutlineFollowsTheCorners)
{
    frmLogin& login = Form<frmLogin>();
    login.show();
    EXPECT_GE(TextContrast(login, *login.lbl앱이름), 4.5);

    const QImage picture = Picture(login);
    const QRegion shape = RoundedRegion(login.width(), login.height(), 85);
    const QColor fill = picture.pixelColor(login.width() / 2, login.height() / 2 - 40);
    const std::array<QPoint, 4> corners{QPoint(0, 0), QPoint(login.width() - 1, 0), QPoint(0, login.height() - 1),
                                        QPoint(login.width() - 1, login.height() - 1)};
    for (const QPoint& corner : corners) {
        const QPoint step(corner.x() == 0 ? 1 : -1, corner.y() == 0 ? 1 : -1);
        QPoint inside = corner;
        while (!shape.contains(inside))
            inside += step;
        double strongest = 0;
        for (int i = 0; i < 3; ++i)
            strongest = std::max(strongest, Contrast(fill, picture.pixelColor(inside + i * step)));
        EXPECT_GE(strongest, 1.5) << "no outline at the corner " << corner.x() << "," << corner.y();
    }
}

TEST_F(ShellLook, TheTopBarsTextsStandOnTheirBackground)
{
    frmMainMDI& main = mainWindow();
    main.WriteCreditLabels(1000);
    main.ShowLoginLink(true);
    for (QLabel* label : {main.lbl상호, main.lbl버전, main.lblClock, static_cast<QLabel*>(main.lblManual),
                          static_cast<QLabel*>(main.lbl문자내역), static_cast<QLabel*>(main.lblCID설정)})
        EXPECT_GE(TextContrast(main, *label), 4.5) << label->text().toStdString();
    // The credit below 500 messages in red and the logout link in green.
    for (QLabel* label : {main.lbl남은문자[0], main.lbl남은문자[1], main.lbl남은문자[2], static_cast<QLabel*>(main.lbl로그아웃)})
        EXPECT_GE(TextContrast(main, *label), 3.0) << label->text().toStdString();
}

// At the narrowest full width the four text commands stand apart, each inside its own box, and the
// last ends clear of the download icon and its caption.
TEST_F(ShellLook, TheTextCommandsStandApartAndClearOfTheIcons)
{
    frmMainMDI& main = mainWindow();
    main.ShowLoginLink(true);
    const std::array<QLabel*, 4> commands{main.lbl로그아웃, main.lblManual, main.lbl문자내역, main.lblCID설정};
    int previousRight = -1;
    for (QLabel* command : commands) {
        const auto [left, right] = LetterColumns(main, *command);
        const QRect box(command->mapTo(&main, QPoint(0, 0)), command->size());
        EXPECT_GE(left, box.left()) << command->text().toStdString();
        EXPECT_LE(right, box.right()) << command->text().toStdString();
        if (previousRight >= 0)
            EXPECT_GE(left - previousRight, 6) << command->text().toStdString();
        previousRight = right;
    }
    main.lbl다운로드->clear();
    const QImage picture = Picture(main);
    const QRect download(main.lbl다운로드->mapTo(&main, QPoint(0, 0)), main.lbl다운로드->size());
    int iconLeft = download.right();
    for (int y = download.top(); y <= download.bottom(); ++y)
        for (int x = download.left(); x <= download.right(); ++x)
            if (Contrast(picture.pixelColor(download.left(), y), picture.pixelColor(x, y)) >= 1.5)
                iconLeft = std::min(iconLeft, x);
    EXPECT_GE(iconLeft - previousRight, 6) << "the download icon or its caption begins at " << iconLeft;
}

TEST_F(ShellLook, EveryCommandHasAMarkAndTheBadgesAreWhole)
{
    frmMainMDI& main = mainWindow();
    const std::array<QLabel*, 10> commands{main.lbl다운로드, main.lblManual, main.lblAS,        main.lbl문자내역,
                                           main.lblCID설정, main.lblMinimize, main.lblMaximize, main.lblTerminate,
                                           main.lbl로그아웃, main.lbMiniView};
    for (QLabel* command : commands)
        command->clear();
    const QImage picture = Picture(main);
    for (QLabel* command : commands) {
        const QRect place = QRect(command->mapTo(&main, QPoint(0, 0)), command->size()).intersected(main.BG[0]->geometry());
        EXPECT_GE(MarkedPixels(picture, place), 15) << "nothing drawn under the command at " << place.x() << ","
                                                    << place.y();
    }
    for (PictureLabel* badge : {main.cmdRefresh, main.cmdAlarm}) {
        ASSERT_FALSE(badge->pixmap().isNull());
        EXPECT_LE(badge->pixmap().width(), badge->width());
        EXPECT_LE(badge->pixmap().height(), badge->height());
    }
}

TEST_F(ShellLook, TheMiniIconShowsTheIconAlone)
{
    frmMainMDI& main = mainWindow();
    main.lblMinimize_Click();
    ASSERT_EQ(main.size(), QSize(72, 61));
    const QImage picture = Picture(main);
    const QColor icon = picture.pixelColor(36, 50);
    for (int y = 57; y < 61; ++y)
        EXPECT_EQ(picture.pixelColor(36, y), icon) << "row " << y;
    main.lbMiniView_DblClick();
}
