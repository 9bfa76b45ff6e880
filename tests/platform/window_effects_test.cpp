#include "platform/combo_display.h"
#include "platform/crlf_text_box.h"
#include "platform/dialog_conventions.h"
#include "platform/pic_box_glass.h"
#include "platform/send_keys.h"
#include "platform/vb_color.h"
#include "platform/window_effects.h"
#include "platform/window_registry.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(WindowEffects, FormRoundSpansOnePixelBeyondTheWindowWithEllipseCorners)
{
    QWidget window;
    window.resize(450, 515);
    FormRound(window, 85);
    const QRegion region = window.mask();
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 451, 516));
    struct Case { QPoint at; bool inside; };
    for (const Case& c : {Case{{0, 0}, false}, Case{{10, 10}, false}, Case{{30, 30}, true},
                          Case{{225, 0}, true}, Case{{0, 258}, true}, Case{{450, 515}, false},
                          Case{{440, 505}, false}, Case{{420, 485}, true}, Case{{450, 258}, true},
                          Case{{451, 258}, false}})
        EXPECT_EQ(region.contains(c.at), c.inside) << c.at.x() << "," << c.at.y();

    window.resize(100, 50);
    FormRound(window, 7);
    EXPECT_EQ(window.mask().boundingRect(), QRect(0, 0, 101, 51));
}

TEST(WindowEffects, TranslucentOpacityByteAndItsRefusals)
{
    QWidget window;
    EXPECT_FALSE(IsLayered(window));
    EXPECT_EQ(WindowAlpha(window), 255);
    struct Case { int percent; int result; int alpha; };
    for (const Case& c : {Case{50, 0, 128}, Case{0, 0, 255}, Case{100, 0, 0}, Case{25, 0, 191}}) {
        EXPECT_EQ(SetTranslucent(window, c.percent), c.result) << c.percent;
        EXPECT_EQ(WindowAlpha(window), c.alpha) << c.percent;
        EXPECT_TRUE(IsLayered(window));
    }
    QWidget untouched;
    EXPECT_EQ(SetTranslucent(untouched, 101), 1);
    EXPECT_EQ(SetTranslucent(untouched, -1), 1);
    EXPECT_FALSE(IsLayered(untouched));
    EXPECT_EQ(untouched.windowOpacity(), 1.0);
}

TEST(WindowEffects, TopMostBandKeepsThePlace)
{
    QWidget window;
    window.setGeometry(40, 50, 200, 100);
    window.show();
    EXPECT_NE(SetTopMost(window), 0);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry().size(), QSize(200, 100));
    EXPECT_NE(SetNoTopMost(window), 0);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window.isVisible());
}

namespace {

// A window painted in two colours: the left half (60, 200, 255), the right half (255, 255, 255).
struct PaintedWindow {
    QWidget window;
    QLabel* box = new QLabel(&window);
    PaintedWindow()
    {
        window.resize(200, 100);
        window.setAutoFillBackground(true);
        auto* left = new QWidget(&window);
        left->setGeometry(0, 0, 100, 100);
        left->setAutoFillBackground(true);
        QPalette p = left->palette();
        p.setColor(QPalette::Window, QColor(60, 200, 255));
        left->setPalette(p);
        p.setColor(QPalette::Window, Qt::white);
        window.setPalette(p);
        box->setGeometry(50, 20, 100, 60);
        window.show();
    }
    QColor at(int x, int y) const { return box->pixmap().toImage().pixelColor(x, y); }
};

} // namespace

TEST(PicBoxGlass, AndsTheWindowSnapshotWithGreyByDefault)
{
    PaintedWindow w;
    quint32 colour = 0;
    PicBoxGlass(*w.box, colour, 0, 0);
    EXPECT_EQ(colour, VbRGB(128, 128, 128));
    EXPECT_TRUE(w.box->isVisible());
    ASSERT_EQ(w.box->pixmap().size(), QSize(100, 60));
    EXPECT_EQ(w.at(10, 10), QColor(0, 128, 128));      // 60,200,255 & 128
    EXPECT_EQ(w.at(90, 10), QColor(128, 128, 128));    // white & 128
}

TEST(PicBoxGlass, AndsWithAnotherColourAndShiftsBySomeRows)
{
    PaintedWindow w;
    QPixmap before(100, 60);
    before.fill(QColor(255, 0, 255));
    w.box->setPixmap(before);
    quint32 colour = VbRGB(100, 100, 100);
    PicBoxGlass(*w.box, colour, 0, -40);
    EXPECT_EQ(colour, VbRGB(100, 100, 100));
    EXPECT_EQ(w.at(10, 0), QColor(60 & 100, 200 & 100, 255 & 100));
    EXPECT_EQ(w.at(10, 30), QColor(255 & 100, 0, 255 & 100));   // below the shifted snapshot
}

namespace {

// A dialog that notes what it sees when it opens and closes again at once.
class ClosingDialog : public QWidget, public FormEvents
{
public:
    explicit ClosingDialog(std::function<void()> onOpen) : m_onOpen(std::move(onOpen)) {}
    void Form_Activate() override
    {
        m_onOpen();
        QTimer::singleShot(0, this, [this] { hide(); });
    }

private:
    std::function<void()> m_onOpen;
};

} // namespace

TEST(DialogConventions, MainWindowIsHalfTransparentWhileTheDialogIsOpen)
{
    QWidget main;
    int alphaWhileOpen = -1;
    ClosingDialog dialog([&] { alphaWhileOpen = WindowAlpha(main); });
    ShowModalOverTranslucent(main, dialog);
    EXPECT_EQ(alphaWhileOpen, 128);
    EXPECT_EQ(WindowAlpha(main), 255);
    EXPECT_TRUE(IsLayered(main));
}

TEST(DialogConventions, ShadowShowsTheDarkenedWindowWhileTheDialogIsOpen)
{
    PaintedWindow w;
    w.box->hide();
    bool shownWhileOpen = false;
    ClosingDialog dialog([&] { shownWhileOpen = w.box->isVisible(); });
    ShowModalOverShadow(*w.box, dialog);
    EXPECT_TRUE(shownWhileOpen);
    EXPECT_FALSE(w.box->isVisible());
    EXPECT_EQ(w.at(10, 10), QColor(0, 128, 128));
}

namespace {

struct KeyForm {
    QWidget window;
    QLineEdit* first = new QLineEdit(&window);
    QLineEdit* second = new QLineEdit(&window);
    CrLfTextBox* message = new CrLfTextBox(&window);
    KeyForm()
    {
        message->setObjectName("txt문자내용");
        first->setGeometry(0, 0, 100, 20);
        second->setGeometry(0, 30, 100, 20);
        message->setGeometry(0, 60, 100, 60);
        window.show();
        QApplication::setActiveWindow(&window);
        first->setFocus();
    }
};

} // namespace

TEST(SendKeys, QueuedTabMovesTheFocusWhenEventsRun)
{
    KeyForm f;
    SendKeysWS("{TAB}", false);
    EXPECT_TRUE(f.first->hasFocus());
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.second->hasFocus());
    SendKeysWS("{TAB}", true);
    EXPECT_TRUE(f.message->hasFocus());
}

TEST(SendKeys, EnterMovesTheFocusAndBreaksTheLineInMessageBoxes)
{
    KeyForm f;
    EnterMovesFocus(f.window, {"txt문자"});
    f.first->setText("a");
    QTest::keyClick(f.first, Qt::Key_Return);
    EXPECT_TRUE(f.second->hasFocus());
    EXPECT_EQ(f.first->text(), "a");

    f.message->setFocus();
    f.message->setText("첫");
    f.message->moveCursor(QTextCursor::End);
    QTest::keyClick(f.message, Qt::Key_Return);
    EXPECT_TRUE(f.message->hasFocus());
    EXPECT_EQ(f.message->text(), "첫\r\n");
}

TEST(ComboDisplay, ListShowsTheItemCountAndTheBoxStaysPut)
{
    QWidget window;
    QComboBox combo(&window);
    combo.setGeometry(10, 20, 120, 24);
    ComboDisplayNo2(window, combo, 20);
    EXPECT_EQ(combo.maxVisibleItems(), 20);
    EXPECT_EQ(combo.geometry(), QRect(10, 20, 120, 24));
}
