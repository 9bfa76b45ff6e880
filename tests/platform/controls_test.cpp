#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/placeholder_box.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPixmap Filled(const QColor& color)
{
    QPixmap p(4, 4);
    p.fill(color);
    return p;
}

// A shown window with two boxes, so that the focus can move between them.
struct TwoBoxes {
    QWidget window;
    PlaceholderBox* first = new PlaceholderBox(&window);
    PlaceholderBox* second = new PlaceholderBox(&window);
    TwoBoxes()
    {
        first->setGeometry(0, 0, 100, 20);
        second->setGeometry(0, 30, 100, 20);
        window.show();
        QApplication::setActiveWindow(&window);
        second->setFocus();
    }
};

} // namespace

// The two orders in which platforms deliver a double click: the second press alone, or the
// second press followed by its double-click event.
template <class Widget>
void ExpectDoubleClickIsClickThenDblClick(Widget& widget)
{
    for (bool secondPress : {false, true}) {
        QStringList order;
        auto c = QObject::connect(&widget, &Widget::clicked, [&] { order << "Click"; });
        auto d = QObject::connect(&widget, &Widget::doubleClicked, [&] { order << "DblClick"; });
        QTest::mouseClick(&widget, Qt::LeftButton);
        if (secondPress)
            QTest::mousePress(&widget, Qt::LeftButton);
        QTest::mouseDClick(&widget, Qt::LeftButton);
        QTest::mouseRelease(&widget, Qt::LeftButton);
        EXPECT_EQ(order, (QStringList{"Click", "DblClick"})) << secondPress;
        QObject::disconnect(c);
        QObject::disconnect(d);
    }
}

TEST(PanelButton, DoubleClickIsOneClickThenDblClick)
{
    QWidget window;
    PanelButton button(&window, 3);
    button.setGeometry(0, 0, 60, 30);
    window.show();
    ExpectDoubleClickIsClickThenDblClick(button);
    EXPECT_EQ(button.index(), 3);
}

TEST(PanelButton, LooksPressedOnlyWhileHeldAndEnabled)
{
    QWidget window;
    PanelButton button(&window);
    button.setGeometry(0, 0, 60, 30);
    window.show();
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_TRUE(button.isPressedLook());
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_FALSE(button.isPressedLook());

    QSignalSpy clicks(&button, &PanelButton::clicked);
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(button.isPressedLook());
    EXPECT_EQ(clicks.count(), 0);
}

TEST(PanelButton, RoundedOutlineSpansOnePixelBeyondTheSize)
{
    QWidget window;
    PanelButton button(&window);
    button.resize(100, 40);
    window.show();
    button.setCorner(5);
    EXPECT_EQ(button.mask().boundingRect(), QRect(0, 0, 101, 41));
    EXPECT_FALSE(button.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(button.mask().contains(QPoint(50, 0)));
    button.resize(200, 40);
    EXPECT_EQ(button.mask().boundingRect(), QRect(0, 0, 201, 41));
}

TEST(PlaceholderBox, FocusClearsAnExactPlaceholderAndPutsItBackIntoAnEmptyBox)
{
    TwoBoxes w;
    w.first->showPlaceholder("번호를 입력하세요");
    EXPECT_TRUE(IsBlankOrPlaceholder(*w.first));
    EXPECT_EQ(w.first->textColor(), QColor(224, 224, 224));

    w.first->setFocus();
    EXPECT_EQ(w.first->text(), "");
    EXPECT_EQ(w.first->textColor(), QColor(Qt::black));
    w.second->setFocus();
    EXPECT_EQ(w.first->text(), "번호를 입력하세요");
    EXPECT_EQ(w.first->textColor(), QColor(224, 224, 224));

    w.first->setFocus();
    QTest::keyClicks(w.first, "0101234");
    w.first->setFilledColor(QColor(0, 112, 192));
    w.second->setFocus();
    EXPECT_EQ(w.first->text(), "0101234");
    EXPECT_EQ(w.first->textColor(), QColor(0, 112, 192));
    EXPECT_EQ(BoxValue(*w.first), "0101234");
}

TEST(PlaceholderBox, TypedPlaceholderCountsAsEmptyAndBlanksCountAsFilled)
{
    TwoBoxes w;
    w.first->setToolTip("이름을 입력하세요");
    w.first->setFocus();
    w.first->insert("이름을 입력하세요");
    w.second->setFocus();
    EXPECT_TRUE(IsBlankOrPlaceholder(*w.first));
    EXPECT_EQ(BoxValue(*w.first), "");
    w.first->setFocus();
    EXPECT_EQ(w.first->text(), "");

    QTest::keyClicks(w.first, "  ");
    w.second->setFocus();
    EXPECT_EQ(w.first->text(), "  ");

    struct Case { QString text, tip; bool blank; };
    for (const Case& c : {Case{"", "", true}, Case{"", "tip", true}, Case{"tip", "tip", true},
                          Case{"tip ", "tip", false}, Case{"x", "", false}})
        EXPECT_EQ(IsBlankOrPlaceholder(c.text, c.tip), c.blank) << c.text.toStdString();
}

TEST(CrLfTextBox, TextTravelsWithCrLfAndCtrlEnterBreaksTheLine)
{
    QWidget window;
    CrLfTextBox box(&window);
    window.show();
    box.setText("첫 줄\r\n둘째 줄");
    EXPECT_EQ(box.toPlainText(), "첫 줄\n둘째 줄");
    EXPECT_EQ(box.text(), "첫 줄\r\n둘째 줄");

    box.moveCursor(QTextCursor::End);
    QTest::keyClick(&box, Qt::Key_Return, Qt::ControlModifier);
    box.insertPlainText("셋");
    EXPECT_EQ(box.text(), "첫 줄\r\n둘째 줄\r\n셋");

    box.setToolTip("메모 입력");
    box.setText("메모 입력");
    EXPECT_EQ(BoxValue(box), "");
}

TEST(PictureLabel, ShowsListPlacesFromOneAndKeepsItsPictureOnAMissingPlace)
{
    PictureList list;
    list.Add(Filled(Qt::red));
    list.Add(Filled(Qt::blue));
    list.Set(5, Filled(Qt::green));
    EXPECT_EQ(list.Count(), 5);
    EXPECT_FALSE(list.Has(0));
    EXPECT_FALSE(list.Has(3));
    EXPECT_TRUE(list.Item(4).isNull());
    EXPECT_TRUE(list.Item(-1).isNull());

    PictureLabel label;
    EXPECT_TRUE(label.showPicture(list, 2));
    EXPECT_EQ(label.pixmap().toImage().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_FALSE(label.showPicture(list, 3));
    EXPECT_FALSE(label.showPicture(list, 99));
    EXPECT_EQ(label.pixmap().toImage().pixelColor(0, 0), QColor(Qt::blue));
}

TEST(PictureLabel, DoubleClickIsOneClickThenDblClick)
{
    QWidget window;
    PictureLabel label(&window);
    label.setGeometry(0, 0, 30, 30);
    window.show();
    ExpectDoubleClickIsClickThenDblClick(label);
}
