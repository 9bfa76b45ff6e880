#include "booking/entry_fixture.h"

#include "core/backend_request.h"
#include "core/text_escapes.h"
#include "server/reservation_cache.h"
#include "platform/clock.h"
#include "platform/crlf_text_box.h"
#include "platform/message_box.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/placeholder_box.h"
#include "platform/spread_grid.h"
#include "platform/widget_look.h"
#include "server/server_globals.h"
#include "support/log_entries.h"
#include "support/seams.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QRegularExpression>

#include <functional>

// Saving from the entry window: new reservations, the overlap check, field edits, cancel and
// no-show, against the stand-in and a copied cache.

namespace {

const QString kOrder = "/vbPHP/zzimorder.php";
const QString kDay = "/vbPHP/zzimorderload.php";
const QString kHistory = "/program/SearchZZimLoading.php";
const QString kEdit = "/Admin/zzimedit.php";
const QString kState = "/Admin/zzimstatechangeYN.php";
const QString kRegister = "/program/RecommendPhoneShopMoveNoSMS.php";
const QString kMemberPhone = "01054787890";

class EntrySave : public EntryWindowTest
{
protected:
    EntrySave()
    {
        copyCache();
        day = QDate::currentDate().addDays(30);
    }
    QString dayText() const { return day.toString("yyyy-MM-dd"); }
    QString at(const QString& time) const { return dayText() + " " + time + ":00"; }
    void save(frmB예약_등록B& w) { QTest::mouseClick(w.CMD[4], Qt::LeftButton); }
    QStringList requestsSinceOpen()
    {
        QStringList list = paths();
        list.removeAll("/program/SearchMember1.php");
        list.removeAll("/program/SearchMember1Detail2.php");
        list.removeAll("/vbPHP/MemberCarLoad.php");
        return list;
    }
    QDate day;
};

TEST_F(EntrySave, ANewReservationForAMember)
{
    frmB예약_등록B& w = open(0, "", kMemberPhone, at("18:30"), "A1");
    w.txt인원_총인원Box->setText("4");
    w.txt요청사항Box->setText("창가\r\n유아 의자 & 1");
    w.txt매니저명->setText("정하늘 & 팀장");
    backend->clearRequests();
    save(w);
    EXPECT_EQ(requestsSinceOpen(), QStringList({kDay, kOrder, kHistory}));
    EXPECT_EQ(body(kOrder), account() + "&day=" + dayText() + "&time=오후 6시 30분&finishscheduleTime=" + dayText()
                                + " 20:00:00&personcount=<persontype>0</persontype><totalcount>4</totalcount>"
                                  "&phone=01054787890&requestname=한주원&requestoz=&menus=&table=A1;1&xytext="
                                  "&ZZimBookingOrderT1=&ZZimBookingOrderT2=&ZZimBookingOrderT3="
                                  "&ordertext=창가!줄바꿈!유아 의자 %26 1&managername=정하늘 %26 팀장");
    EXPECT_EQ(messages(), QStringList({"예약을 등록하시겠습니까?"}));
    EXPECT_TRUE(LogEntries("_WinHttp").filter("예약이력_검색() ... ").size() == 2);
    EXPECT_TRUE(w.isHidden());
    const StandinRecord& stored = backend.shop().reservations.last();
    EXPECT_EQ(stored.value("membernum"), "9011");
    EXPECT_EQ(stored.value("regdatess3"), "18:30");
    EXPECT_EQ(stored.value("memo"), "창가\r\n유아 의자 & 1");
    EXPECT_EQ(cacheRows("NUM, 좌석, 인원").filter(stored.value("num")).size(), 1);
    const QString list = BackendRequest("test() ... ", kDay).add("day", dayText()).add("day2", dayText()).send();
    EXPECT_TRUE(list.contains("num[" + stored.value("num") + "]num"));
}

TEST_F(EntrySave, WithoutAMemberTheCachedRowCarriesEveryColumn)
{
    ScopedFakeClock clock(QDateTime::currentDateTime());
    frmB예약_등록B& w = open(0, "", "", at("18:30"), "A1");
    w.txtS[0]->setText("01099998888");
    QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
    w.txtS[0]->setText("김민수");
    QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
    ASSERT_EQ(w.SPR[0]->MaxRows(), 2);
    w.txt성함Box->setText("손님");
    w.txt연락처->setText("010-2468-1357");
    w.txt모임명Box->setText("모임");
    w.txt인원_총인원Box->setText("4");
    w.txt요청사항Box->setText("a\r\nb");
    save(w);
    EXPECT_TRUE(w.isHidden());
    const QStringList rows = cacheRows("NUM, 방문일, cPhoneT, 접수일시, 예약일시, 종료일시, 예약자, 모임명, 좌석, 인원, 인원N, 요청사항");
    ASSERT_EQ(rows.filter(QRegularExpression("^-1\\|")).size(), 1) << rows.join("\n").toStdString();
    EXPECT_EQ(rows.filter(QRegularExpression("^-1\\|"))[0], "-1|" + dayText() + "|01024681357|" + clock->now().toString("yyyy-MM-dd HH:mm") + "|"
                           + dayText() + " 18:30|" + dayText() + " 20:00|손님|모임|A1;1|T;4|4|a\r\nb");
}

TEST_F(EntrySave, AMissingCacheWritesNoRowAndTheWindowStillHides)
{
    QFile::remove(program.file("VmrBooking.mdb"));
    frmB예약_등록B& w = open(0, "", "", at("18:30"), "");
    w.txtS[0]->setText("김민수");
    QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
    w.txt성함Box->setText("손님");
    w.txt인원_총인원Box->setText("2");
    w.종료시Box->setCurrentText("11시");
    save(w);
    EXPECT_EQ(backend->requestsTo(kOrder).size(), 1);
    ASSERT_EQ(messages().size(), 2);
    EXPECT_TRUE(messages()[1].contains("VmrBooking.mdb"));
    EXPECT_FALSE(LogEntries().filter("E)frmB예약_등록B->MDB_Update_예약B DB OPEN Error: '").isEmpty());
    EXPECT_FALSE(QFile::exists(program.file("VmrBooking.mdb")));
    EXPECT_TRUE(w.isHidden());
}

TEST_F(EntrySave, ANewCustomerIsRegisteredFirst)
{
    frmB예약_등록B& w = open(0, "", "", at("18:30"), "A1");
    w.txtS[0]->setText("010-7777-6666");
    QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
    ASSERT_TRUE(w.IsNewMember());
    w.txtA[0]->setText("새손님");
    w.txtA2[0]->setText("메모 & 1");
    w.txt인원_총인원Box->setText("2");
    w.예약시Box->setCurrentText("19시");
    w.예약분Box->setCurrentText("00분");
    backend->clearRequests();
    save(w);
    EXPECT_EQ(body(kRegister), account() + "&phonet=01077776666&name2=새손님&SavingText=0&memotext=" + VmrEncodeAA("메모 & 1"));
    QStringList log4 = LogEntries("_WinHttp_4");
    log4.removeIf([](const QString& e) { return e.startsWith("GetWinHttp"); });
    ASSERT_EQ(log4.size(), 2);
    EXPECT_TRUE(log4[0].startsWith("준회원_등록B() ... "));
    EXPECT_TRUE(log4[1].startsWith("준회원_등록B() ... ResponseStr:\r\n성공"));
    EXPECT_EQ(body("/program/SearchMember1.php"), account() + "&textz=010-7777-6666");
    EXPECT_TRUE(body(kOrder).contains("&time=오후 7시 00분&finishscheduleTime=" + dayText() + " 20:30:00&"));
    EXPECT_TRUE(body(kOrder).contains("&requestname=새손님&"));
    EXPECT_TRUE(w.isHidden());
}

TEST_F(EntrySave, ANewCustomerNeedsANameAndARegistrationThatIsFound)
{
    frmB예약_등록B& w = open(0, "", "01077776666", at("18:30"), "A1");
    w.txt인원_총인원Box->setText("2");
    save(w);
    EXPECT_EQ(messages(), QStringList({"이름은 필수항목입니다!"}));
    EXPECT_EQ(MessageBoxes().shown().last().icon(), MsgStyle::Information);
    EXPECT_TRUE(backend->requestsTo(kRegister).isEmpty());

    MessageBoxes().clear();
    w.txtA[0]->setText("새손님");
    backend->script("/program/SearchMember1.php", StandinReply::text(" totalcount[0]totalcount "));
    save(w);
    EXPECT_EQ(messages(), QStringList({"준회원 등록에 실패했습니다!"}));
    EXPECT_TRUE(backend->requestsTo(kOrder).isEmpty());
    EXPECT_FALSE(w.isHidden());
    EXPECT_TRUE(w.CMD[4]->isEnabled());
}

TEST_F(EntrySave, RefusalsAndQuestions)
{
    frmB예약_등록B& w = open(0, "", kMemberPhone, at("18:30"), "A1");
    backend->script(kOrder, StandinReply::text("실패"));
    w.txt인원_총인원Box->setText("2");
    save(w);
    EXPECT_EQ(messages(), QStringList({"예약을 등록하시겠습니까?", "실패! 다시 시도해주세요."}));
    EXPECT_TRUE(w.CMD[4]->isEnabled());
    EXPECT_FALSE(w.isHidden());
    EXPECT_TRUE(cacheRows("NUM").filter("-1").isEmpty());

    struct Case {
        QString total;
        QString phone;
        QString name;
        QString message;
    };
    const QList<Case> cases{{"", kMemberPhone, "", "인원을 확인해주세요. 0명이상이여야 합니다."},
                            {"2", "", "", "연락처 또는 성함은 빈칸이 될수 없습니다."}};
    for (const Case& c : cases) {
        MessageBoxes().clear();
        backend->clearRequests();
        w.txt인원_총인원Box->setText(c.total);
        w.txt연락처->setText(c.phone);
        w.txt성함Box->setText(c.name);
        save(w);
        EXPECT_EQ(messages(), QStringList({c.message}));
        EXPECT_TRUE(backend->requestsTo(kOrder).isEmpty());
    }
    EXPECT_EQ(w.txt인원_여성(), "0");

    MessageBoxes().clear();
    backend->clearRequests();
    w.txt성함Box->setText("한주원");
    MessageBoxes().answer(MsgResult::No);
    save(w);
    EXPECT_TRUE(backend->requestsTo(kOrder).isEmpty());

    backend->clearScripts();
    w.예약일Box->setDate(QDate::currentDate().addDays(-1));
    MessageBoxes().clear();
    MessageBoxes().answer(MsgResult::No);
    save(w);
    EXPECT_EQ(messages(), QStringList({"예약가능시간이 아닙니다!\r\n\r\n그래도 등록하시겠습니까?"}));
    EXPECT_EQ(MessageBoxes().shown().last().style, MsgStyle::YesNo);
    EXPECT_TRUE(backend->requestsTo(kOrder).isEmpty());
    MessageBoxes().clear();
    save(w);
    EXPECT_EQ(messages(), QStringList({"예약가능시간이 아닙니다!\r\n\r\n그래도 등록하시겠습니까?"}));
    EXPECT_EQ(backend->requestsTo(kOrder).size(), 1);
    EXPECT_TRUE(w.isHidden());
}

TEST_F(EntrySave, OverlapsWithStoredReservationsOfTheDay)
{
    gSeat = {{"1", "A1", ""}, {"2", "A2", ""}, {"3", "1", ""}, {"4", "10", ""}};
    struct Stored {
        QString table;
        QString start;
        QString end;
    };
    struct Case {
        QList<Stored> stored;
        QString start;
        QString end;
        QStringList chosen;
        bool conflict;
    };
    const QList<Case> cases{{{{"A1;2", "09:00", "10:00"}, {"A1;2", "11:00", "12:00"}}, "10:00", "11:00", {"A1"}, false},
                            {{{"A1;2", "10:00", "10:30"}}, "10:00", "11:00", {"A1"}, true},
                            {{{"A1;2", "10:30", "12:00"}}, "10:00", "11:00", {"A1"}, true},
                            {{{"A1;2", "10:00", "11:00"}}, "09:00", "12:00", {"A1"}, true},
                            {{{"A1;2", "10:00", "11:00"}}, "10:00", "11:00", {"A1", "A2"}, true},
                            {{{"10;2", "10:00", "11:00"}}, "10:00", "11:00", {"1"}, false}};
    const QList<StandinRecord> sample = backend.shop().reservations;
    frmB예약_등록B& w = open(0, "", kMemberPhone, at("10:00"), "");
    w.txt인원_총인원Box->setText("2");
    int number = 70000;
    for (const Case& c : cases) {
        backend.shop().reservations = sample;
        for (const Stored& s : c.stored)
            backend.shop().reservations.append({{"num", QString::number(++number)}, {"YN", "Y"}, {"regdatess", dayText()},
                                                {"regdatess3", s.start}, {"finishscheduleTime", dayText() + " " + s.end},
                                                {"table", s.table}, {"persontype", "0"}, {"totalcount", "2"}});
        w.예약시Box->setCurrentText(c.start.left(2) + "시");
        w.예약분Box->setCurrentText(c.start.mid(3) + "분");
        w.종료시Box->setCurrentText(c.end.left(2) + "시");
        w.종료분Box->setCurrentText(c.end.mid(3) + "분");
        for (int i = 0; i < 6; ++i) {
            w.cob좌석Box[i]->setCurrentText(c.chosen.value(i));
            w.txt인원Box[i]->setText(i < c.chosen.size() ? "1" : "");
        }
        MessageBoxes().clear();
        MessageBoxes().answer(MsgResult::No);
        save(w);
        const QString expected = c.conflict ? "중복되었습니다!\r\n\r\n예약정보를 확인해주세요." : "예약을 등록하시겠습니까?";
        EXPECT_EQ(messages(), QStringList({expected})) << c.start.toStdString() << " " << c.chosen.join(",").toStdString();
    }

    backend->clearRequests();
    for (QComboBox* combo : w.cob좌석Box)
        combo->setCurrentIndex(0);
    MessageBoxes().answer(MsgResult::No);
    save(w);
    EXPECT_TRUE(backend->requestsTo(kDay).isEmpty());

    QFile::remove(program.file("VmrBooking.mdb"));
    w.cob좌석Box[0]->setCurrentText("A1");
    MessageBoxes().answer(MsgResult::Ok);
    MessageBoxes().answer(MsgResult::No);
    save(w);
    EXPECT_FALSE(LogEntries().filter("E)frmB예약_등록B->중복_체크 DB OPEN Error: '").isEmpty());
}

class EntryEdit : public EntrySave
{
protected:
    // Opens the stored reservation 20044 (룸2, 4 people, men and women) for an edit, its row cached.
    frmB예약_등록B& openStored()
    {
        gPersonType = "1";
        frmB예약_등록B& w = open(1, "20044", kMemberPhone);
        Load_예약_DAY(w.예약일().toString("yyyy-MM-dd"));
        backend->clearRequests();
        MessageBoxes().clear();
        return w;
    }
    QStringList editPaths()
    {
        QStringList list = paths();
        list.removeAll(kDay);
        return list;
    }
};

TEST_F(EntryEdit, OnlyChangedFieldsAreSentInOrder)
{
    frmB예약_등록B& w = openStored();
    save(w);
    EXPECT_EQ(editPaths(), QStringList());
    EXPECT_TRUE(messages().filter("중복").isEmpty());
    EXPECT_TRUE(w.isHidden());

    openStored();
    w.txt매니저명->setText("김민준 & 2");
    save(w);
    EXPECT_EQ(editPaths(), QStringList({kEdit}));
    EXPECT_EQ(body(kEdit), account() + "&zzimnum=20044&checks1=managername&checks2=김민준 %26 2");

    openStored();
    w.txt성함Box->setText("한주원2");
    w.txt매니저명->setText("김민준");
    w.txt인원_남성Box->setText("03");
    w.txt요청사항Box->setText("a&b\r\ncccdd\"d");
    save(w);
    EXPECT_EQ(editPaths(), QStringList({kEdit, kEdit, kEdit, kEdit}));
    EXPECT_EQ(body(kEdit, 0), account() + "&zzimnum=20044&checks1=requestname&checks2=한주원2&managername=김민준");
    EXPECT_EQ(body(kEdit, 1), account() + "&zzimnum=20044&checks1=personcount&checks2=<persontype>1</persontype>"
                                          "<sexmale>3</sexmale><sexfemale>2</sexfemale>&managername=김민준");
    EXPECT_EQ(body(kEdit, 2), account() + "&zzimnum=20044&checks1=memo&checks2=" + VmrEncodeAA("a&b\r\ncccdd\"d")
                                          + "&managername=김민준");
    EXPECT_EQ(body(kEdit, 3), account() + "&zzimnum=20044&checks1=managername&checks2=김민준");
    EXPECT_TRUE(LogEntries("_WinHttp").filter("예약수정_이름() ... ResponseStr:").size() == 1);
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(cacheRows("NUM, 예약자, 인원").filter("20044|").value(0), "20044|한주원2|M;3;F;2");
}

TEST_F(EntryEdit, ARefusalStopsTheChain)
{
    frmB예약_등록B& w = openStored();
    backend->script("/Admin/zzimedittime.php", StandinReply::text("실패"));
    w.txt성함Box->setText("한주원2");
    w.예약분Box->setCurrentText("10분");
    w.txt모임명Box->setText("새 모임");
    save(w);
    EXPECT_EQ(editPaths(), QStringList({kEdit, "/Admin/zzimedittime.php"}));
    EXPECT_FALSE(w.isHidden());
    EXPECT_TRUE(w.CMD[4]->isEnabled());
    EXPECT_EQ(messages(), QStringList({"예약가능시간이 아닙니다!\r\n\r\n그래도 등록하시겠습니까?", "실패! 다시 시도해주세요."}));
    EXPECT_EQ(cacheRows("NUM, 예약자").filter("20044|").value(0), "20044|한주원");
}

TEST_F(EntryEdit, AfterAHistoryClickTheEditsAddressThatReservation)
{
    frmB예약_등록B& w = openStored();
    SpreadGrid& history = *w.SPR[1];
    int row = 0;
    for (int r = 1; r <= history.MaxRows(); ++r)
        if (history.GetText(1, r) == "20094")
            row = r;
    ASSERT_GT(row, 0);
    history.Click(2, row);
    EXPECT_EQ(w.m_CurBkNumT, "20094");
    backend->clearRequests();
    w.txt모임명Box->setText("다른 모임");
    save(w);
    EXPECT_EQ(body(kEdit), account() + "&zzimnum=20094&checks1=requestoz&checks2=다른 모임&managername=최유진");
}

TEST_F(EntryEdit, CancelAndNoShow)
{
    frmB예약_등록B& w = openStored();
    ASSERT_EQ(cacheRows("NUM").filter("20044").size(), 1);
    MessageBoxes().answer(MsgResult::No);
    QTest::mouseClick(w.CMD2[1], Qt::LeftButton);
    EXPECT_TRUE(paths().isEmpty());
    EXPECT_FALSE(w.isHidden());
    QTest::mouseClick(w.CMD2[1], Qt::LeftButton);
    EXPECT_EQ(messages(), QStringList({"예약을 취소하시겠습니까?", "예약을 취소하시겠습니까?"}));
    EXPECT_EQ(body(kState), account() + "&zzimnum=20044&YNt=X&reason=취소&table=");
    EXPECT_TRUE(cacheRows("NUM").filter("20044").isEmpty());
    EXPECT_TRUE(w.isHidden());

    openStored();
    Load_예약_DAY(w.예약일().toString("yyyy-MM-dd"));
    backend->clearRequests();
    backend->script(kState, StandinReply::text(""));
    QTest::mouseClick(w.CMD2[2], Qt::LeftButton);
    EXPECT_EQ(messages(), QStringList({"실패! 다시 시도해주세요."}));
    EXPECT_FALSE(w.isHidden());

    backend->clearScripts();
    MessageBoxes().clear();
    QTest::mouseClick(w.CMD2[2], Qt::LeftButton);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(body(kState, 1).endsWith("&YNt=noshow&reason=노쇼&table="));
    EXPECT_TRUE(w.isHidden());

    open(0);
    backend->clearRequests();
    QTest::mouseClick(w.CMD2[1], Qt::LeftButton);
    EXPECT_EQ(messages(), QStringList({"예약을 취소하시겠습니까?"}));
    EXPECT_TRUE(paths().isEmpty());
    EXPECT_TRUE(w.isHidden());
}

TEST_F(EntryEdit, ACancelOrNoShowTheBackendDidNotAcceptIsNotDone)
{
    const QList<StandinReply> refusals{StandinReply::text(""), StandinReply::text("실패"),
                                       StandinReply::text("<html>Internal Server Error</html>", 500)};
    for (bool cancel : {true, false}) {
        for (const StandinReply& refusal : refusals) {
            frmB예약_등록B& w = openStored();
            Load_예약_DAY(w.예약일().toString("yyyy-MM-dd"));
            backend->script(kState, refusal);
            if (cancel)
                MessageBoxes().answer(MsgResult::Yes);
            QTest::mouseClick(w.CMD2[cancel ? 1 : 2], Qt::LeftButton);
            const std::string label = (cancel ? "cancel " : "no-show ") + refusal.body.toStdString();
            EXPECT_EQ(messages().last(), "실패! 다시 시도해주세요.") << label;
            EXPECT_FALSE(w.isHidden()) << label;
            EXPECT_EQ(cacheRows("NUM").filter("20044").size(), 1) << label;
            backend->clearScripts();
        }
    }
}

TEST_F(EntrySave, AStoredReservationWithoutEndRunsForTheUsualStay)
{
    frmB예약_등록B& w = open(0, "", kMemberPhone, at("18:30"), "A1");
    w.txt인원_총인원Box->setText("2");
    const QList<StandinRecord> sample = backend.shop().reservations;
    struct Case {
        QString storedStart;
        QString start;
        bool conflict;
    };
    const QList<Case> cases{{"18:30", "18:30", true}, {"17:30", "18:30", true}, {"17:00", "18:30", false},
                            {"19:50", "18:30", true}, {"20:00", "18:30", false}};
    for (const Case& c : cases) {
        backend.shop().reservations = sample;
        backend.shop().reservations.append({{"num", "70100"}, {"YN", "Y"}, {"regdatess", dayText()},
                                            {"regdatess3", c.storedStart}, {"finishscheduleTime", ""},
                                            {"table", "A1;2"}, {"persontype", "0"}, {"totalcount", "2"}});
        w.예약시Box->setCurrentText(c.start.left(2) + "시");
        w.예약분Box->setCurrentText(c.start.mid(3) + "분");
        MessageBoxes().clear();
        MessageBoxes().answer(MsgResult::No);
        save(w);
        const QString expected = c.conflict ? "중복되었습니다!\r\n\r\n예약정보를 확인해주세요." : "예약을 등록하시겠습니까?";
        EXPECT_EQ(messages(), QStringList({expected})) << c.storedStart.toStdString();
    }
}

TEST_F(EntrySave, TheNewReservationsCachedRowIsTheOneJustSaved)
{
    frmB예약_등록B& w = open(0, "", kMemberPhone, at("18:30"), "A1");
    w.txt인원_총인원Box->setText("3");
    qlonglong highest = 0;
    for (const StandinRecord& r : backend.shop().reservations)
        highest = qMax(highest, r.value("num").toLongLong());
    const QString next = QString::number(highest + 1);
    auto record = [](const QString& num, const QString& start, const QString& table) {
        return "zzim_num[" + num + "]zzim_num  zzim_regdate[" + start + "]zzim_regdate  finishscheduleTime[]finishscheduleTime "
               " zzim_request[한주원]zzim_request  zzim_oz[]requestoz  zzim_table[" + table
               + "]zzim_table  zzim_memo[]zzim_memo  zzim_person[<persontype>0</persontype><totalcount>3</totalcount>]zzim_person ";
    };
    backend->script(kHistory, StandinReply::text(" totalcount[3]totalcount " + record("20094", at("13:00").left(16), "B4;4;A3;4")
                                                 + record(next, at("18:30").left(16), "A1;1")
                                                 + record("20105", at("18:30").left(16), "A2;1")));
    save(w);
    const QStringList rows = cacheRows("NUM, 예약일시, 좌석, 인원");
    EXPECT_EQ(rows.filter(next + "|"), QStringList{next + "|" + dayText() + " 18:30|A1;1|T;3"}) << rows.join("\n").toStdString();
    EXPECT_TRUE(rows.filter(QRegularExpression("^(20094|20105)\\|")).isEmpty());
}

TEST_F(EntrySave, TheGuardTheLooksAndTheSmallButtons)
{
    frmB예약_등록B& w = open(0, "", kMemberPhone, at("18:30"), "A1");
    w.txt인원_총인원Box->setText("2");
    backend->script(kOrder, StandinReply::text("성공").after(200));
    QTimer::singleShot(50, &w, [&] { QTest::mouseClick(w.CMD[4], Qt::LeftButton); });
    save(w);
    EXPECT_EQ(backend->requestsTo(kOrder).size(), 1);
    const QStringList log = LogEntries();
    EXPECT_FALSE(log.filter("CMD_Click Start CMD(4).Enabled := True").isEmpty());

    open(0, "", kMemberPhone);
    QTest::mousePress(w.CMD[4], Qt::LeftButton);
    EXPECT_EQ(w.CMD[4]->faceColor(), QColor(Qt::white));
    QTest::mouseRelease(w.CMD[4], Qt::LeftButton);
    EXPECT_EQ(w.CMD[4]->faceColor(), QColor(0, 141, 238));
    QTest::mousePress(w.CMD2[5], Qt::LeftButton);
    EXPECT_EQ(w.CMD2[5]->faceColor(), QColor(179, 213, 234));
    QTest::mouseRelease(w.CMD2[5], Qt::LeftButton);
    EXPECT_EQ(w.CMD2[5]->textColor(), QColor(192, 192, 192));

    QTest::mouseClick(w.CMD3[1], Qt::LeftButton);
    EXPECT_EQ(w.txt매니저명->text(), "이서연");
    QTest::mouseClick(w.CMD3[5], Qt::LeftButton);
    EXPECT_EQ(w.txt매니저명->text(), "이서연");

    QTest::mouseClick(w.lblCMD, Qt::LeftButton);
    EXPECT_FALSE(w.picFrame[4]->isHidden());
    EXPECT_EQ(w.lbl회원모드->text(), "회원수정");
    QTest::mouseClick(w.CMD[3], Qt::LeftButton);
    EXPECT_TRUE(w.picFrame[4]->isHidden());
    EXPECT_FALSE(w.picFrame[3]->isHidden());
    QTest::mouseClick(w.CMD2[3], Qt::LeftButton);
    EXPECT_FALSE(w.picFrame[4]->isHidden());

    open(0, "", "01099998888");
    QTest::mouseClick(w.lblCMD, Qt::LeftButton);
    EXPECT_TRUE(w.picFrame[4]->isHidden());
}

} // namespace

// A backend that reads the request and closes the connection without answering: the booking, the
// field edit and the cancel each reach it once, and the window reports the failure and stays open.
TEST_F(EntryEdit, ARequestAnsweredByAClosedConnectionArrivesOnceAndFails)
{
    const struct {
        const char* name;
        QString path;
        std::function<frmB예약_등록B&()> open;
        std::function<void(frmB예약_등록B&)> act;
    } cases[] = {
        {"booking", kOrder,
         [this]() -> frmB예약_등록B& {
             frmB예약_등록B& w = open(0, "", kMemberPhone, at("18:30"), "A1");
             w.txt인원_총인원Box->setText("4");
             return w;
         },
         [this](frmB예약_등록B& w) { save(w); }},
        {"field edit", kEdit, [this]() -> frmB예약_등록B& { return openStored(); },
         [this](frmB예약_등록B& w) {
             w.txt매니저명->setText("김민준");
             save(w);
         }},
        {"cancel", kState, [this]() -> frmB예약_등록B& { return openStored(); },
         [](frmB예약_등록B& w) { QTest::mouseClick(w.CMD2[1], Qt::LeftButton); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        frmB예약_등록B& w = c.open();
        const qsizetype stored = backend.shop().reservations.size();
        backend->clearRequests();
        backend->script(c.path, StandinReply::drop());
        MessageBoxes().clear();
        MessageBoxes().answer(MsgResult::Yes);
        c.act(w);
        QTest::qWait(200);   // time enough for a repeat to arrive
        EXPECT_EQ(backend->requestsTo(c.path).size(), 1);
        EXPECT_EQ(messages().last(), "실패! 다시 시도해주세요.");
        EXPECT_FALSE(w.isHidden());
        EXPECT_EQ(backend.shop().reservations.size(), stored);
        backend->clearScripts();
        w.hide();
    }
}
