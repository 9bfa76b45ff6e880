#include "window_support/window_fixture.h"

#include "core/login_values.h"
#include "core/settings.h"
#include "messaging/instant_sms_window.h"
#include "support/seams.h"

#include <QApplication>
#include <QTest>

namespace {

const QString kSend = QStringLiteral("/program/sendSMS2.php");

class InstantSms : public WindowTest
{
protected:
    frmz즉시문자& open()
    {
        return openModeless<frmz즉시문자>();
    }

    // Presses keypad keys: digits, "010" (10) and "←" (11).
    static void keys(frmz즉시문자& window, const QList<int>& indexes)
    {
        for (int index : indexes)
            QTest::mouseClick(window.CMD2[index], Qt::LeftButton);
    }
};

TEST_F(InstantSms, TheKeypadFormatsTheNumberByPosition)
{
    frmz즉시문자& window = open();
    struct Step {
        QList<int> keys;
        QString shown;
    };
    const QList<Step> steps{
        {{0, 1, 0}, "010"},      {{5}, "010-5"},          {{5, 5, 5}, "010-5555"},
        {{6}, "010-5555-6"},    {{6, 6, 6}, "010-5555-6666"}, {{6}, "010-5555-66666"},
        {{11, 11, 11, 11}, "010-5555-6"}, {{11}, "010-5555"}, {{11, 11, 11, 11}, "010"},
        {{11, 11, 11, 11}, ""}, {{0, 2, 5, 5, 5, 5, 6, 6, 6, 6}, "025-5556-666"}, {{10}, "010"},
    };
    for (const Step& step : steps) {
        keys(window, step.keys);
        EXPECT_EQ(window.txt보낼번호->text(), step.shown);
        EXPECT_EQ(QApplication::focusWidget(), window.txt보낼번호);
        EXPECT_EQ(window.txt보낼번호->cursorPosition(), step.shown.size());
    }
    window.txt보낼번호->setText("0105555");
    keys(window, {6});
    EXPECT_EQ(window.txt보낼번호->text(), "010-5555-6");
    EXPECT_TRUE(mainLog().contains("CMD2_Click Start CMD2(10 010 ).Enabled := True"));
    EXPECT_TRUE(mainLog().contains("CMD2_Click Start CMD2(11 ← ).Enabled := True"));
    EXPECT_TRUE(mainLog().contains("CMD2_Click Start CMD2(6).Enabled := True"));
}

TEST_F(InstantSms, ADoubleClickPressesAKeyTwiceAndSendsOnce)
{
    frmz즉시문자& window = open();
    doubleClick(window.CMD2[7]);
    EXPECT_EQ(window.txt보낼번호->text(), "77");
    window.txt보낼번호->setText("010-5555-6666");
    window.txt문자->setText("안녕");
    doubleClick(window.CMD[1]);
    EXPECT_EQ(backend->requestsTo(kSend).size(), 1);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"성공!"});
}

TEST_F(InstantSms, TheSendPostsTheAnsiBodyWithItsThreeHeadersAndReportsTheOutcome)
{
    frmz즉시문자& window = open();
    window.txt보낼번호->setText(" 010-5555-6666 ");
    window.txt문자->setText("a\r\nb  ");
    const qint64 credit = backend.shop().credit;
    QTest::mouseClick(window.CMD[1], Qt::LeftButton);

    ASSERT_EQ(backend->requestsTo(kSend).size(), 1);
    const StandinRequest request = backend->requestsTo(kSend)[0];
    const QString body = "ID=" + gShopID + "&PassWord=" + gShopPW
                         + "&sendphonetext=01055556666&sendTEXT=%61%21%EC%A4%84%21%62";
    EXPECT_EQ(request.body, body.toLatin1());
    const qsizetype type = request.headers.indexOf("Content-Type: application/x-www-form-urlencoded");
    const qsizetype agent = request.headers.indexOf("User-Agent: Firefox 3.6.4");
    const qsizetype length = request.headers.indexOf("Content-Length: " + QByteArray::number(body.size()));
    EXPECT_GE(type, 0);
    EXPECT_GT(agent, type);
    EXPECT_GT(length, agent);
    EXPECT_EQ(window.txt보낼번호->text(), "010-5555-6666");
    EXPECT_EQ(window.txt문자->text(), "a\r\nb");
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"성공!"});
    EXPECT_EQ(MessageBoxes().shown()[0].style, MsgStyle::OkOnly);
    EXPECT_EQ(backend.shop().credit, credit - 20);
    EXPECT_EQ(httpLog().filter("GetWinHttp").size(), 1) << "only the order address request has an outcome line";
    EXPECT_TRUE(httpLog().contains("Send_문자() ... " + gServerURL + kSend + "?" + body));
    EXPECT_TRUE(httpLog().contains("Send_문자() ... ResponseStr:\r\n전송 성공"));

    struct Case {
        StandinReply reply;
        QString shown;
    };
    const QList<Case> cases{
        {StandinReply::text("처리 결과: 성공 (1건)"), "성공!"},
        {StandinReply::text("전송 실패"), "실패! 잠시후 다시 시도해주세요."},
        {StandinReply::text(""), "실패! 잠시후 다시 시도해주세요."},
        {StandinReply::drop(), "실패! 잠시후 다시 시도해주세요."},
    };
    for (const Case& c : cases) {
        MessageBoxes().clear();
        backend->script(kSend, c.reply);
        QTest::mouseClick(window.CMD[1], Qt::LeftButton);
        EXPECT_EQ(MessageBoxes().texts(), QStringList{c.shown});
        EXPECT_EQ(window.txt문자->text(), "a\r\nb");
        EXPECT_TRUE(window.CMD[1]->isEnabled());
    }
}

TEST_F(InstantSms, AnEmptyNumberOrMessageIsRefusedWithoutARequest)
{
    frmz즉시문자& window = open();
    window.txt보낼번호->setText("   ");
    window.txt문자->setText("안녕");
    QTest::mouseClick(window.CMD[1], Qt::LeftButton);
    window.txt보낼번호->setText("01055556666");
    window.txt문자->setText("  ");
    QTest::mouseClick(window.CMD[1], Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts(), (QStringList{"보낼 번호가 비었습니다!", "보낼 문자가 비었습니다!"}));
    EXPECT_TRUE(window.txt문자->text().isEmpty());
    EXPECT_TRUE(backend->requestsTo(kSend).isEmpty());
}

TEST_F(InstantSms, TheOrderAddressBelongsToTheShopThatReceivedIt)
{
    frmz즉시문자& window = open();
    EXPECT_EQ(window.txt주문코드->text(), gServerURL + "/order/index.php?shop=1207");
    EXPECT_EQ(QApplication::focusWidget(), window.txt보낼번호);
    EXPECT_TRUE(httpLog().contains("Load_설정(1) ... " + gServerURL + "/program/logins.php?ID=" + gShopID
                                   + "&PassWord=" + gShopPW));
    UnloadAllForms();

    backend->script("/program/logins.php", StandinReply::text("로그인 성공 번호[7]번호"));
    EXPECT_EQ(open().txt주문코드->text(), gServerURL + "/order/index.php?shop=1207");
    UnloadAllForms();

    gShopID = "othershop";
    EXPECT_TRUE(open().txt주문코드->text().isEmpty());
    UnloadAllForms();

    backend->script("/program/logins.php", StandinReply::text("로그인 실패"));
    EXPECT_TRUE(open().txt주문코드->text().isEmpty());
}

TEST_F(InstantSms, SavedTextsRoundTripThroughTheSettingsFile)
{
    frmz즉시문자& window = open();
    window.txt문자1->setText("1+1=2\r\n50% 할인");
    window.txt문자2->setText("A&B");
    window.txt문자4->setText("넷");
    QTest::mouseClick(window.CMD[0], Qt::LeftButton);
    EXPECT_EQ(gIniFrshop.ReadValue("즉시문자", "문자1", "").toString(), "1ccdd!!1=2!줄바꿈!50ddee!! 할인");
    window.txt문자3->setText("not saved");
    UnloadAllForms();

    frmz즉시문자& again = open();
    EXPECT_EQ(again.txt문자1->text(), "1+1=2\r\n50% 할인");
    EXPECT_EQ(again.txt문자2->text(), "A＆B");
    EXPECT_EQ(again.txt문자3->text(), "");
    QTest::mouseClick(again.CMD[5], Qt::LeftButton);
    EXPECT_EQ(again.txt문자->text(), "넷");
    EXPECT_EQ(again.lblBytes->text(), "2 Bytes");
}

TEST_F(InstantSms, TheByteCountAndTheEnterKey)
{
    frmz즉시문자& window = open();
    EXPECT_TRUE(window.lblBytes->text().isEmpty());
    window.txt문자->setText("가a");
    EXPECT_EQ(window.lblBytes->text(), "3 Bytes");

    window.txt문자->setFocus();
    window.txt문자->moveCursor(QTextCursor::End);
    QTest::keyClick(window.txt문자, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.txt문자->text(), "가a\r\n");
    EXPECT_EQ(window.lblBytes->text(), "5 Bytes");

    window.txt보낼번호->setFocus();
    QTest::keyClick(window.txt보낼번호, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), window.txt문자);
    EXPECT_EQ(window.txt보낼번호->text(), "");
}

} // namespace
