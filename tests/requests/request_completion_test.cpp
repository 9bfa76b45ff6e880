#include "requests/requests_fixture.h"

#include "core/settings.h"
#include "platform/window_registry.h"
#include "requests/request_confirm_window.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

const QString kFailed = QStringLiteral("완료 처리 실패했습니다!");

// The confirmation window while it is shown; nullptr otherwise.
frmz승인_고객요청_승인* confirmation()
{
    auto* window = static_cast<frmz승인_고객요청_승인*>(FindForm(frmz승인_고객요청_승인::FormName()));
    return window && window->isVisible() ? window : nullptr;
}

// Acts on the confirmation window once it is shown (the tile click lets events run before it
// shows the window).
void whenShown(const std::function<void(frmz승인_고객요청_승인&)>& act)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (frmz승인_고객요청_승인* confirm = confirmation()) {
            poll->stop();
            poll->deleteLater();
            act(*confirm);
        }
    });
    poll->start();
}

} // namespace

TEST_F(RequestsTest, TheTileButtonCompletesItsRequestAndReloadsOrReportsTheFailure)
{
    frmz승인_고객요청& w = open();
    QTest::mouseClick(w.CmdTBL[0], Qt::LeftButton);
    EXPECT_EQ(lastBodyTo(kCompletePath), "ID=vmrdemo&PassWord=demo1234&numt=5003");
    const QString log = completionLog();
    EXPECT_TRUE(log.contains("]Check_고객요청() ... " + backend->baseUrl()
                             + "/program/qrtablememoOK.php?ID=vmrdemo&PassWord=demo1234&numt=5003\r\n"));
    EXPECT_TRUE(log.contains("]Check_고객요청() ... ResponseStr:\r\n성공\r\n"));
    EXPECT_EQ(requestsTo(kListPath), 2);
    EXPECT_EQ(w.lb테이블[0]->text(), "룸-룸2");
    EXPECT_TRUE(MessageBoxes().shown().isEmpty());
    EXPECT_TRUE(w.CmdTBL[0]->isEnabled());

    backend->script(kCompletePath, StandinReply::text("처리 오류"));
    QTest::mouseClick(w.CmdTBL[1], Qt::LeftButton);
    EXPECT_EQ(lastBodyTo(kCompletePath), "ID=vmrdemo&PassWord=demo1234&numt=5005");
    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_EQ(MessageBoxes().shown()[0].text, kFailed);
    EXPECT_EQ(MessageBoxes().shown()[0].buttons(), 0);
    EXPECT_EQ(requestsTo(kListPath), 2);
    EXPECT_FALSE(w.picShadow->isVisible());
    EXPECT_TRUE(w.CmdTBL[1]->isEnabled());
}

TEST_F(RequestsTest, TheConfirmationWindowShowsTheRequestAndOnlyItsCompletionReloads)
{
    gIniFrshop.WriteValue("SET", "ConfirmA_Mode", 1);
    frmz승인_고객요청& w = open();
    EXPECT_FALSE(w.CmdTBL[0]->isVisibleTo(w.picA[0]));

    // "닫 기": nothing sent, nothing reloaded.
    QStringList texts;
    QSize size;
    bool shadowShown = false;
    int timeRoom = 0;
    whenShown([&](frmz승인_고객요청_승인& confirm) {
        texts = {confirm.lb이름->text(), confirm.lb시간->text(), confirm.lb테이블->text(), confirm.lb메모->text()};
        timeRoom = confirm.lb시간->contentsRect().width() - confirm.lb시간->fontMetrics().horizontalAdvance(texts[1]);
        size = confirm.size();
        shadowShown = w.picShadow->isVisible();
        QTest::mouseClick(confirm.CMD[1], Qt::LeftButton);
    });
    QTest::mouseClick(w.lb메모[1], Qt::LeftButton);
    EXPECT_EQ(texts[0], "010-****-9012");
    EXPECT_TRUE(texts[1].endsWith(" 12:14:47"));
    EXPECT_GE(timeRoom, 0) << "the time is cut";
    EXPECT_EQ(texts.mid(2), QStringList({"룸-룸2", "공기밥 X 2"}));
    EXPECT_EQ(size, QSize(500, 570));
    EXPECT_TRUE(shadowShown);
    EXPECT_FALSE(w.picShadow->isVisible());
    EXPECT_FALSE(w.m_Confirmed);
    EXPECT_EQ(requestsTo(kCompletePath), 0);
    EXPECT_EQ(requestsTo(kListPath), 1);

    // "완 료" pressed twice while its request runs: one request, then the list reloads.
    whenShown([](frmz승인_고객요청_승인& confirm) {
        QPointer<frmz승인_고객요청_승인> guard(&confirm);
        QTimer::singleShot(0, [guard] {
            QTest::mouseClick(guard->CMD[0], Qt::LeftButton);
            QTest::mouseClick(guard->lblTerminate, Qt::LeftButton);
        });
        QTest::mouseClick(confirm.CMD[0], Qt::LeftButton);
    });
    QTest::mouseClick(w.picA[1], Qt::LeftButton, {}, QPoint(300, 100));
    EXPECT_EQ(requestsTo(kCompletePath), 1);
    EXPECT_EQ(lastBodyTo(kCompletePath), "ID=vmrdemo&PassWord=demo1234&numt=5004");
    EXPECT_TRUE(w.m_Confirmed);
    EXPECT_EQ(requestsTo(kListPath), 2);
    EXPECT_EQ(w.lb테이블[1]->text(), "홀-B1");
    EXPECT_EQ(confirmation(), nullptr);
}

// Behind the confirmation the tiles show darkened where they are, down to the window's bottom edge.
TEST_F(RequestsTest, TheShadowBehindTheConfirmationShowsTheWindowInPlace)
{
    gIniFrshop.WriteValue("SET", "ConfirmA_Mode", 1);
    frmz승인_고객요청& w = open();
    const QImage before = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage shadow;
    whenShown([&](frmz승인_고객요청_승인& confirm) {
        shadow = w.picShadow->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        QTest::mouseClick(confirm.CMD[1], Qt::LeftButton);
    });
    QTest::mouseClick(w.lb메모[1], Qt::LeftButton);

    ASSERT_EQ(shadow.size(), before.size());
    const QRgb mask = qRgb(100, 100, 100);
    qsizetype same = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            same += shadow.pixel(x, y) == (before.pixel(x, y) & mask);
    EXPECT_GT(same, qsizetype(before.width()) * before.height() * 98 / 100);
    // The bottom rows too: no band left empty below the picture.
    const int bottom = before.height() - 5;
    for (int x : {40, before.width() / 2, before.width() - 40})
        EXPECT_EQ(shadow.pixel(x, bottom), before.pixel(x, bottom) & mask) << x;
}

TEST_F(RequestsTest, AFailedConfirmationKeepsTheWindowOpenAndEmptyOrCompletedTilesIgnoreClicks)
{
    gIniFrshop.WriteValue("SET", "ConfirmA_Mode", 1);
    frmz승인_고객요청& w = open();
    QTest::mouseClick(w.picA[10], Qt::LeftButton);
    EXPECT_EQ(confirmation(), nullptr);

    backend->script(kCompletePath, StandinReply::text(QString()));
    bool stillOpen = false;
    whenShown([&](frmz승인_고객요청_승인& confirm) {
        QTest::mouseClick(confirm.CMD[0], Qt::LeftButton);
        stillOpen = confirmation() == &confirm && confirm.lb테이블->text() == "홀-A3";
        QTest::mouseClick(confirm.lblTerminate, Qt::LeftButton);
    });
    QTest::mouseClick(w.picA[0], Qt::LeftButton);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(MessageBoxes().texts(), QStringList({kFailed}));
    EXPECT_FALSE(w.m_Confirmed);
    EXPECT_EQ(requestsTo(kListPath), 1);

    QTest::mouseClick(w.optVIEW[1], Qt::LeftButton);
    QTest::mouseClick(w.picA[0], Qt::LeftButton);
    EXPECT_EQ(confirmation(), nullptr);
}

TEST_F(RequestsTest, ARecordWithoutItsNumberTakesNoOtherRequestsNumberAndCompletesNothing)
{
    backend->script(kListPath, StandinReply::text("<memochecks><memonum>77</memonum><memotablename>A1</memotablename>"
                                                  "<regdatememo>1</regdatememo><memotext>물</memotext>"
                                                  "<memochecks><memotablename>A2</memotablename>"
                                                  "<regdatememo>2</regdatememo>"));
    frmz승인_고객요청& w = open();
    EXPECT_EQ(w.picA[0]->tag(), "77");
    EXPECT_EQ(w.lb테이블[1]->text(), "A2");
    EXPECT_EQ(w.picA[1]->tag(), "");
    EXPECT_EQ(w.lb메모[1]->text(), "");
    QTest::mouseClick(w.CmdTBL[1], Qt::LeftButton);
    EXPECT_EQ(requestsTo(kCompletePath), 0);
    EXPECT_TRUE(MessageBoxes().shown().isEmpty());
}
