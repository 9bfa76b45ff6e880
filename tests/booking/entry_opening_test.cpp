#include "booking/entry_fixture.h"

#include "core/log.h"
#include "core/screen_values.h"
#include "customer/entry_member_side.h"
#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/placeholder_box.h"
#include "platform/spread_grid.h"
#include "platform/vb_color.h"
#include "platform/widget_look.h"
#include "server/server_globals.h"
#include "support/log_entries.h"
#include "support/seams.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

// Opening the entry window and settling its customer: the member search, the member's details
// and cars, the counters and the history.

namespace {

const QString kSearch = "/program/SearchMember1.php";
const QString kDetail = "/program/SearchMember1Detail2.php";
const QString kCars = "/vbPHP/MemberCarLoad.php";
const QString kHistory = "/program/SearchZZimLoading.php";

OleColor foreColorOf(SpreadGrid& grid, int col, int row)
{
    grid.SetCol(col);
    grid.SetRow(row);
    return grid.ForeColor();
}

bool italicOf(SpreadGrid& grid, int col, int row)
{
    grid.SetCol(col);
    grid.SetRow(row);
    return grid.FontItalic();
}

QStringList comboItems(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items.append(combo.itemText(i));
    return items;
}

using EntryOpening = EntryWindowTest;

TEST_F(EntryOpening, EditModeLoadsTheMemberItsCarsAndHistory)
{
    frmB예약_등록B& w = open(1, "20105", "01054787890");
    EXPECT_EQ(paths(), QStringList({kSearch, kDetail, kCars, kHistory, "/Admin/zzimstateload.php"}));
    EXPECT_EQ(body("/Admin/zzimstateload.php"), account() + "&zzimnum=20105");
    EXPECT_EQ(body(kSearch), account() + "&textz=01054787890");
    EXPECT_EQ(body(kDetail), account() + "&numt=9011");
    EXPECT_EQ(body(kCars), account() + "&numt=9011");
    EXPECT_EQ(body(kHistory), account() + "&numt=9011");
    QStringList log = LogEntries("_WinHttp");
    log.removeIf([](const QString& entry) { return entry.startsWith("GetWinHttp"); });
    ASSERT_EQ(log.size(), 10);
    EXPECT_TRUE(log[0].startsWith("회원검색A() ... " + backend->baseUrl() + kSearch + "?" + account()));
    EXPECT_TRUE(log[1].startsWith("회원검색A() ... ResponseStr:\r\n"));
    EXPECT_TRUE(log[2].startsWith("회원정보AB_NumT(1) ... "));
    EXPECT_TRUE(log[4].startsWith("회원정보AB_NumT(2) ... "));
    EXPECT_TRUE(log[6].startsWith("예약이력A() ... "));
    EXPECT_TRUE(log[8].startsWith("Load_예약데이터() ... "));

    EXPECT_EQ(w.m_MemNumT, "9011");
    EXPECT_EQ(w.m_MemLevelNumT, "2");
    EXPECT_EQ(w.m_CarCount, 4);
    EXPECT_EQ(w.m_Car[3][1], "78라1234");
    EXPECT_EQ(w.txtA[0]->text(), "한주원");
    EXPECT_EQ(w.txtA[1]->text(), "010-5478-7890");
    EXPECT_EQ(w.txt성함(), "한주원");
    EXPECT_EQ(w.txt연락처->text(), "01054787890");
    EXPECT_EQ(w.txtB[1]->text(), "010-5478-7890");
    EXPECT_EQ(w.txtB[1]->textColor(), QColor(0, 112, 192));
    EXPECT_EQ(w.txtB[2]->text(), "031-222-3333");
    EXPECT_EQ(w.txtB[4]->text(), "전화번호3 (필요시)");
    EXPECT_EQ(w.txtB[4]->textColor(), QColor(224, 224, 224));
    EXPECT_EQ(w.txtC[2]->text(), "56다7890");
    EXPECT_EQ(w.txtB[7]->text(), "56다7890");
    EXPECT_EQ(w.txtC[0]->textColor(), QColor(0, 112, 192));

    EXPECT_EQ(w.lb총예약수->text(), "4");
    EXPECT_TRUE(w.lb직전예약->text().startsWith("직전예약 - "));
    SpreadGrid& history = *w.SPR[1];
    ASSERT_EQ(history.MaxRows(), 4);
    EXPECT_EQ(history.GetText(1, 1), "20150");
    EXPECT_EQ(history.ActiveRow(), 2);
    EXPECT_EQ(history.ActiveCol(), 4);
    EXPECT_FALSE(w.picFrame[1]->isHidden());
    EXPECT_TRUE(w.picFrame[0]->isHidden());
    EXPECT_EQ(w.SPR[0]->MaxRows(), 1);
    EXPECT_EQ(BoxValue(*w.txtS[0]), "");
}

TEST_F(EntryOpening, TheTemporaryMemberShowsItsSecondNameAndTheCautionFlag)
{
    frmB예약_등록B& w = open(3, "", "01052839724");
    EXPECT_EQ(w.txtA[0]->text(), "윤서아");
    EXPECT_EQ(w.txtB[0]->text(), "윤서아");
    EXPECT_EQ(w.m_MemName2T, "윤서아");
    EXPECT_EQ(w.m_MemLevelNumT, "9");
    EXPECT_EQ(w.picA[0]->tag(), "N");
    EXPECT_EQ(w.lbl회원모드->text(), "회원수정");
    EXPECT_FALSE(w.CMD[1]->isHidden());
    EXPECT_TRUE(w.picFrame[3]->isHidden());
    EXPECT_FALSE(w.picFrame[4]->isHidden());

    open(0, "", "01078411465");
    EXPECT_EQ(w.picA[0]->tag(), "Y");
    EXPECT_EQ(w.picA[0]->pixmap().toImage(), w.ImgBtn.Item(2).toImage());
    QTest::mouseClick(w.picA[0], Qt::LeftButton);
    EXPECT_EQ(w.picA[0]->tag(), "N");
    EXPECT_EQ(w.picA[0]->pixmap().toImage(), w.ImgBtn.Item(1).toImage());
}

TEST_F(EntryOpening, HistoryRowsTakeTheirLookAndTheActiveRowFollowsTheReservationInHand)
{
    auto record = [](const QString& num, const QString& state, const QString& tables) {
        return "zzim_num[" + num + "]zzim_num  zzim_regdate[2024-05-03 18:30]zzim_regdate  zzim_table[" + tables
               + "]zzim_table  zzim_state[" + state + "]zzim_state ";
    };
    backend->script(kHistory, StandinReply::text(" totalcount[4]totalcount " + record("1", "접수취소", "A;1")
                                                 + record("2", "NOSHOW", "A;1") + record("3", "답변대기", "")
                                                 + record("4", "접수완료", "A;1;B1;2")));
    frmB예약_등록B& w = open(1, "77", "01054787890");
    SpreadGrid& grid = *w.SPR[1];
    ASSERT_EQ(grid.MaxRows(), 4);
    EXPECT_EQ(foreColorOf(grid, 13, 1), OleColor(VbRGB(170, 170, 170)));
    EXPECT_TRUE(italicOf(grid, 2, 1));
    EXPECT_EQ(foreColorOf(grid, 4, 2), OleColor(VbRGB(255, 0, 255)));
    EXPECT_TRUE(italicOf(grid, 4, 2));
    EXPECT_EQ(foreColorOf(grid, 5, 3), OleColor(VbRGB(255, 0, 0)));
    EXPECT_FALSE(italicOf(grid, 5, 3));
    EXPECT_EQ(foreColorOf(grid, 5, 4), OleColor(VbRGB(0, 0, 0)));
    EXPECT_EQ(grid.GetText(5, 4), "A B1");
    EXPECT_EQ(w.lb예약취소->text(), "1");
    EXPECT_EQ(grid.ActiveRow(), 4);

    open(1, "", "01054787890");
    EXPECT_EQ(w.SPR[1]->ActiveRow(), 1);
}

TEST_F(EntryOpening, NewReservationWithoutPhoneSendsNothing)
{
    frmB예약_등록B& w = open(0);
    EXPECT_TRUE(paths().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), w.txtS[0]);
    EXPECT_TRUE(w.picFrame[3]->isHidden());
    EXPECT_TRUE(w.picFrame[4]->isHidden());
    EXPECT_FALSE(w.picFrame[0]->isHidden());
    EXPECT_EQ(w.lbl예약모드->text(), "예약등록");
}

TEST_F(EntryOpening, NobodyFoundMakesANewCustomer)
{
    frmB예약_등록B& w = open(0, "", "01099998888");
    EXPECT_EQ(w.lb직전예약->text(), "신규 회원");
    EXPECT_EQ(w.lb직전예약->font().pointSize(), 18);
    EXPECT_EQ(ForeColorOf(*w.lb직전예약), QColor(175, 0, 14));
    EXPECT_EQ(w.m_ModeA, 0);
    EXPECT_EQ(w.txtA[1]->text(), "01099998888");
    EXPECT_EQ(BoxValue(*w.txtA[0]), "");
    EXPECT_EQ(QApplication::focusWidget(), w.txtS[0]);
    EXPECT_FALSE(paths().contains(kDetail));

    w.txtS[0]->setText(" 010-9999-8888 ");
    QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
    EXPECT_EQ(w.txtA[1]->text(), "010-9999-8888");
    EXPECT_EQ(QApplication::focusWidget(), w.txtA[0]);
    w.txtS[0]->setText("홍길동");
    QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
    EXPECT_EQ(w.txtA[0]->text(), "홍길동");
    EXPECT_EQ(QApplication::focusWidget(), w.txtA[1]);
}

TEST_F(EntryOpening, SeveralMembersWaitForARowClick)
{
    frmB예약_등록B& w = open(0, "", "김민수");
    SpreadGrid& list = *w.SPR[0];
    ASSERT_EQ(list.MaxRows(), 2);
    EXPECT_EQ(list.Row(), 1);
    EXPECT_EQ(list.GetText(2, 1), "010-7841-1465");
    EXPECT_EQ(list.GetText(3, 2), "김민수");
    EXPECT_EQ(w.m_MemNumT, "");
    EXPECT_EQ(w.txtA[0]->text(), "");
    EXPECT_EQ(paths(), QStringList({kSearch}));

    backend->clearRequests();
    list.Click(2, 2);
    EXPECT_EQ(paths(), QStringList({kDetail, kCars, kHistory}));
    EXPECT_EQ(body(kDetail), account() + "&numt=9021");
    EXPECT_EQ(w.m_MemNumT, "9021");
    EXPECT_EQ(w.txtA[1]->text(), "010-4709-1507");
    EXPECT_FALSE(w.picFrame[1]->isHidden());
}

TEST_F(EntryOpening, EnterSearchesMovesOnWrapsAndStaysInMemos)
{
    frmB예약_등록B& w = open(0);
    w.txtS[0]->setFocus();
    w.txtS[0]->setText("01054787890");
    QTest::keyClick(w.txtS[0], Qt::Key_Return);
    EXPECT_EQ(w.m_MemNumT, "9011");

    w.OpenMemberPanelB();
    w.txtB[7]->setFocus();
    QTest::keyClick(w.txtB[7], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.txtB[0]);
    w.txtB[2]->setFocus();
    QTest::keyClick(w.txtB[2], Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w.txtB[3]);
    w.txtB2[0]->setFocus();
    w.txtB2[0]->setText("a");
    w.txtB2[0]->moveCursor(QTextCursor::End);
    QTest::keyClick(w.txtB2[0], Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w.txtB2[0]);
    EXPECT_EQ(w.txtB2[0]->text(), "a\r\n");
}

TEST_F(EntryOpening, EnterInTheSearchBoxLeavesTheFocusWhereTheSearchPutIt)
{
    frmB예약_등록B& w = open(0);
    w.txtS[0]->setFocus();
    w.txtS[0]->setText("01099998888");
    QTest::keyClick(w.txtS[0], Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w.txtA[0]);
    QTest::keyClicks(QApplication::focusWidget(), "Kim");
    EXPECT_EQ(w.txtA[0]->text(), "Kim");
    EXPECT_EQ(w.txtA[1]->text(), "01099998888");

    w.txtS[0]->setFocus();
    w.txtS[0]->setText("Nobody");
    QTest::keyClick(w.txtS[0], Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w.txtA[1]);
    EXPECT_EQ(w.txtA[0]->text(), "Nobody");
}

TEST_F(EntryOpening, TheMemberLabelOpensTheReservationPanelIntoAnEmptySlot)
{
    backend->script("/Admin/zzimstateload.php", StandinReply::text("실패"));
    frmB예약_등록B& w = open(1, "20044", "01054787890");
    ASSERT_TRUE(w.picFrame[3]->isHidden());
    ASSERT_TRUE(w.picFrame[4]->isHidden());
    QTest::mouseClick(w.lblCMD, Qt::LeftButton);
    EXPECT_FALSE(w.picFrame[3]->isHidden());
    EXPECT_TRUE(w.picFrame[4]->isHidden());
    QTest::mouseClick(w.lblCMD, Qt::LeftButton);
    EXPECT_TRUE(w.picFrame[3]->isHidden());
    EXPECT_FALSE(w.picFrame[4]->isHidden());
}

TEST_F(EntryOpening, CtrlEnterBreaksTheRequestsLineAndEnterMovesOn)
{
    frmB예약_등록B& w = open(0, "", "01054787890");
    ASSERT_FALSE(w.picFrame[3]->isHidden());
    w.txt요청사항Box->setFocus();
    w.txt요청사항Box->setText("a");
    w.txt요청사항Box->moveCursor(QTextCursor::End);
    QTest::keyClick(w.txt요청사항Box, Qt::Key_Return, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w.txt요청사항Box);
    EXPECT_EQ(w.txt요청사항Box->text(), "a\r\n");
    QTest::keyClick(w.txt요청사항Box, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_NE(QApplication::focusWidget(), w.txt요청사항Box);
    EXPECT_EQ(w.txt요청사항Box->text(), "a\r\n");
}

TEST_F(EntryOpening, ABookingOfNoMemberOpensAsItselfAndCanBeCancelledOrMarked)
{
    copyCache();
    gPersonType = "0";
    frmB예약_등록B& w = open(1, "20161", "01073302291");
    EXPECT_EQ(w.m_ModeA, 1);
    EXPECT_EQ(w.lbl예약모드->text(), "예약수정");
    EXPECT_TRUE(w.IsNewMember());
    EXPECT_FALSE(w.picFrame[3]->isHidden());
    EXPECT_EQ(w.예약일(), QDate::currentDate().addDays(1));
    EXPECT_EQ(w.txt성함(), "손님");
    EXPECT_EQ(w.txt인원_대인(), "3");
    EXPECT_EQ(w.txt매니저명->text(), "이서연");
    EXPECT_EQ(w.txt연락처->text(), "01073302291");

    w.txtS[0]->setText("01099990000");
    QTest::mouseClick(w.CMD2[0], Qt::LeftButton);
    EXPECT_EQ(w.m_ModeA, 0);
    EXPECT_EQ(w.lbl예약모드->text(), "예약등록");

    auto state = [this](const QString& num) {
        for (const StandinRecord& r : backend.shop().reservations)
            if (r.value("num") == num)
                return r.value("YN");
        return QString();
    };
    open(1, "20161", "01073302291");
    MessageBoxes().answer(MsgResult::Yes);
    QTest::mouseClick(w.CMD2[1], Qt::LeftButton);
    EXPECT_EQ(state("20161"), "X");
    EXPECT_TRUE(w.isHidden());
    open(1, "20160", "01061207788");
    QTest::mouseClick(w.CMD2[2], Qt::LeftButton);
    EXPECT_EQ(state("20160"), "noshow");
    EXPECT_TRUE(w.isHidden());
}

TEST_F(EntryOpening, TheReservationPanelsRowsCarryTheirCaptions)
{
    frmB예약_등록B& w = window();
    QHash<QString, QRect> captions;
    for (const QLabel* label : w.picFrame[3]->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        captions.insert(label->text(), label->geometry());
    const QList<std::pair<QString, QWidget*>> rows{{"예약", w.예약일Box}, {"종료", w.종료일Box},
                                                   {"테이블", w.cob좌석Box[0]}, {"연락처", w.txt연락처},
                                                   {"모임명", w.txt모임명Box}, {"요청사항", w.txt요청사항Box},
                                                   {"접수직원", w.txt매니저명}, {"차량", w.txtC[0]}};
    for (const auto& [caption, box] : rows) {
        ASSERT_TRUE(captions.contains(caption)) << caption.toStdString();
        EXPECT_EQ(captions[caption].top(), box->y()) << caption.toStdString();
        EXPECT_LT(captions[caption].right(), box->x()) << caption.toStdString();
    }
}

TEST_F(EntryOpening, TheCloseLabelEndsTheModalShowAfterATenthOfASecond)
{
    frmB예약_등록B& w = window();
    w.m_FirstActivated = true;
    w.m_ModeA = 0;
    w.m_CustPhoneT.clear();
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(0, &w, [&] { QTest::mouseClick(w.lblTerminate, Qt::LeftButton); });
    ShowFormModal(w);
    EXPECT_GE(clock.elapsed(), 100);
    EXPECT_TRUE(w.isHidden());
    EXPECT_TRUE(IsFormLoaded(frmB예약_등록B::FormName()));
    EXPECT_EQ(OpenReservationEntry(), static_cast<const ReservationEntryView*>(&w));
}

TEST_F(EntryOpening, ASecondOpeningResetsWithoutLoadingAgain)
{
    frmB예약_등록B& w = open(1, "20105", "01054787890");
    w.txt모임명Box->setText("모임");
    SetWidgetTag(*w.txt모임명Box, "모임");
    w.txt인원Box[2]->setText("4");
    w.cob좌석Box[2]->setCurrentIndex(2);
    w.CMD[4]->setEnabled(false);
    backend->clearRequests();

    open(0);
    EXPECT_TRUE(paths().isEmpty());
    EXPECT_EQ(w.m_CurBkNumT, "");
    EXPECT_EQ(w.txt모임명(), "");
    EXPECT_EQ(WidgetTag(*w.txt모임명Box), "");
    EXPECT_EQ(w.txt인원(2), "");
    EXPECT_EQ(w.cob좌석(2), "");
    EXPECT_EQ(w.SPR[0]->MaxRows(), 0);
    EXPECT_EQ(w.SPR[1]->MaxRows(), 0);
    EXPECT_EQ(w.txtA[0]->text(), "");
    EXPECT_EQ(w.m_MemNumT, "");
    EXPECT_TRUE(w.CMD[4]->isEnabled());
    const QStringList loads = LogEntries().filter("Form_Load");
    EXPECT_EQ(loads.size(), 1);
}

TEST_F(EntryOpening, ListsFollowTheCurrentSettings)
{
    frmB예약_등록B& w = open(0);
    EXPECT_EQ(comboItems(*w.cob좌석Box[5]), QStringList({"", "A1", "A2", "B1", "룸2"}));
    EXPECT_EQ(w.CMD3[2]->caption(), "정하늘 & 팀장");
    EXPECT_EQ(w.CMD3[3]->caption(), "");
    EXPECT_FALSE(w.pic총인원->isHidden());

    gSeat = {{"9", "C1", ""}};
    gStaff = {"박"};
    gSchHour = {9, 22};
    gPersonType = "2";
    open(0);
    EXPECT_EQ(comboItems(*w.cob좌석Box[0]), QStringList({"", "C1"}));
    EXPECT_EQ(w.CMD3[0]->caption(), "박");
    EXPECT_EQ(w.CMD3[1]->caption(), "");
    EXPECT_EQ(w.예약시Box->count(), 13);
    EXPECT_EQ(w.예약시Box->itemText(12), "21시");
    EXPECT_EQ(w.종료시Box->count(), 14);
    EXPECT_EQ(w.종료시Box->itemText(0), "09시");
    EXPECT_TRUE(w.pic총인원->isHidden());
    EXPECT_FALSE(w.pic대소->isHidden());
}

TEST_F(EntryOpening, LayoutAndSkin)
{
    frmB예약_등록B& w = window();
    EXPECT_EQ(w.size(), QSize(740, 690));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.picFrame[1]->geometry(), QRect(24, 359, 340, 260));
    EXPECT_EQ(w.picFrame[3]->geometry(), QRect(375, 20, 340, 600));
    EXPECT_FALSE(w.picFrame[4]->mask().contains(QPoint(300, 20)));
    EXPECT_TRUE(w.picFrame[4]->mask().contains(QPoint(200, 20)));
    EXPECT_TRUE(w.picFrame[3]->mask().contains(QPoint(300, 60)));
    EXPECT_EQ(w.pic총인원->pos(), QPoint(103, 83));
    EXPECT_EQ(w.pic대소->pos(), QPoint(103, 83));
    EXPECT_EQ(w.txt인원_총인원Box->geometry(), QRect(150, 2, 55, 32));
    EXPECT_EQ(w.CMD[4]->faceColor(), QColor(0, 141, 238));
    EXPECT_EQ(w.CMD2[0]->textColor(), QColor(0, 112, 192));
    EXPECT_EQ(w.CMD2[5]->textColor(), QColor(192, 192, 192));
    EXPECT_EQ(w.CMD3[7]->faceColor(), QColor(128, 128, 128));
    EXPECT_EQ(w.CMD3[7]->corner(), 3);
    EXPECT_EQ(w.ImgBtn.Count(), 4);
    EXPECT_EQ(BackColorOf(*w.txtA[0]), QColor(242, 242, 242));
    EXPECT_EQ(w.txtS[0]->text(), "번호를 입력하세요");
}

TEST_F(EntryOpening, GridColumnsAndTheirHeaderPaint)
{
    frmB예약_등록B& w = window();
    SpreadGrid& list = *w.SPR[0];
    SpreadGrid& history = *w.SPR[1];
    EXPECT_EQ(list.MaxCols(), 6);
    EXPECT_EQ(history.MaxCols(), 13);
    auto shown = [](SpreadGrid& grid) {
        QStringList headers;
        for (int c = 0; c <= grid.MaxCols(); ++c) {
            grid.SetCol(c);
            grid.SetRow(-1);
            if (c == 0 || !grid.ColHidden())
                headers.append(grid.GetText(c, 0));
        }
        return headers;
    };
    EXPECT_EQ(shown(list), QStringList({"NO", "휴대폰", "이름"}));
    EXPECT_EQ(shown(history), QStringList({"", "예약일시", "모임명", "좌석", "인원"}));
    EXPECT_EQ(list.ColWidth(2), 200 * 15);
    EXPECT_EQ(history.ColWidth(12), 100 * 15);

    w.show();
    const QImage shot = list.grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(232, 246, 255));
}

TEST_F(EntryOpening, APictureListWithoutItsFirstFileMovesTheOthersUp)
{
    const QString skin = program.file("skin");
    QDir().mkpath(skin);
    for (const char* name : {"btnD02.gif", "btnD03.gif", "btnD04.gif"})
        QFile::copy(gSkinPath + "/" + name, skin + "/" + QString(name));
    const QImage second(gSkinPath + "/btnD02.gif");
    gSkinPath = skin;
    frmB예약_등록B& w = window();
    EXPECT_EQ(w.ImgBtn.Count(), 3);
    EXPECT_EQ(w.ImgBtn.Item(1).toImage(), second.convertToFormat(w.ImgBtn.Item(1).toImage().format()));
}

} // namespace
