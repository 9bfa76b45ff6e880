#include "window_support/window_fixture.h"

#include "config/reservation_settings_window.h"
#include "core/login_values.h"
#include "messaging/canned_phrases_window.h"
#include "platform/mdi_child.h"
#include "requests/table_requests_window.h"
#include "server/server_globals.h"
#include "shell/main_window.h"
#include "support/seams.h"

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

namespace {

const QString kTemplateLoad = QStringLiteral("/program/shopkakaotemplateLoad.php");
const QString kTemplateEdit = QStringLiteral("/program/shopkakaotemplateEdit.php");

class ReservationSettings : public WindowTest
{
protected:
    // Opened by the main window's top button.
    frmB설정& open()
    {
        QTest::mouseClick(main().TopCMD[3], Qt::LeftButton);
        return *static_cast<frmB설정*>(FindForm("frmB설정"));
    }

    QString login() const { return "ID=" + gShopID + "&PassWord=" + gShopPW; }

    QStringList paths() const
    {
        QStringList result;
        for (const StandinRequest& request : const_cast<ReservationSettings*>(this)->backend->requests())
            result.append(request.path.section('/', -1));
        return result;
    }
};

TEST_F(ReservationSettings, OpeningLoadsTheSixTemplatesThenTheSettingsAndShowsTheFirstTab)
{
    frmB설정& window = open();
    EXPECT_EQ(paths(), (QStringList{"shopkakaotemplateLoad.php", "shopkakaotemplateLoad.php", "shopkakaotemplateLoad.php",
                                    "shopkakaotemplateLoad.php", "shopkakaotemplateLoad.php", "shopkakaotemplateLoad.php",
                                    "checkkakaosms.php", "zzimloading.php"}));
    const QStringList kinds{"예약접수", "예약확인", "예약수정", "예약취소", "자동홍보문자", "이용안내"};
    const QStringList loads = bodiesTo(kTemplateLoad);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(loads.value(i), login() + "&typetext=예약&typetext2=" + kinds[i]);
    EXPECT_EQ(bodiesTo("/program/checkkakaosms.php"), QStringList{login()});
    EXPECT_TRUE(httpLog().contains("Load_설정() ... " + gServerURL + "/program/zzimloading.php?" + login()));
    EXPECT_TRUE(httpLog().contains("Load_카톡설정() ... " + gServerURL + kTemplateLoad + "?" + login()
                                   + "&typetext=예약&typetext2=이용안내"));

    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(window.templateTab(), 0);
    EXPECT_TRUE(window.fr알림문자[0]->isVisible());
    EXPECT_FALSE(window.fr알림문자[5]->isVisible());
    EXPECT_EQ(window.머리말[0]->text(), "[한마당 숯불갈비] 예약이 접수되었습니다.");
    EXPECT_EQ(window.꼬리말[5]->text(), "주차 2시간 무료\r\n영업시간 11:00 ~ 22:00");
    EXPECT_TRUE(window.머리말[1]->text().isEmpty());
    EXPECT_EQ(window.cob인원구분->currentIndex(), 1);
    EXPECT_EQ(window.소요시[0]->currentText(), "01");
    EXPECT_EQ(window.소요분[0]->currentText(), "30");
    EXPECT_EQ(window.표시간[0]->currentText(), "10");
    EXPECT_EQ(window.표시간[1]->currentText(), "22");
    EXPECT_TRUE(window.지정시간문자->isChecked());
    EXPECT_FALSE(window.예약시간전문자->isChecked());
    EXPECT_EQ(window.예약일전->currentText(), "1");
    EXPECT_EQ(window.txt노쇼한계->text(), "3");
    EXPECT_TRUE(window.optDID이름[1]->isChecked());
    EXPECT_TRUE(window.optDID모임명[0]->isChecked());
    EXPECT_TRUE(window.알림문자[0]->isChecked());
    EXPECT_FALSE(window.알림문자[1]->isChecked());
    EXPECT_TRUE(window.알림문자[2]->isChecked());
    EXPECT_EQ(window.소요시간타입[0]->text(), "1팀당 소요시간");
}

TEST_F(ReservationSettings, ValuesAreMatchedByNumberAndMissingMarkersFollowTheirKind)
{
    frmB설정& window = open();
    window.txt노쇼한계->setText("7");
    window.DID예약자보이기[0]->setText("15");
    window.optDID이름[2]->setChecked(true);
    backend->script("/program/zzimloading.php",
                    StandinReply::text(" ZZimScheduleScaleA1[9]ZZimScheduleScaleA1  ZZimScheduleScaleB1[024]ZZimScheduleScaleB1 "
                                       " ZZimRequireTimeA[6]ZZimRequireTimeA  ZZimRequireTimeB[60]ZZimRequireTimeB "
                                       " ZZimAlramPickTimeYN[n]ZZimAlramPickTimeYN  persontype[3]persontype "));
    backend->script("/program/checkkakaosms.php", StandinReply::text("성공 smskakaoSetting[ZC_2[y]ZC_2 ZC_4[N]ZC_4]smskakaoSetting"));
    window.Load_설정();
    EXPECT_EQ(window.표시간[0]->currentText(), "09");
    EXPECT_EQ(window.표시간[1]->currentText(), "24");
    EXPECT_EQ(window.소요시[0]->currentText(), "00");
    EXPECT_EQ(window.소요분[0]->currentText(), "60");
    EXPECT_TRUE(window.지정시간문자->isChecked());
    EXPECT_FALSE(window.예약시간전문자->isChecked()) << "a missing flag reads as not ticked";
    EXPECT_EQ(window.예약일전->currentText(), "0");
    EXPECT_EQ(window.cob인원구분->currentIndex(), 1);
    EXPECT_EQ(window.txt노쇼한계->text(), "7");
    EXPECT_EQ(window.DID예약자보이기[0]->text(), "15");
    EXPECT_TRUE(window.optDID이름[2]->isChecked());
    EXPECT_FALSE(window.알림문자[0]->isChecked()) << "only \"Y\" ticks";
    EXPECT_TRUE(window.알림문자[1]->isChecked()) << "a flag missing from a received string ticks";
    EXPECT_FALSE(window.알림문자[2]->isChecked());
}

TEST_F(ReservationSettings, AConfirmedSaveClosesTheOtherWindowsAndSendsTheSettings)
{
    QTest::mouseClick(main().TopCMD[0], Qt::LeftButton);
    frmB설정& window = open();
    ASSERT_TRUE(IsFormLoaded("frmB예약관리"));
    window.cob인원구분->setCurrentIndex(2);
    window.txt노쇼한계->setText("4");
    window.소요시[0]->setCurrentText("02");
    window.소요분[0]->setCurrentText("15");
    window.표시간[0]->setCurrentText("08");
    window.표시간[1]->setCurrentText("23");
    window.지정시간문자->setChecked(false);
    window.예약일전->setCurrentText("2");
    window.예약시[0]->setCurrentText("18");
    window.예약분[0]->setCurrentText("30");
    window.예약시간전문자->setChecked(true);
    window.예약시[1]->setCurrentText("01");
    window.예약분[1]->setCurrentText("00");
    window.DID예약자보이기[0]->setText("15");
    window.DID예약자보이기[1]->setText("05");
    window.optDID이름[2]->setChecked(true);
    window.optDID모임명[1]->setChecked(true);
    window.알림문자[0]->setChecked(false);
    window.알림문자[1]->setChecked(true);
    backend->clearRequests();
    // Answers Yes and notes whether the other windows were still loaded when the question came.
    struct Question : MessageBoxService {
        QStringList texts;
        bool othersLoaded = true;
        int show(const QString& text, const QString&, int) override
        {
            texts.append(text);
            othersLoaded = IsFormLoaded("frmB예약관리") || IsFormLoaded("z01");
            return MsgResult::Yes;
        }
    } question;
    SetMessageBoxService(&question);
    QTest::mouseClick(window.CMD[0], Qt::LeftButton);
    SetMessageBoxService(&MessageBoxes());

    EXPECT_FALSE(IsFormLoaded("frmB예약관리"));
    EXPECT_FALSE(IsFormLoaded("z01"));
    EXPECT_FALSE(question.othersLoaded);
    EXPECT_EQ(question.texts, QStringList{"예약설정을 저장하시겠습니까?"});
    EXPECT_EQ(paths(), (QStringList{"smskakaosettingedit.php", "zzimsave.php", "checkkakaosms.php", "zzimloading.php",
                                    "zzimloading.php"}));
    EXPECT_EQ(bodiesTo("/program/smskakaosettingedit.php"),
              QStringList{login() + "&smskakaoSetting=ZC_1[Y]ZC_1 ZC_2[N]ZC_2 ZC_3[Y]ZC_3 ZC_4[Y]ZC_4 ZC_5[N]ZC_5"
                          "&smskakaoSettingText=기본 알림 설정"});
    EXPECT_EQ(bodiesTo("/program/zzimsave.php"),
              QStringList{login() + "&zzimtimeselect=&ZZimPersonSetting=N&ZZimSMSSetting1=&persontype=2&zzimnoshow=4"
                          "&ZZimRequireTime=ZZimRequireTimeA[02]ZZimRequireTimeA  ZZimRequireTimeB[15]ZZimRequireTimeB"
                          "&ZZimScheduleScale=ZZimScheduleScaleA1[08]ZZimScheduleScaleA1 ZZimScheduleScaleA2[00]ZZimScheduleScaleA2 "
                          "ZZimScheduleScaleB1[23]ZZimScheduleScaleB1 ZZimScheduleScaleB2[00]ZZimScheduleScaleB2"
                          "&ZZimAlramPickTime=ZZimAlramPickTimeYN[N]ZZimAlramPickTimeYN  ZZimAlramPickTimeA[2]ZZimAlramPickTimeA  "
                          "ZZimAlramPickTimeB[18]ZZimAlramPickTimeB ZZimAlramPickTimeC[30]ZZimAlramPickTimeC"
                          "&ZZimAlramBeforeTime=ZZimAlramBeforeTimeYN[Y]ZZimAlramBeforeTimeYN  ZZimAlramBeforeTimeA[01]ZZimAlramBeforeTimeA  "
                          "ZZimAlramBeforeTimeB[00]ZZimAlramBeforeTimeB"
                          "&ZZimDID_ShowTimeA=15&ZZimDID_ShowTimeB=05&ZZimDID_ShowName=2&ZZimDID_ShowOZ=1"});
    EXPECT_EQ(gPersonType, "2");
    EXPECT_EQ(gRequireTime, 135);
    EXPECT_EQ(gSchHour, (std::array<int, 2>{8, 23}));
    EXPECT_EQ(window.DID예약자보이기[0]->text(), "15") << "the reload shows what the backend now holds";
    EXPECT_FALSE(window.알림문자[0]->isChecked());
    EXPECT_TRUE(window.CMD[0]->isEnabled());
}

TEST_F(ReservationSettings, NoSendsOnlyTheReloadAndAFailedNoticeLoadIsNotSentBack)
{
    backend->script("/program/checkkakaosms.php", StandinReply::text(""));
    frmB설정& window = open();
    backend->clearRequests();
    MessageBoxes().answer(MsgResult::No);
    QTest::mouseClick(window.CMD[0], Qt::LeftButton);
    EXPECT_EQ(paths(), QStringList{"zzimloading.php"});

    backend->clearRequests();
    MessageBoxes().answer(MsgResult::Yes);
    QTest::mouseClick(window.CMD[0], Qt::LeftButton);
    EXPECT_EQ(paths(), (QStringList{"zzimsave.php", "checkkakaosms.php", "zzimloading.php", "zzimloading.php"}));
    EXPECT_TRUE(mainLog().filter("smskakaosettingedit").size() == 1);
}

// A "성공" answer without the setting's markers keeps the strings and switches of the last good
// load, so the save that follows sends them as they were.
TEST_F(ReservationSettings, ANoticeAnswerWithoutItsMarkersKeepsTheLastGoodSetting)
{
    frmB설정& window = open();
    backend->script("/program/checkkakaosms.php", StandinReply::text("성공"));
    window.Load_설정();
    EXPECT_TRUE(window.알림문자[0]->isChecked());
    EXPECT_FALSE(window.알림문자[1]->isChecked());
    EXPECT_TRUE(window.알림문자[2]->isChecked());

    backend->clearRequests();
    MessageBoxes().answer(MsgResult::Yes);
    QTest::mouseClick(window.CMD[0], Qt::LeftButton);
    EXPECT_EQ(bodiesTo("/program/smskakaosettingedit.php"),
              QStringList{login() + "&smskakaoSetting=ZC_1[Y]ZC_1 ZC_2[Y]ZC_2 ZC_3[N]ZC_3 ZC_4[Y]ZC_4 ZC_5[N]ZC_5"
                          "&smskakaoSettingText=기본 알림 설정"});
    EXPECT_FALSE(window.알림문자[1]->isChecked());
}

// The count boxes take digits only; a save while one holds something else (a value loaded from
// the backend) is refused with a message naming the box, and nothing is sent. Empty boxes are
// sent as they are: a shop that never set its DID display times saves its other settings.
TEST_F(ReservationSettings, ASaveIsRefusedOnlyForACountBoxThatHoldsSomethingElseThanANumber)
{
    backend->script("/program/zzimloading.php",
                    StandinReply::text(" zzimnoshow[3]zzimnoshow ZZimDID_ShowTimeA[10분]ZZimDID_ShowTimeA "));
    frmB설정& window = open();
    EXPECT_EQ(window.DID예약자보이기[0]->text(), "10분");
    window.txt노쇼한계->clear();
    QTest::keyClicks(window.txt노쇼한계, "a5b");
    EXPECT_EQ(window.txt노쇼한계->text(), "5");
    backend->clearScripts();

    const struct {
        std::array<QString, 3> texts;   // the NO-SHOW box, then the two DID boxes
        QString message;                // empty: the save goes out
        QString noShow;                 // the save's fields
        QString did;
    } cases[] = {
        {{"abc", "3", "3"}, "NO-SHOW 처리방법 칸에 숫자를 입력하세요!", "", ""},
        {{"3", "10분", "3"}, "예약자 보이기 칸에 숫자를 입력하세요!", "", ""},
        {{"3", "3", "-5"}, "예약자 안보이기 칸에 숫자를 입력하세요!", "", ""},
        {{"", "", ""}, "", "zzimnoshow=0", "ZZimDID_ShowTimeA=&ZZimDID_ShowTimeB="},
        {{"4", "", "05"}, "", "zzimnoshow=4", "ZZimDID_ShowTimeA=&ZZimDID_ShowTimeB=05"},
        {{" ", "15", " "}, "", "zzimnoshow=0", "ZZimDID_ShowTimeA=15&ZZimDID_ShowTimeB= "},
    };
    const std::array<QLineEdit*, 3> boxes{window.txt노쇼한계, window.DID예약자보이기[0], window.DID예약자보이기[1]};
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringList(c.texts.begin(), c.texts.end()).join("|").toStdString());
        for (int i = 0; i < 3; ++i)
            boxes[i]->setText(c.texts[i]);
        backend->clearRequests();
        MessageBoxes().clear();
        MessageBoxes().answer(MsgResult::Yes);
        QTest::mouseClick(window.CMD[0], Qt::LeftButton);
        if (c.message.isEmpty()) {
            EXPECT_EQ(MessageBoxes().texts(), QStringList{"예약설정을 저장하시겠습니까?"});
            const QString save = bodiesTo("/program/zzimsave.php").value(0);
            EXPECT_TRUE(save.contains("&" + c.noShow + "&ZZimRequireTime=")) << save.toStdString();
            EXPECT_TRUE(save.contains("&" + c.did + "&ZZimDID_ShowName=")) << save.toStdString();
        } else {
            EXPECT_EQ(MessageBoxes().texts(), QStringList{c.message});
            EXPECT_EQ(paths(), QStringList{"zzimloading.php"}) << "only the program-wide settings are read again";
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(boxes[i]->text(), c.texts[i]);
        }
    }
    EXPECT_TRUE(window.CMD[0]->isEnabled());
}

// The save unloads the other work windows, the table requests among them, whose poll stops with
// them, whether the request window was opened at start-up or by its button, and whatever staff
// answer.
TEST_F(ReservationSettings, TheSaveStopsTheTableRequestPoll)
{
    const struct {
        bool atStartUp;
        int answer;
    } cases[] = {{false, MsgResult::No}, {false, MsgResult::Yes}, {true, MsgResult::No}, {true, MsgResult::Yes}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.atStartUp ? "start-up, " : "button, ") << c.answer);
        if (c.atStartUp) {
            main().m_FirstActivated = true;
            main().Form_Activate();
        } else {
            QTest::mouseClick(main().TopCMD[5], Qt::LeftButton);
        }
        auto* requests = dynamic_cast<frmz승인_고객요청*>(FindForm("frmz승인_고객요청"));
        ASSERT_NE(requests, nullptr);
        ASSERT_TRUE(requests->Timer_Refresh->isActive());
        requests->Timer_Refresh->setInterval(10);
        frmB설정& window = open();
        // The requests after the answer wait long enough for a running poll to ask.
        backend->script("/program/zzimloading.php", StandinReply::text(" persontype[1]persontype ").after(100));
        backend->clearRequests();
        MessageBoxes().answer(c.answer);
        // Clicked from the running event loop, as staff click: the unloaded window is deleted only
        // once the click's handler has returned.
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            QTest::mouseClick(window.CMD[0], Qt::LeftButton);
            QTimer::singleShot(200, &loop, &QEventLoop::quit);
        });
        loop.exec();
        EXPECT_FALSE(IsFormLoaded("frmz승인_고객요청"));
        EXPECT_TRUE(backend->requestsTo("/program/tableqrsettingloading.php").isEmpty())
            << paths().join(", ").toStdString();
        backend->clearScripts();
        UnloadMdiChildren();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ReservationSettings, TemplatesTravelAsTokensAndOnlyTheShownTabIsSaved)
{
    frmB설정& window = open();
    window.CMD2_Click(2);
    window.머리말[2]->setText("A&B+C 100%\r\n둘째 줄");
    window.꼬리말[2]->setText("");
    window.머리말[3]->setText("not sent");
    backend->clearRequests();
    QTest::mouseClick(window.CMD[3], Qt::LeftButton);
    EXPECT_EQ(bodiesTo(kTemplateEdit),
              QStringList{login() + "&typetext=예약&typetext2=예약수정&toptext=A!123!Bccdd!!C 100ddee!!!줄바꿈!둘째 줄&bottomtext="});
    EXPECT_EQ(bodiesTo(kTemplateLoad), QStringList{login() + "&typetext=예약&typetext2=예약수정"});
    EXPECT_EQ(window.머리말[2]->text(), "A＆B+C 100%\r\n둘째 줄");
    EXPECT_EQ(window.머리말[3]->text(), "not sent");
    EXPECT_EQ(MessageBoxes().texts(), QStringList{});
}

TEST_F(ReservationSettings, EnterMovesOnButBreaksTheLineInTheTemplateBoxes)
{
    frmB설정& window = open();
    window.cob인원구분->setFocus();
    QTest::keyClick(window.cob인원구분, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), window.txt노쇼한계);
    EXPECT_EQ(window.cob인원구분->currentIndex(), 1);
    window.표시간[1]->setFocus();
    QTest::keyClick(window.표시간[1], Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), window.표시간[0]);

    window.머리말[0]->setFocus();
    window.머리말[0]->moveCursor(QTextCursor::End);
    QTest::keyClick(window.머리말[0], Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.머리말[0]->text(), "[한마당 숯불갈비] 예약이 접수되었습니다.\r\n");
}

TEST_F(ReservationSettings, ThePhraseButtonOpensTheReservationPhrases)
{
    frmB설정& window = open();
    QString caption;
    whenShown("frmzComment", [&](QWidget& phrases) {
        caption = phrases.windowTitle();
        phrases.close();
    });
    QTest::mouseClick(window.CMD[2], Qt::LeftButton);
    EXPECT_EQ(caption, "상용구 (수락/거절)");
    EXPECT_EQ(bodiesTo("/program/commentloading.php"), QStringList{login() + "&selectText=예약"});
    EXPECT_EQ(bodiesTo("/program/commentsave.php").size(), 1);
    EXPECT_FALSE(window.picShadow->isVisible());
}

} // namespace

TEST_F(ReservationSettings, SavedSettingsComeBackAtTheNextOpening)
{
    frmB설정& window = open();
    window.cob인원구분->setCurrentIndex(0);
    window.txt노쇼한계->setText("7");
    window.소요시[0]->setCurrentText("03");
    window.소요분[0]->setCurrentText("45");
    window.표시간[0]->setCurrentText("07");
    window.표시간[1]->setCurrentText("20");
    window.지정시간문자->setChecked(false);
    window.예약시간전문자->setChecked(true);
    window.예약시[1]->setCurrentText("02");
    window.예약분[1]->setCurrentText("20");
    window.DID예약자보이기[0]->setText("30");
    window.DID예약자보이기[1]->setText("10");
    window.optDID이름[0]->setChecked(true);
    window.optDID모임명[2]->setChecked(true);
    window.알림문자[0]->setChecked(false);
    window.알림문자[1]->setChecked(true);
    window.알림문자[2]->setChecked(false);
    window.CMD2_Click(4);
    window.머리말[4]->setText("홍보 & 할인\r\n10%+");
    QTest::mouseClick(window.CMD[3], Qt::LeftButton);
    MessageBoxes().answer(MsgResult::Yes);
    QTest::mouseClick(window.CMD[0], Qt::LeftButton);
    UnloadForm("frmB설정");
    ASSERT_FALSE(IsFormLoaded("frmB설정"));

    frmB설정& again = open();
    EXPECT_EQ(again.cob인원구분->currentIndex(), 0);
    EXPECT_EQ(again.txt노쇼한계->text(), "7");
    EXPECT_EQ(again.소요시[0]->currentText(), "03");
    EXPECT_EQ(again.소요분[0]->currentText(), "45");
    EXPECT_EQ(again.표시간[0]->currentText(), "07");
    EXPECT_EQ(again.표시간[1]->currentText(), "20");
    EXPECT_FALSE(again.지정시간문자->isChecked());
    EXPECT_TRUE(again.예약시간전문자->isChecked());
    EXPECT_EQ(again.예약시[1]->currentText(), "02");
    EXPECT_EQ(again.예약분[1]->currentText(), "20");
    EXPECT_EQ(again.DID예약자보이기[0]->text(), "30");
    EXPECT_EQ(again.DID예약자보이기[1]->text(), "10");
    EXPECT_TRUE(again.optDID이름[0]->isChecked());
    EXPECT_TRUE(again.optDID모임명[2]->isChecked());
    EXPECT_FALSE(again.알림문자[0]->isChecked());
    EXPECT_TRUE(again.알림문자[1]->isChecked());
    EXPECT_FALSE(again.알림문자[2]->isChecked());
    EXPECT_EQ(again.머리말[4]->text(), "홍보 ＆ 할인\r\n10%+");
    EXPECT_EQ(gPersonType, "0");
    EXPECT_EQ(gRequireTime, 225);
    EXPECT_EQ(gSchHour, (std::array<int, 2>{7, 20}));
}

