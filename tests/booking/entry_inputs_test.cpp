#include "booking/entry_fixture.h"

#include "core/converters.h"
#include "platform/clock.h"
#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/placeholder_box.h"
#include "platform/spread_grid.h"
#include "platform/widget_look.h"
#include "server/reservation_entry_formats.h"
#include "server/server_globals.h"
#include "support/seams.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QTest>
#include <QTimer>

// The reservation panel's inputs: formats, end time, defaults, loading a reservation and the
// history clicks.

namespace {

const QString kLoad = "/Admin/zzimstateload.php";
const QString kHistory = "/program/SearchZZimLoading.php";
const QString kMemberPhone = "01054787890";

QString loadAnswer(const QString& day, const QString& time, const QString& end, const QString& block,
                   const QString& tables)
{
    return " day[" + day + "]day  time[" + time + "]time  finishscheduleTime[" + end
           + "]finishscheduleTime  requestname[홍길동]requestname  personcount[" + block + "]personcount  table["
           + tables + "]table  requestoz[모임]requestoz  memo[a!줄바꿈!b]memo  zzim_managername[김민준]zzim_managername ";
}

QString historyRow(const QString& num, const QString& start, const QString& state)
{
    return "zzim_num[" + num + "]zzim_num  zzim_regdate[" + start + "]zzim_regdate  zzim_table[A1;2]zzim_table "
           " zzim_state[" + state + "]zzim_state ";
}

using EntryInputs = EntryWindowTest;

TEST_F(EntryInputs, FormatsOfTheWindowsInputs)
{
    struct Case {
        QString scheme;
        QString block;
        QString code;
        int total;
    };
    const QList<Case> cases{{"0", "<persontype>0</persontype><totalcount>05</totalcount>", "T;5", 5},
                            {"1", "<persontype>1</persontype><sexmale>2</sexmale><sexfemale></sexfemale>", "M;2;F;0", 2},
                            {"2", "<persontype>2</persontype><big>3</big><small>1</small>", "B;3;S;1", 4},
                            {"9", "", "", 0}};
    for (const Case& c : cases) {
        gPersonType = c.scheme;
        frmB예약_등록B& w = open(0);
        w.txt인원_총인원Box->setText("05");
        w.txt인원_남성Box->setText("2");
        w.txt인원_여성Box->setText("");
        w.txt인원_대인Box->setText("3");
        w.txt인원_소인Box->setText("1");
        EXPECT_EQ(PartyBlockOf(w), c.block) << c.scheme.toStdString();
        EXPECT_EQ(PartyCodeOfWindow(w).code, c.code) << c.scheme.toStdString();
        EXPECT_EQ(PartyCodeOfWindow(w).total, c.total) << c.scheme.toStdString();
    }

    frmB예약_등록B& w = window();
    w.cob좌석Box[0]->setCurrentText("A1");
    w.txt인원Box[0]->setText("2");
    w.txt인원Box[1]->setText("3");
    w.cob좌석Box[2]->setCurrentText("B1");
    EXPECT_EQ(TableListOf(w), "A1;2;B1;0");

    const QList<std::pair<int, QString>> labels{
        {0, "오전 0시 30분"}, {11, "오전 11시 30분"}, {12, "오후 0시 30분"}, {23, "오후 11시 30분"}, {24, " 30분"}, {-1, " 30분"}};
    for (const auto& [hour, label] : labels)
        EXPECT_EQ(TimeLabel(hour, "30분"), label) << hour;
}

TEST_F(EntryInputs, TheEndFollowsTheStartCombos)
{
    frmB예약_등록B& w = open(0);
    struct Case {
        int length;
        QString hour;
        QString minute;
        QString endHour;
        QString endMinute;
    };
    const QList<Case> cases{{90, "20시", "40분", "22시", "10분"},
                            {120, "21시", "30분", "23시", "30분"},
                            {45, "10시", "20분", "11시", "00분"},
                            {60, "18시", "30분", "19시", "30분"}};
    w.종료시Box->setCurrentText("22시");
    for (const Case& c : cases) {
        gRequireTime = c.length;
        w.예약분Box->setCurrentText(c.minute);
        w.예약시Box->setCurrentText(c.hour);
        EXPECT_EQ(w.종료시(), c.endHour) << c.hour.toStdString() << c.length;
        EXPECT_EQ(w.종료분(), c.endMinute) << c.hour.toStdString() << c.length;
    }
}

TEST_F(EntryInputs, TheFirstOpeningsSetUpLeavesTheEndAlone)
{
    frmB예약_등록B& w = window();
    w.종료시Box->setCurrentIndex(0);
    w.예약시Box->setCurrentText("18시");
    EXPECT_EQ(w.종료시(), "10시");
}

TEST_F(EntryInputs, PartySizeBoxesTakeDigitsOnly)
{
    frmB예약_등록B& w = open(0);
    QLineEdit& box = *w.txt인원_총인원Box;
    box.setFocus();
    QTest::keyClicks(&box, "1a-. 2");
    EXPECT_EQ(box.text(), "12");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "1");
    box.home(false);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), "");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_NE(QApplication::focusWidget(), &box);
}

TEST_F(EntryInputs, PhoneBoxesTakeDigitsAndAPhoneThatIsNoneRegistersNothing)
{
    copyCache();
    frmB예약_등록B& w = open(0, "", "", QDate::currentDate().addDays(3).toString("yyyy-MM-dd") + " 18:30:00", "A1");
    w.txtS[0]->setText("Nobody");
    QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
    ASSERT_TRUE(w.IsNewMember());
    w.txtA[1]->setFocus();
    QTest::keyClicks(w.txtA[1], "abcd1234");
    EXPECT_EQ(w.txtA[1]->text(), "1234");
    w.txt인원_총인원Box->setText("2");
    backend->clearRequests();
    MessageBoxes().clear();
    QTest::mouseClick(w.CMD[4], Qt::LeftButton);
    EXPECT_EQ(messages(), QStringList{"휴대번호는 필수항목입니다!"});
    EXPECT_TRUE(backend->requestsTo("/program/RecommendPhoneShopMoveNoSMS.php").isEmpty());
    EXPECT_TRUE(backend->requestsTo("/vbPHP/zzimorder.php").isEmpty());

    w.txt연락처->setFocus();
    QTest::keyClicks(w.txt연락처, "010-1234-5678x");
    EXPECT_EQ(w.txt연락처->text(), "01012345678");
    w.txt성함Box->setFocus();
    EXPECT_EQ(w.txt연락처->text(), "010-1234-5678");
}

TEST_F(EntryInputs, TheFirstOpeningShowsTheSuggestedEndDay)
{
    const QDate day = QDate::currentDate().addDays(3);
    frmB예약_등록B& w = open(0, "", kMemberPhone, day.toString("yyyy-MM-dd") + " 18:30:00", "A1");
    EXPECT_EQ(w.종료일(), day);
    EXPECT_EQ(w.종료시(), "20시");
}

TEST_F(EntryInputs, FocusLooksOfTheBoxes)
{
    frmB예약_등록B& w = open(0);
    struct Case {
        PlaceholderBox* box;
        QString typed;
        QString left;
        QColor color;
    };
    w.OpenMemberPanelB();
    const QColor blue(0, 112, 192);
    const QList<Case> cases{{w.txtS[0], "", "번호를 입력하세요", QColor(224, 224, 224)},
                            {w.txtA[0], "", "이름 입력", QColor(122, 122, 122)},
                            {w.txtA[1], "", "", QColor(37, 103, 182)},
                            {w.txtB[1], "010", "010", blue},
                            {w.txtB[0], "", "이름을 입력하세요", QColor(224, 224, 224)},
                            {w.txtB[2], "  ", "  ", Qt::black}};
    for (const Case& c : cases) {
        c.box->setFocus();
        EXPECT_EQ(c.box->text(), "") << c.left.toStdString();
        c.box->setText(c.typed);
        w.txt매니저명->setFocus();
        EXPECT_EQ(c.box->text(), c.left);
        EXPECT_EQ(c.box->textColor(), c.color) << c.left.toStdString();
    }
    w.txtS[0]->setFocus();
    w.txtS[0]->setText("123");
    w.txt매니저명->setFocus();
    EXPECT_EQ(w.txtS[0]->textColor(), QColor(Qt::black));

    w.txtB2[0]->setFocus();
    EXPECT_EQ(BackColorOf(*w.txtB2[0]), QColor(255, 255, 192));
    w.txt매니저명->setFocus();
    EXPECT_EQ(w.txtB2[0]->text(), "고객회사 / 직함 / 특징등 메모 입력");
    EXPECT_EQ(ForeColorOf(*w.txtB2[0]), QColor(224, 224, 224));
    w.txtA2[0]->setFocus();
    w.txt매니저명->setFocus();
    EXPECT_EQ(BackColorOf(*w.txtA2[0]), QColor(242, 242, 242));
    EXPECT_EQ(ForeColorOf(*w.txtA2[0]), blue);
}

TEST_F(EntryInputs, LoadingAReservationFillsEveryInputAndItsTag)
{
    gSchHour = {9, 22};
    gPersonType = "1";
    backend->script(kLoad, StandinReply::text(loadAnswer("2024-05-03", "오전 9시 00분", "2024-05-03 19:30:00",
                                                         "<persontype>1</persontype><sexmale>02</sexmale><sexfemale></sexfemale>",
                                                         "A1;2;B1;0;A2;1;B1;1;룸2;1;A1;1;A2;5")));
    frmB예약_등록B& w = open(1, "20105", kMemberPhone);
    EXPECT_EQ(w.예약일(), QDate(2024, 5, 3));
    EXPECT_EQ(WidgetTag(*w.예약일Box), "2024-05-03");
    EXPECT_EQ(w.예약시(), "09시");
    EXPECT_EQ(WidgetTag(*w.예약시Box), "09");
    EXPECT_EQ(w.예약분(), "00분");
    EXPECT_EQ(WidgetTag(*w.예약분Box), "00분");
    EXPECT_EQ(w.종료시(), "19시");
    EXPECT_EQ(WidgetTag(*w.종료시Box), "19");
    EXPECT_EQ(w.종료분(), "30분");
    EXPECT_EQ(WidgetTag(*w.종료분Box), "30");
    EXPECT_EQ(w.txt인원_남성(), "2");
    EXPECT_EQ(WidgetTag(*w.txt인원_남성Box), "2");
    EXPECT_EQ(w.txt인원_여성(), "0");
    EXPECT_EQ(w.cob좌석(5), "A1");
    EXPECT_EQ(w.txt인원(5), "1");
    EXPECT_EQ(w.txt인원(1), "");
    EXPECT_EQ(WidgetTag(*w.cob좌석Box[0]), "A1;2;B1;0;A2;1;B1;1;룸2;1;A1;1;A2;5");
    EXPECT_EQ(w.txt요청사항(), "a\r\nb");
    EXPECT_EQ(w.txt요청사항Box->tag(), "a\r\nb");
    EXPECT_EQ(w.txt성함(), "홍길동");
    EXPECT_EQ(WidgetTag(*w.txt매니저명), "김민준");
    EXPECT_FALSE(w.picFrame[3]->isHidden());

    backend->script(kLoad, StandinReply::text(loadAnswer("2024-05-03", "오후 0시 30분", "2024-05-03 19:30:00", "", "")));
    open(1, "20105", kMemberPhone);
    EXPECT_EQ(w.예약시(), "12시");
    EXPECT_EQ(WidgetTag(*w.예약시Box), "12");
    EXPECT_EQ(w.txt인원_총인원(), "0");

    backend->script(kLoad, StandinReply::text(loadAnswer("2024-05-03", "오후 11시 50분", "2024-05-03 19:30:00", "", "")));
    w.예약시Box->setCurrentText("15시");
    open(1, "20105", kMemberPhone);
    EXPECT_EQ(WidgetTag(*w.예약시Box), "23");
    EXPECT_EQ(w.예약시(), "23시");
    EXPECT_EQ(w.예약분(), "50분");

    backend->script(kLoad, StandinReply::text("실패"));
    open(1, "20105", kMemberPhone);
    EXPECT_TRUE(w.picFrame[3]->isHidden());
    EXPECT_TRUE(w.picFrame[4]->isHidden());
    EXPECT_EQ(w.txt성함(), "");
    EXPECT_EQ(WidgetTag(*w.txt모임명Box), "");
}

TEST_F(EntryInputs, AStoredReservationLoadsWithEveryInputEqualToItsTag)
{
    gPersonType = "1";
    frmB예약_등록B& w = open(1, "20044", kMemberPhone);
    EXPECT_EQ(w.예약일Box->date().toString("yyyy-MM-dd"), WidgetTag(*w.예약일Box));
    EXPECT_EQ(ToLong(w.예약시()), ToLong(WidgetTag(*w.예약시Box)));
    EXPECT_EQ(w.예약분(), WidgetTag(*w.예약분Box));
    EXPECT_EQ(w.종료일Box->date().toString("yyyy-MM-dd"), WidgetTag(*w.종료일Box));
    EXPECT_EQ(ToLong(w.종료시()), ToLong(WidgetTag(*w.종료시Box)));
    EXPECT_EQ(ToLong(w.종료분()), ToLong(WidgetTag(*w.종료분Box)));
    EXPECT_EQ(TableListOf(w), WidgetTag(*w.cob좌석Box[0]));
    EXPECT_EQ(TableListOf(w), "룸2;4");
    EXPECT_EQ(w.txt인원_남성(), WidgetTag(*w.txt인원_남성Box));
    EXPECT_EQ(w.txt인원_여성(), "2");
    EXPECT_EQ(w.txt요청사항(), w.txt요청사항Box->tag());
    EXPECT_EQ(w.txt요청사항(), "알레르기: 땅콩 ＆ 새우");
}

TEST_F(EntryInputs, HistoryClicksDecideTheSaveButtonAndLoadThatReservation)
{
    ScopedFakeClock clock(QDateTime(QDate(2024, 5, 3), QTime(15, 0)));
    backend->script(kHistory, StandinReply::text(historyRow("1", "2024-05-02 18:00", "접수완료")
                                                 + historyRow("2", "2024-05-03 11:00", "답변대기")
                                                 + historyRow("3", "2024-05-10 11:00", "접수취소")
                                                 + historyRow("4", "2024-05-10 11:00", "NOSHOW")
                                                 + historyRow("5", "2024-05-11 11:00", "접수완료")
                                                 + historyRow("6", "not a date", "답변대기")));
    backend->script(kLoad, StandinReply::text(loadAnswer("2024-05-03", "오후 6시 00분", "2024-05-03 19:30:00", "",
                                                         "A1;2;B1;3")));
    frmB예약_등록B& w = open(0, "", kMemberPhone);
    backend->clearRequests();
    const QList<std::pair<int, bool>> clicks{{1, false}, {2, true}, {3, false}, {4, false}, {5, true}};
    for (const auto& [row, enabled] : clicks) {
        w.SPR[1]->Click(2, row);
        EXPECT_EQ(w.CMD[4]->isEnabled(), enabled) << row;
        EXPECT_EQ(w.m_CurBkNumT, QString::number(row));
        EXPECT_EQ(body(kLoad, row - 1), account() + "&zzimnum=" + QString::number(row));
    }
    EXPECT_EQ(w.m_ModeA, 0);
    EXPECT_EQ(w.txt인원(1), "3");

    backend->script(kLoad, StandinReply::text(loadAnswer("2024-05-03", "오후 6시 00분", "2024-05-03 19:30:00", "", "A1;2")));
    w.SPR[1]->Click(2, 1);
    EXPECT_EQ(w.cob좌석(1), "");
    EXPECT_EQ(w.txt인원(1), "");

    backend->clearRequests();
    w.SPR[1]->Click(2, 6);
    EXPECT_EQ(w.m_CurBkNumT, "1");
    EXPECT_TRUE(paths().isEmpty());
    w.SPR[1]->Click(2, 0);
    w.SPR[1]->Click(0, 2);
    EXPECT_TRUE(paths().isEmpty());
}

TEST_F(EntryInputs, AnAnswerOvertakenByALaterClickIsNotApplied)
{
    ScopedFakeClock clock(QDateTime(QDate(2024, 5, 3), QTime(9, 0)));
    backend->script(kHistory, StandinReply::text(historyRow("1", "2024-05-05 18:00", "접수완료")
                                                 + historyRow("2", "2024-05-06 11:00", "답변대기")));
    frmB예약_등록B& w = open(0, "", kMemberPhone);
    backend->scriptSequence(kLoad, {StandinReply::text(loadAnswer("2024-05-05", "오후 6시 00분", "2024-05-05 19:30:00", "", "A1;2")).after(300),
                                    StandinReply::text(loadAnswer("2024-05-06", "오전 11시 00분", "2024-05-06 12:30:00", "", "B1;4"))});
    QTimer::singleShot(50, &w, [&] { w.SPR[1]->Click(2, 2); });
    w.SPR[1]->Click(2, 1);
    EXPECT_EQ(w.m_CurBkNumT, "2");
    EXPECT_EQ(w.예약일(), QDate(2024, 5, 6));
    EXPECT_EQ(w.cob좌석(0), "B1");
}

TEST_F(EntryInputs, DefaultsOfANewReservation)
{
    ScopedFakeClock clock(QDateTime(QDate(2024, 5, 3), QTime(21, 47)));
    gSchHour = {9, 22};
    frmB예약_등록B& w = open(0, "", "", "2024-05-03 18:30:00", "A2");
    EXPECT_TRUE(paths().isEmpty());
    w.txtS[0]->setText("01099998888");
    QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
    EXPECT_EQ(w.예약일(), QDate(2024, 5, 3));
    EXPECT_EQ(w.예약시(), "18시");
    EXPECT_EQ(w.예약분(), "30분");
    EXPECT_EQ(w.cob좌석(0), "A2");
    EXPECT_EQ(w.txt인원(0), "1");
    EXPECT_EQ(w.종료시(), "20시");
    EXPECT_FALSE(w.picFrame[3]->isHidden());

    struct Case {
        QTime now;
        QString seat;
        QString hour;
        QString minute;
        QString table;
        QString count;
    };
    const QList<Case> cases{{QTime(21, 47), "룸9", "21시", "40분", "", ""},
                            {QTime(8, 15), "", "09시", "10분", "", ""},
                            {QTime(23, 5), "B1", "09시", "00분", "B1", "1"}};
    for (const Case& c : cases) {
        clock->set(QDateTime(QDate(2024, 5, 4), c.now));
        open(0, "", kMemberPhone, "", c.seat);
        EXPECT_EQ(w.예약일(), QDate(2024, 5, 4));
        EXPECT_EQ(w.예약시(), c.hour) << c.now.toString().toStdString();
        EXPECT_EQ(w.예약분(), c.minute) << c.now.toString().toStdString();
        EXPECT_EQ(w.cob좌석(0), c.table);
        EXPECT_EQ(w.txt인원(0), c.count);
    }

    w.txt인원Box[0]->setText("2");
    w.cob좌석Box[0]->setCurrentIndex(0);
    w.txtS[0]->setText("김민수");
    QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
    w.예약시Box->setCurrentText("12시");
    w.SPR[0]->Click(2, 1);
    EXPECT_EQ(w.예약시(), "09시");
    EXPECT_EQ(w.cob좌석(0), "");
    EXPECT_EQ(w.txt인원(0), "2");
}

} // namespace
