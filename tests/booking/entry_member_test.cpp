#include "booking/entry_fixture.h"

#include "core/backend_request.h"
#include "core/text_escapes.h"
#include "customer/member_answers.h"
#include "platform/crlf_text_box.h"
#include "server/server_globals.h"
#include "platform/message_box.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/placeholder_box.h"
#include "support/log_entries.h"
#include "support/seams.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

// The member panels of the entry window: saves of panel A and B, the car numbers, the withdrawal
// and the registration from panel B.

namespace {

const QString kEdit = "/program/MemberInfoEdit.php";
const QString kDetail = "/program/SearchMember1Detail2.php";
const QString kCars = "/vbPHP/MemberCarLoad.php";
const QString kCarAdd = "/vbPHP/MemberCarADD.php";
const QString kCarDelete = "/vbPHP/MemberCarDelete.php";
const QString kOut = "/program/memberoutShop.php";
const QString kOutAdmin = "/program/memberoutShopAdmin.php";
const QString kMemberPhone = "01054787890";

class EntryMember : public EntryWindowTest
{
protected:
    // The car requests since the last clear: "-" record number or "+" car number, in order.
    QStringList carRequests()
    {
        QStringList list;
        for (const StandinRequest& r : backend->requests()) {
            if (r.path == kCarDelete)
                list.append("-" + r.form().value("deletenum"));
            else if (r.path == kCarAdd)
                list.append("+" + r.form().value("carnumber"));
        }
        return list;
    }
};

TEST_F(EntryMember, PanelASavesTheWholeRecordAndReloads)
{
    frmB예약_등록B& w = open(0, "", kMemberPhone);
    backend->clearRequests();
    w.txtA2[0]->setText("a\r\nb & c");
    QTest::mouseClick(w.picA[0], Qt::LeftButton);
    QTest::mouseClick(w.CMD[0], Qt::LeftButton);
    EXPECT_EQ(body(kEdit), account() + "&numt=9011&name=한주원&levelname=단골&levelfrozen=N&levelnum=2&memot="
                               + VmrEncodeAA("a\r\nb & c")
                               + "&denyt=N&pointcheck=N&snst= snsi[N]snsi snsf[N]snsf snsb[N]snsb snse[N]snse"
                                 "&name2=&lastzzimnames=&add_phone1=031-222-3333&add_phone2=010-1111-2222"
                                 "&add_phone3=&careful=Y");
    EXPECT_EQ(paths(), QStringList({kEdit, kDetail, kCars}));
    EXPECT_EQ(w.picA[0]->tag(), "Y");
    EXPECT_EQ(w.txtA2[0]->text(), "a\r\nb ＆ c");

    backend->clearRequests();
    backend->script(kEdit, StandinReply::text("저장 성공 했습니다"));
    QTest::mouseClick(w.CMD[0], Qt::LeftButton);
    EXPECT_EQ(paths(), QStringList({kEdit, kDetail, kCars}));

    backend->clearRequests();
    backend->script(kEdit, StandinReply::text("실패"));
    w.txtA2[0]->setText("새 메모");
    QTest::mouseClick(w.CMD[0], Qt::LeftButton);
    EXPECT_EQ(messages(), QStringList({"실패! 다시 시도해주세요."}));
    EXPECT_EQ(MessageBoxes().shown().last().style, MsgStyle::OkOnly);
    EXPECT_EQ(paths(), QStringList({kEdit}));
    EXPECT_EQ(w.txtA2[0]->text(), "새 메모");

    backend->clearRequests();
    w.txtA[0]->setText("   ");
    QTest::mouseClick(w.CMD[0], Qt::LeftButton);
    EXPECT_EQ(paths(), QStringList({kDetail, kCars}));
    EXPECT_EQ(w.txtA[0]->text(), "한주원");
}

TEST_F(EntryMember, PanelBSavesCarsThenTheRecordAndAMemberWindowHides)
{
    frmB예약_등록B& w = open(3, "", kMemberPhone);
    backend->clearRequests();
    w.txtB[5]->setText("99허9999");
    w.txtB[2]->setText("031-999-8888");
    QTest::mouseClick(w.CMD[2], Qt::LeftButton);
    EXPECT_EQ(paths().mid(0, 3), QStringList({kCarDelete, kCarAdd, kEdit}));
    EXPECT_TRUE(body(kEdit).contains("&add_phone1=0319998888&add_phone2=01011112222&add_phone3=&careful=N"));
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(w.m_CarCount, 4);
    EXPECT_EQ(w.m_Car.last()[1], "99허9999");

    open(3, "", kMemberPhone);
    backend->script(kEdit, StandinReply::text("실패"));
    QTest::mouseClick(w.CMD[2], Qt::LeftButton);
    EXPECT_TRUE(w.isHidden());
}

TEST_F(EntryMember, CarSync)
{
    struct Case {
        QString name;
        QStringList boxes;
        QStringList requests;
    };
    const QList<Case> cases{
        {"equal", {"12가3456", "34나5678", "56다7890"}, {}},
        {"changed", {"X1", "34나5678", "56다7890"}, {"-501", "+X1"}},
        {"emptied", {"12가3456", "", "56다7890"}, {"-502"}},
        {"placeholder", {"12가3456", "34나5678", "차량번호3 (필요시)"}, {"-503"}},
        {"one number twice", {"12가3456", "12가3456", "56다7890"}, {"-502"}},
        {"extra blank", {"12가3456 ", "34나5678", "56다7890"}, {"-501", "+12가3456 "}},
        {"new number twice", {"N1", "N1", "56다7890"}, {"-501", "-502", "+N1"}},
    };
    for (const Case& c : cases) {
        backend.shop() = ShopState();
        ShopState::load(DefaultShopFolder(), QDate::currentDate(), backend.shop());
        frmB예약_등록B& w = open(0, "", kMemberPhone);
        backend->clearRequests();
        for (int i = 0; i < 3; ++i)
            w.txtC[i]->setText(c.boxes[i]);
        w.회원정보BC_Save(1);
        EXPECT_EQ(carRequests(), c.requests) << c.name.toStdString();
        EXPECT_FALSE(carRequests().contains("-504")) << c.name.toStdString();
    }
}

TEST_F(EntryMember, ASecondSyncStartsFromWhatTheFirstLeft)
{
    frmB예약_등록B& w = open(3, "", kMemberPhone);
    backend->script(kEdit, StandinReply::text("실패"));
    w.txtB[5]->setText("X1");
    w.txtB[6]->setText("");
    QTest::mouseClick(w.CMD[2], Qt::LeftButton);
    EXPECT_EQ(carRequests(), QStringList({"-501", "-502", "+X1"}));
    backend->clearRequests();
    w.회원정보BC_Save(0);
    EXPECT_EQ(carRequests(), QStringList());
}

TEST_F(EntryMember, TwelveCarsAndANewNumber)
{
    for (int i = 0; i < 8; ++i)
        backend.shop().cars.append({{"numb", QString::number(600 + i)}, {"membernum", "9011"}, {"carnumber", "차" + QString::number(i)}});
    frmB예약_등록B& w = open(0, "", kMemberPhone);
    EXPECT_EQ(w.m_CarCount, 12);
    backend->clearRequests();
    w.txtC[0]->setText("Z9");
    w.회원정보BC_Save(1);
    EXPECT_EQ(carRequests(), QStringList({"-501", "+Z9"}));
}

TEST_F(EntryMember, Withdrawal)
{
    frmB예약_등록B& w = open(3, "", "01090554833");
    backend->clearRequests();
    MessageBoxes().answer(MsgResult::Yes);
    MessageBoxes().answer(MsgResult::Yes);
    QTest::mouseClick(w.CMD[1], Qt::LeftButton);
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages()[0], "해당회원을 탈퇴처리 하시겠습니까?\r\n탈퇴하면 보유한 쿠폰, 포인트가 모두 소멸됩니다.");
    EXPECT_EQ(messages()[1], "대기중인 주문건이 있습니다.\n총 : 3개\n포장 : 1개\n예약 : 2개\n웨이팅 : 0개\n배달 : 0개"
                             "\r\n탈퇴하면 보유한 쿠폰,포인트,주문건이 모두 소멸됩니다.\r\n\r\n그래도 탈퇴 하시겠습니까?");
    EXPECT_EQ(MessageBoxes().shown()[1].style, MsgStyle::YesNo);
    EXPECT_EQ(body(kOutAdmin), account() + "&mnum=9002");
    EXPECT_EQ(paths().mid(0, 3), QStringList({kOut, kOutAdmin, kDetail}));
    EXPECT_TRUE(ReadMemberList(BackendRequest("t() ... ", "/program/SearchMember1.php").add("textz", "01090554833").send()).isEmpty());

    struct Case {
        QString first;
        QList<int> answers;
        QStringList paths;
        QStringList lastMessage;
    };
    const QString pending = "대기있음 checkcount[1]checkcount tolistcount[1]tolistcount ";
    const QList<Case> cases{{"성공", {MsgResult::No}, {kDetail, kCars}, {}},
                            {pending, {MsgResult::Yes, MsgResult::No}, {kOut, kDetail, kCars}, {}},
                            {pending + "성공", {MsgResult::Yes, MsgResult::Yes}, {kOut, kOutAdmin, kDetail, kCars}, {}},
                            {"실패", {MsgResult::Yes}, {kOut}, {"실패! 다시 시도해주세요."}}};
    for (const Case& c : cases) {
        open(3, "", kMemberPhone);
        backend->clearRequests();
        MessageBoxes().clear();
        backend->script(kOut, StandinReply::text(c.first));
        backend->script(kOutAdmin, StandinReply::text("성공"));
        for (int answer : c.answers)
            MessageBoxes().answer(answer);
        QTest::mouseClick(w.CMD[1], Qt::LeftButton);
        EXPECT_EQ(paths(), c.paths) << c.first.toStdString();
        if (!c.lastMessage.isEmpty()) {
            EXPECT_EQ(messages().last(), c.lastMessage.last());
        }
    }
    EXPECT_EQ(MessageBoxes().texts().size(), 2);
    open(3, "", kMemberPhone);
    MessageBoxes().clear();
    backend->script(kOut, StandinReply::text(pending));
    MessageBoxes().answer(MsgResult::Yes);
    MessageBoxes().answer(MsgResult::No);
    QTest::mouseClick(w.CMD[1], Qt::LeftButton);
    EXPECT_TRUE(messages()[1].startsWith("대기중인 주문건이 있습니다.\n총 : 1개\n포장 : 1개\r\n"));
}

TEST_F(EntryMember, RegistrationFromPanelB)
{
    frmB예약_등록B& w = open(0);
    w.OpenMemberPanelB();
    w.lbl회원모드->setText("회원등록");
    QTest::mouseClick(w.CMD[2], Qt::LeftButton);
    EXPECT_EQ(messages(), QStringList({"이름과 휴대번호는 필수항목입니다!"}));
    EXPECT_EQ(MessageBoxes().shown().last().icon(), MsgStyle::Information);
    EXPECT_TRUE(paths().isEmpty());

    w.txtB[0]->setText("새회원");
    w.txtB[1]->setText("010-3333-4444");
    w.txtB[2]->setText("02-111-2222");
    w.txtB[3]->setText("전화번호2 (필요시)");
    w.txtB2[0]->setText("메모\r\n둘");
    QTest::mouseClick(w.CMD[2], Qt::LeftButton);
    EXPECT_EQ(body("/program/RecommendPhoneShopMoveNoSMS.php"),
              account() + "&phonet=01033334444&name2=새회원&SavingText=0&memotext=" + VmrEncodeAA("메모\r\n둘")
                  + "&add_phone1=021112222&add_phone2=&add_phone3=");
    QStringList log4 = LogEntries("_WinHttp_4");
    log4.removeIf([](const QString& e) { return e.startsWith("GetWinHttp"); });
    ASSERT_EQ(log4.size(), 2);
    EXPECT_TRUE(log4[0].startsWith("준회원등록() ... "));
    EXPECT_EQ(body("/program/SearchMember1.php"), account() + "&textz=01033334444");
    EXPECT_EQ(w.txtA[0]->text(), "새회원");
    EXPECT_EQ(w.m_MemAddPhone1T, "021112222");
}

TEST_F(EntryMember, SavesOfTheReservationSendTheCarsAfterwards)
{
    copyCache();
    const QString day = QDate::currentDate().addDays(30).toString("yyyy-MM-dd");
    frmB예약_등록B& w = open(0, "", kMemberPhone, day + " 18:30:00", "A1");
    w.txt인원_총인원Box->setText("2");
    w.txtC[0]->setText("X1");
    backend->clearRequests();
    QTest::mouseClick(w.CMD[4], Qt::LeftButton);
    QStringList order = paths();
    order.removeAll("/vbPHP/zzimorderload.php");
    EXPECT_EQ(order, QStringList({"/vbPHP/zzimorder.php", "/program/SearchZZimLoading.php", kCarDelete, kCarAdd}));

    gPersonType = "1";
    open(1, "20044", kMemberPhone);
    backend->clearRequests();
    w.txt모임명Box->setText("바뀐 모임");
    w.txtC[1]->setText("");
    QTest::mouseClick(w.CMD[4], Qt::LeftButton);
    order = paths();
    order.removeAll("/vbPHP/zzimorderload.php");
    EXPECT_EQ(order, QStringList({"/Admin/zzimedit.php", kCarDelete}));
    EXPECT_TRUE(w.isHidden());
}

TEST_F(EntryMember, NoMemberInHandSendsNothing)
{
    frmB예약_등록B& w = open(0);
    w.txtB[0]->setText("이름");
    w.txtC[0]->setText("X1");
    w.회원정보BC_Save(1);
    EXPECT_TRUE(w.회원정보B_탈퇴());
    EXPECT_FALSE(w.회원정보B_Save());
    EXPECT_EQ(messages(), QStringList({"실패! 다시 시도해주세요."}));
    EXPECT_TRUE(paths().isEmpty());
}

} // namespace
