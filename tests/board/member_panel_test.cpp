#include "board/board_fixture.h"

#include "board/fake_windows.h"
#include "support/log_entries.h"
#include "support/qt_printers.h"

#include <QTest>

namespace {

class MemberPanel : public BoardTest
{
protected:
    frmB예약관리& board() { return Form<frmB예약관리>(); }
    QStringList paths()
    {
        QStringList list;
        for (const StandinRequest& r : backend->requests())
            if (r.path != "/vbPHP/zzimorderload.php")
                list << r.path;
        return list;
    }
    QString bodyTo(const QString& path)
    {
        const QList<StandinRequest> list = backend->requestsTo(path);
        return list.isEmpty() ? QString() : QString::fromUtf8(list.last().body);
    }
    QString account() { return "ID=" + backend.shopId() + "&PassWord=" + backend.shopPassword(); }
    void search(const QString& text)
    {
        board().txtS[0]->setText(text);
        QTest::mouseClick(board().CMD[19], Qt::LeftButton);
    }
    void openCleared()
    {
        open();
        backend->clearRequests();
    }
};

TEST_F(MemberPanel, OneMatchLoadsDetailsAndHistory)
{
    openCleared();
    search("01078411465");
    EXPECT_EQ(paths(), QStringList({"/program/SearchMember1.php", "/program/SearchMember1Detail2.php",
                                    "/program/SearchZZimLoading.php"}));
    EXPECT_EQ(bodyTo("/program/SearchMember1.php"), account() + "&textz=01078411465");
    EXPECT_EQ(bodyTo("/program/SearchMember1Detail2.php"), account() + "&numt=9001");
    EXPECT_EQ(bodyTo("/program/SearchZZimLoading.php"), account() + "&numt=9001");
    const QStringList lines = LogEntries("_WinHttp");
    EXPECT_EQ(lines.filter("회원검색A() ... ").size(), 2);
    EXPECT_EQ(lines.filter("회원정보A_NumT(1) ... ").size(), 2);
    EXPECT_EQ(lines.filter("예약이력A() ... ").size(), 2);
    frmB예약관리& b = board();
    EXPECT_EQ(b.mCustNumT(), "9001");
    EXPECT_EQ(b.CMD[20]->caption(), "수정");
    EXPECT_TRUE(b.txtA[1]->isReadOnly());
    EXPECT_EQ(b.txtA[0]->text(), "김민수");
    EXPECT_EQ(b.txtA[1]->text(), "010-7841-1465");
    EXPECT_EQ(b.txtA2[0]->text(), "창가 선호");
    EXPECT_EQ(b.picA[0]->tag(), "Y");
    EXPECT_EQ(b.txtS[0]->text(), "");
    EXPECT_TRUE(b.picFrame[1]->isVisible());
    EXPECT_FALSE(b.picFrame[2]->isVisible());
    EXPECT_EQ(b.MemberPanel().m_Member.add_phone1, "02-555-1234");
}

TEST_F(MemberPanel, EnterSearchesFromTheSearchBoxOnly)
{
    openCleared();
    frmB예약관리& b = board();
    b.activateWindow();
    b.txtA[0]->setFocus();
    b.txtA[0]->setText("01078411465");
    QTest::keyClick(b.txtA[0], Qt::Key_Return);
    EXPECT_TRUE(paths().isEmpty());
    b.txtS[0]->setFocus();
    b.txtS[0]->setText("01078411465");
    QTest::keyClick(b.txtS[0], Qt::Key_Return);
    EXPECT_EQ(bodyTo("/program/SearchMember1.php"), account() + "&textz=01078411465");
}

TEST_F(MemberPanel, SeveralMatchesListThemAndLoadNothing)
{
    openCleared();
    search("김민수");
    frmB예약관리& b = board();
    EXPECT_GE(b.SPR[3]->MaxRows(), 2);
    EXPECT_EQ(b.SPR[3]->ActiveRow(), 1);
    EXPECT_EQ(b.SPR[3]->ActiveCol(), 3);
    EXPECT_EQ(b.SPR[3]->GetText(3, 1), "김민수");
    EXPECT_EQ(b.SPR[3]->GetText(2, 1), "010-7841-1465");
    EXPECT_TRUE(b.picFrame[2]->isVisible());
    EXPECT_EQ(b.mCustNumT(), "");
    EXPECT_EQ(b.txtA[0]->text(), "");
    EXPECT_TRUE(backend->requestsTo("/program/SearchMember1Detail2.php").isEmpty());
}

TEST_F(MemberPanel, NobodyFoundReadiesANewCustomer)
{
    openCleared();
    const struct {
        QString text;
        QString name, phone;
    } cases[] = {{"01055550000", "", "01055550000"},
                 {"010-5555-0000", "", "010-5555-0000"},
                 {"홍길순", "홍길순", ""},
                 {"가나다 라마바", "", "가나다 라마바"}};
    frmB예약관리& b = board();
    for (const auto& c : cases) {
        search(c.text);
        // A box shows its placeholder, or nothing while it has the focus.
        EXPECT_EQ(BoxValue(*b.txtA[0]), c.name) << c.text.toStdString();
        EXPECT_EQ(BoxValue(*b.txtA[1]), c.phone) << c.text.toStdString();
        EXPECT_EQ(b.lb직전예약->text(), "신규 회원");
        EXPECT_EQ(b.lb직전예약->font().pointSize(), 18);
        EXPECT_EQ(b.lb직전예약->palette().color(QPalette::WindowText), QColor(175, 0, 14));
        EXPECT_EQ(b.CMD[20]->caption(), "저장");
        EXPECT_FALSE(b.txtA[1]->isReadOnly());
        EXPECT_EQ(BoxValue(*b.txtS[0]), "");
    }
    // An empty box (or one showing its placeholder) sends nothing, and the placeholder never
    // becomes a name.
    const int searches = backend->requestsTo("/program/SearchMember1.php").size();
    b.SPR[3]->SetMaxRows(0);
    b.txtS[0]->setText(b.txtS[0]->toolTip());
    b.회원검색A(false);
    EXPECT_EQ(backend->requestsTo("/program/SearchMember1.php").size(), searches);
    EXPECT_EQ(BoxValue(*b.txtA[0]), "");
    EXPECT_EQ(BoxValue(*b.txtA[1]), "");
}

TEST_F(MemberPanel, DetailAnswerIntoThePanel)
{
    openCleared();
    backend->script("/program/SearchMember1Detail2.php",
                    StandinReply::text(" names[임시]names  name2[  홍 길동 ]name2  phone[010-1234-5678]phone "
                                       " memo[첫줄!줄바꿈!둘째 !123!]memo  careful[Y]careful  level[G]level "
                                       "<level> levelnum[1]levelnum  levelname[S]levelname </level>"
                                       "<level> levelnum[2]levelnum  levelname[G]levelname </level>"));
    frmB예약관리& b = board();
    b.회원정보A_NumT("77");
    const BoardMember& m = b.MemberPanel().m_Member;
    EXPECT_EQ(b.txtA[0]->text(), "홍 길동");
    EXPECT_EQ(m.name2, "  홍 길동 ");
    EXPECT_EQ(m.phone, "01012345678");
    EXPECT_EQ(b.txtA[1]->text(), "010-1234-5678");
    EXPECT_EQ(b.txtA2[0]->text(), "첫줄\r\n둘째 ＆");
    EXPECT_EQ(b.picA[0]->tag(), "Y");
    EXPECT_EQ(b.picA[0]->pixmap().toImage(), b.ImgBtn.Item(2).toImage());
    EXPECT_EQ(m.levelnum, "2");

    backend->script("/program/SearchMember1Detail2.php", StandinReply::text(" names[박]names  phone[1588]phone "));
    b.회원정보A_NumT("78");
    EXPECT_EQ(b.txtA[1]->text(), "1588");
    backend->script("/program/SearchMember1Detail2.php", StandinReply::text(" names[]names "));
    b.회원정보A_NumT("79");
    EXPECT_EQ(b.txtA[0]->text(), "박");
    EXPECT_EQ(m.numt, "78");
}

TEST_F(MemberPanel, HistoryCountersRowsAndLooks)
{
    const auto record = [](const QString& num, const QString& state, const QString& tables) {
        return "zzim_num[" + num + "]zzim_num  zzim_regdate[2024-05-03 18:30]zzim_regdate  zzim_request[김]zzim_request "
               " zzim_oz[모임]requestoz  zzim_table[" + tables + "]zzim_table  zzim_state[" + state + "]zzim_state "
               " zzim_person[<persontype>0</persontype><totalcount>4</totalcount>]zzim_person ";
    };
    backend->script("/program/SearchZZimLoading.php",
                    StandinReply::text(" totalcount[1234]totalcount  totalpersoncount[0]totalpersoncount "
                                       " recentzzim[2024-05-03]recentzzim  noshowcount[1]noshowcount " +
                                       record("1", "접수취소", "A;2;B1;3") + record("2", "NOSHOW", "A1;2") +
                                       record("3", "접수완료", "A1;2") + record("4", "답변대기", "") +
                                       record("5", "접수취소", "A1;2")));
    openCleared();
    frmB예약관리& b = board();
    b.MemberPanel().예약이력A("9001");
    EXPECT_EQ(b.lb총예약수->text(), "1,234");
    EXPECT_EQ(b.lb총예약인원->text(), "");
    EXPECT_EQ(b.lb직전예약->text(), "직전예약 - 24.05.03");
    EXPECT_EQ(b.lb예약취소->text(), "2");
    SpreadGrid& history = *b.SPR[2];
    ASSERT_EQ(history.MaxRows(), 5);
    EXPECT_EQ(history.GetText(5, 1), "A B1");
    const OleColor looks[] = {OleColor(VbRGB(170, 170, 170)), OleColor(VbRGB(255, 0, 255)), 0, OleColor(VbRGB(255, 0, 0))};
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(history.CellAt(2, row)->foreColor, looks[row - 1]) << row;
    EXPECT_TRUE(history.CellAt(2, 1)->fontItalic);
    EXPECT_EQ(history.ActiveRow(), 1);
    EXPECT_EQ(history.ActiveCol(), 4);
    EXPECT_TRUE(b.picFrame[1]->isVisible());
    backend->clearRequests();
    b.MemberPanel().예약이력A("");
    EXPECT_TRUE(paths().isEmpty());
}

TEST_F(MemberPanel, RegistrationBodyLinesAndAnswers)
{
    openCleared();
    frmB예약관리& b = board();
    b.txtA[0]->setText(" 홍길동 ");
    b.txtA[1]->setText("010-3333-4444");
    b.txtA2[0]->setText("두 줄\r\n& 메모");
    backend->script("/program/RecommendPhoneShopMoveNoSMS.php", StandinReply::text("성공"));
    EXPECT_TRUE(b.준회원등록B());
    const QString body = bodyTo("/program/RecommendPhoneShopMoveNoSMS.php");
    EXPECT_EQ(body, account() + "&phonet=01033334444&name2= 홍길동 &SavingText=0&memotext=두 줄!줄바꿈!!123! 메모");
    const QStringList lines = LogEntries("_WinHttp_4");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "준회원등록B() ... " + backend->baseUrl() + "/program/RecommendPhoneShopMoveNoSMS.php?" + body);
    EXPECT_EQ(lines[1], "준회원등록B() ... ResponseStr:\r\n성공");
    const struct {
        QString answer;
        bool result;
        int boxes;
    } answers[] = {{"실패", false, 0}, {"이미가입", false, 1}, {"", true, 0}, {"실패 이미가입", false, 0}};
    for (const auto& a : answers) {
        MessageBoxes().clear();
        backend->script("/program/RecommendPhoneShopMoveNoSMS.php", StandinReply::text(a.answer));
        EXPECT_EQ(b.준회원등록B(), a.result) << a.answer.toStdString();
        EXPECT_EQ(MessageBoxes().shown().size(), a.boxes) << a.answer.toStdString();
    }
    EXPECT_EQ(MessageBoxes().texts(), QStringList());
}

TEST_F(MemberPanel, UpdateSendsTheMemberBack)
{
    openCleared();
    frmB예약관리& b = board();
    search("01078411465");
    BoardMember& m = b.MemberPanel().m_Member;
    m.snsi = "Y";
    m.snsf = "N";
    m.snsb = "Y";
    m.snse = "N";
    b.txtA[0]->setText("  김민수  ");
    b.picA[0]->setTag("N");
    QTest::mouseClick(b.picA[0], Qt::LeftButton);
    ASSERT_TRUE(b.회원정보A_Save());
    EXPECT_EQ(bodyTo("/program/MemberInfoEdit.php"),
              account() + "&numt=9001&name=김민수&levelname=일반&levelfrozen=N&levelnum=" + m.levelnum +
                  "&memot=창가 선호&denyt=N&pointcheck=N&snst= snsi[Y]snsi snsf[N]snsf snsb[Y]snsb snse[N]snse"
                  "&name2=&lastzzimnames=&add_phone1=02-555-1234&add_phone2=&add_phone3=&careful=Y");
    EXPECT_EQ(LogEntries("_WinHttp").filter("회원정보A_Save() ... ").size(), 2);

    const int saves = backend->requestsTo("/program/MemberInfoEdit.php").size();
    b.txtA[0]->setText("   ");
    EXPECT_TRUE(b.회원정보A_Save());
    b.txtA[0]->setText("김민수");
    backend->script("/program/MemberInfoEdit.php", StandinReply::text("오류"));
    EXPECT_FALSE(b.회원정보A_Save());
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"실패! 다시 시도해주세요."});
    EXPECT_EQ(MessageBoxes().shown()[0].icon(), 0);
    m.numt.clear();
    EXPECT_FALSE(b.회원정보A_Save());
    EXPECT_EQ(backend->requestsTo("/program/MemberInfoEdit.php").size(), saves + 1);
    EXPECT_EQ(MessageBoxes().shown().size(), 2);
}

TEST_F(MemberPanel, LookupByPhone)
{
    openCleared();
    frmB예약관리& b = board();
    b.회원정보_Load_PhoneT("010-7841-1465");
    EXPECT_EQ(bodyTo("/program/SearchMember1.php"), account() + "&textz=01078411465");
    EXPECT_EQ(b.mCustNumT(), "9001");
    backend->script("/program/SearchMember1.php",
                    StandinReply::text("<menubrrs> num[9003]num  name[가]name <menubrrs> num[9004]num  name[나]name "));
    b.회원정보_Load_PhoneT("0101");
    EXPECT_EQ(bodyTo("/program/SearchMember1Detail2.php"), account() + "&numt=9003");
    backend->script("/program/SearchMember1.php", StandinReply::text(""));
    backend->clearRequests();
    b.회원정보_Load_PhoneT("0100");
    EXPECT_EQ(paths(), QStringList{"/program/SearchMember1.php"});
    EXPECT_EQ(b.mCustNumT(), "");
}

class MemberCommands : public MemberPanel
{
protected:
    FakeEntryWindows entry;
};

TEST_F(MemberCommands, BookingForTheMemberShown)
{
    openCleared();
    frmB예약관리& b = board();
    b.txtA[1]->setText("010-7841-1465");
    QTest::mouseClick(b.CMD[12], Qt::LeftButton);
    ASSERT_EQ(entry.openings.size(), 1);
    EXPECT_EQ(entry.openings[0].mode, 0);
    EXPECT_EQ(entry.openings[0].phone, "01078411465");
    EXPECT_TRUE(entry.openings[0].veiled);
    EXPECT_EQ(b.mCustNumT(), "9001");
    EXPECT_EQ(backend->requestsTo("/program/SearchMember1.php").size(), 2);
    EXPECT_TRUE(b.picShadow->isHidden());

    b.txtA[1]->setText("010-0000-1111");
    QTest::mouseClick(b.CMD[12], Qt::LeftButton);
    EXPECT_EQ(entry.openings.size(), 1);
    backend->clearRequests();
    b.txtA[1]->setText(b.txtA[1]->toolTip());
    QTest::mouseClick(b.CMD[12], Qt::LeftButton);
    EXPECT_TRUE(paths().isEmpty());
}

TEST_F(MemberCommands, MemberEditWindow)
{
    openCleared();
    frmB예약관리& b = board();
    search("01055550000");
    QTest::mouseClick(b.lblCMD[3], Qt::LeftButton);
    EXPECT_TRUE(entry.openings.isEmpty());
    search("01078411465");
    QTest::mouseClick(b.lblCMD[3], Qt::LeftButton);
    ASSERT_EQ(entry.openings.size(), 1);
    EXPECT_EQ(entry.openings[0].mode, 3);
    EXPECT_EQ(entry.openings[0].phone, "01078411465");
}

TEST_F(MemberCommands, RegisteringANewCustomer)
{
    openCleared();
    frmB예약관리& b = board();
    search("01055550000");
    QTest::mouseClick(b.CMD[20], Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"이름은 필수항목입니다!"});
    EXPECT_TRUE(backend->requestsTo("/program/RecommendPhoneShopMoveNoSMS.php").isEmpty());
    EXPECT_EQ(MessageBoxes().shown()[0].icon(), MsgStyle::Information);

    MessageBoxes().clear();
    search("01078411465");
    b.lb직전예약->setText("신규 회원");
    b.txtA[0]->setText("새이름");
    b.txtA[1]->setText("010-7841-1465");
    QTest::mouseClick(b.CMD[20], Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"이미 등록된 휴대번호입니다!"});
    EXPECT_EQ(b.txtA[1]->text(), "01078411465");

    MessageBoxes().clear();
    search("010-5555-0000");
    b.txtA[0]->setText("홍길순");
    QTest::mouseClick(b.CMD[20], Qt::LeftButton);
    EXPECT_TRUE(MessageBoxes().texts().isEmpty());
    EXPECT_FALSE(b.mCustNumT().isEmpty());
    EXPECT_EQ(b.CMD[20]->caption(), "수정");
    EXPECT_EQ(b.txtA[0]->text(), "홍길순");
    EXPECT_EQ(backend->requestsTo("/program/MemberInfoEdit.php").size(), 1);
}

TEST_F(MemberCommands, AFailedRegistrationSavesNothing)
{
    openCleared();
    frmB예약관리& b = board();
    search("01066660000");
    b.txtA[0]->setText("홍길순");
    backend->script("/program/RecommendPhoneShopMoveNoSMS.php", StandinReply::text("실패"));
    QTest::mouseClick(b.CMD[20], Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"준회원 등록에 실패했습니다!"});
    EXPECT_TRUE(backend->requestsTo("/program/MemberInfoEdit.php").isEmpty());
}

TEST_F(MemberCommands, SavingAKnownMemberReloadsIt)
{
    openCleared();
    frmB예약관리& b = board();
    search("01078411465");
    b.txtA[0]->setText("김민수2");
    QTest::mouseClick(b.CMD[20], Qt::LeftButton);
    EXPECT_EQ(b.txtA[0]->text(), "김민수2");
    EXPECT_EQ(backend->requestsTo("/program/SearchMember1Detail2.php").size(), 2);
    backend->script("/program/MemberInfoEdit.php", StandinReply::text("실패"));
    QTest::mouseClick(b.CMD[20], Qt::LeftButton);
    EXPECT_EQ(backend->requestsTo("/program/SearchMember1Detail2.php").size(), 2);
}

TEST_F(MemberCommands, ListedBookingsOpenForMembersAndOthers)
{
    backend->script("/vbPHP/zzimorderload.php",
                    StandinReply::text("<menubrrs> num[20001]num  regdatess[2024-05-07]regdatess  regdatess3[16:00]regdatess3 "
                                       " requestname[김민수]requestname  phone[010-7841-1465]phone  YN[Y]YN "
                                       "<menubrrs> num[20002]num  regdatess[2024-05-07]regdatess  regdatess3[17:00]regdatess3 "
                                       " requestname[모름]requestname  phone[010-0000-9999]phone  YN[Y]YN "));
    openCleared();
    frmB예약관리& b = board();
    QTest::mouseClick(b.CMD[3], Qt::LeftButton);
    ASSERT_EQ(entry.openings.size(), 1);
    EXPECT_EQ(entry.openings[0].mode, 1);
    EXPECT_EQ(entry.openings[0].bkNum, "20001");
    EXPECT_EQ(entry.openings[0].phone, "01078411465");
    b.SPR[0]->SetActiveCell(3, 2);
    QTest::mouseClick(b.CMD[1], Qt::LeftButton);
    ASSERT_EQ(entry.openings.size(), 2);
    EXPECT_EQ(entry.openings[1].mode, 1);
    EXPECT_EQ(entry.openings[1].bkNum, "20002");
    EXPECT_EQ(entry.openings[1].phone, "01000009999");
}

} // namespace
