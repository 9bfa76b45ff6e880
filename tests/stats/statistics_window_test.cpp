#include "window_support/window_fixture.h"

#include "core/grid_helpers.h"
#include "core/login_values.h"
#include "platform/twips.h"
#include "server/saved_messages.h"
#include "server/server_globals.h"
#include "shell/main_window.h"
#include "stats/statistics_test_data.h"
#include "stats/statistics_window.h"
#include "support/qt_printers.h"
#include "support/seams.h"
#include "support/template_databases.h"

#include <QTest>
#include <QTimer>

namespace {

const QString kMembers = QStringLiteral("/program/SearchMember1.php");

// Two customers: 010-2222-3333 with three visits of five in all since February (returning), and
// 010-1111-2222 without a name, whose only visit is the first (new).
const QList<CachedVisit> kVisits{{"01022223333", "2024-03-01", "김철수", "2024-02-01", 5},
                                 {"01011112222", "2024-03-09", "", "2024-03-09", 1},
                                 {"01022223333", "2024-03-05", "김철수", "2024-02-01", 5},
                                 {"01022223333", "2024-03-08", "김철수", "2024-02-01", 5}};

QString member(const QString& num, const QString& name, const QString& name2, const QString& phone)
{
    return "<menubrrs> num[" + num + "]num name[" + name + "]name name2[" + name2 + "]name2 phone[" + phone
           + "]phone birthday[0101]birthday sex[F]sex memo[메모" + num + "]memo ";
}

// One member whose phone is in the cache, two sharing a phone without reservations, two
// temporary members, one with a second name.
const QString kMemberAnswer = " totalcount[5]totalcount " + member("1", "이영희", "", "010-2222-3333")
                              + member("2", "박민수", "", "01055556666") + member("3", "최지우", "", "01055556666")
                              + member("4", "준회원", "손님A", "01077778888") + member("5", "준회원", "", "01099990000");

void ClickCell(SpreadGrid& grid, int col, int row)
{
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_TRUE(grid.GetCellPos(col, row, &x, &y, &width, &height)) << col << "," << row;
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(TwipsToPixels(x + width / 2), TwipsToPixels(y + height / 2)));
}

class Statistics : public WindowTest
{
protected:
    Statistics()
    {
        SetClock(&*clock);
        gUnregCallerCnt = 3;
        EXPECT_TRUE(CopyTemplate(program, "VmrBooking.0.mdb", "VmrBooking.mdb"));
        CacheVisits(program.file("VmrBooking.mdb"), kVisits);
        backend->script(kMembers, StandinReply::text(kMemberAnswer));
        backend->script("/program/alramsavingLoading.php", StandinReply::text(" smsPoint[11249]smsPoint "));
    }

    frmz통계B& open()
    {
        frmz통계B::m_Kind = "예약";
        return openModeless<frmz통계B>();
    }

    static QStringList column(frmz통계B& window, int col) { return GridColumn(*window.SPR[0], col); }
    static QStringList figures(frmz통계B& window) { return FigureTexts(window); }

    static int ticked(SpreadGrid& grid, int row)
    {
        grid.SetCol(2);
        grid.SetRow(row);
        return grid.Value();
    }

    ScopedFakeClock clock{QDateTime(QDate(2024, 3, 10), QTime(9, 0))};
};

TEST_F(Statistics, OpensEmptyOnTheTalkPageWithCreditAndSavedTexts)
{
    WriteSavedMessage(2, "둘째 문자");
    frmz통계B& window = open();
    EXPECT_EQ(window.lblTitle->text(), "예약 통계");
    EXPECT_EQ(window.글자크기->text(), "- SMS");
    EXPECT_EQ(window.전송건수[0]->text(), "/");
    EXPECT_EQ(window.전송건수[1]->text(), "/");
    EXPECT_EQ(window.전송가능건수->text(), "562/249");
    EXPECT_EQ(window.톡가능건수->text(), "749");
    EXPECT_EQ(window.txt문자[1]->text(), "둘째 문자");
    EXPECT_TRUE(window.opt문자[0]->isChecked());
    EXPECT_TRUE(window.picFrame[1]->isVisible());
    EXPECT_FALSE(window.picFrame[0]->isVisible());
    EXPECT_EQ(window.SPR[0]->MaxRows(), 0);
    EXPECT_EQ(window.SPR[0]->GetText(3, 0), "고객명");
    EXPECT_EQ(window.SPR[0]->GetText(12, 0), "메모");
    EXPECT_EQ(window.기간[0]->date(), QDate(2024, 3, 4));
    EXPECT_EQ(window.기간[1]->date(), QDate(2024, 3, 10));
    EXPECT_TRUE(bodiesTo(kMembers).isEmpty());
}

TEST_F(Statistics, FullLoadGroupsTheCacheByPhoneAndAddsMembersWithoutReservations)
{
    frmz통계B& window = open();
    QTest::mouseClick(window.CMD[4], Qt::LeftButton);
    EXPECT_EQ(column(window, 5), QStringList({"010-1111-2222", "010-2222-3333", "010-5555-6666", "010-5555-6666",
                                              "010-7777-8888", "010-9999-0000"}));
    EXPECT_EQ(column(window, 3), QStringList({"-", "김철수", "박민수", "최지우", "손님A", "준회원"}));
    EXPECT_EQ(column(window, 9), QStringList({"", "O", "", "", "", ""}));
    EXPECT_EQ(column(window, 10).mid(0, 2), QStringList({"1", "3"}));
    EXPECT_EQ(column(window, 11).mid(0, 2), QStringList({"1", "5"}));
    EXPECT_EQ(column(window, 12).mid(0, 3), QStringList({"예약메모", "예약메모", "메모2"}));
    SpreadGrid& grid = *window.SPR[0];
    grid.SetCol(10);
    grid.SetRow(2);
    EXPECT_EQ(grid.ForeColor(), VbRGB(192, 0, 192));
    grid.SetRow(1);
    EXPECT_EQ(grid.ForeColor(), VbRGB(0, 0, 0));
    EXPECT_EQ(figures(window), QStringList({"3명", "2명", "6 명", "4회 (133.3%)", "1명 (33.3%)", "1명 (33.3%)"}));
    EXPECT_EQ(window.lblInfo->text(), "검색된 회원 (확정, 완료 중): 6명");
    EXPECT_EQ(window.SPR[1]->MaxRows(), 6);
    EXPECT_EQ(window.SPR[1]->GetText(3, 5), "손님A");
    EXPECT_EQ(bodiesTo(kMembers), QStringList{"ID=" + backend.shopId() + "&PassWord=" + backend.shopPassword() + "&textz="});
    EXPECT_EQ(window.txt검색내검색->text(), "");
}

TEST_F(Statistics, RatiosWithoutABaseCountAndThePeriodSearch)
{
    gUnregCallerCnt = 0;
    frmz통계B& window = open();
    window.기간[0]->setDate(QDate(2024, 3, 5));
    window.기간[1]->setDate(QDate(2024, 3, 9));
    QTest::mouseClick(window.CMD[3], Qt::LeftButton);
    EXPECT_EQ(column(window, 5), QStringList({"010-1111-2222", "010-2222-3333"}));
    EXPECT_EQ(column(window, 10), QStringList({"1", "2"}));
    EXPECT_EQ(column(window, 9), QStringList({"", "O"}));
    EXPECT_EQ(figures(window), QStringList({"0 명", "0 명", "2 명", "3회 ( 0% )", "1명 ( 0% )", "1명 ( 0% )"}));
    EXPECT_TRUE(bodiesTo(kMembers).isEmpty());
}

TEST_F(Statistics, MembersOnlyListsTheAnswerWithBirthdayAndSex)
{
    frmz통계B& window = open();
    QTest::mouseClick(window.CMD[5], Qt::LeftButton);
    EXPECT_EQ(column(window, 5).first(), "010-2222-3333");
    EXPECT_EQ(column(window, 3), QStringList({"이영희", "박민수", "최지우", "손님A", "준회원"}));
    EXPECT_EQ(column(window, 8).first(), "0101");
    EXPECT_EQ(window.lblInfo->text(), "등록된 회원: 5명");
    EXPECT_EQ(window.lblNO[0]->text(), "3명");
    EXPECT_EQ(window.lblNO[1]->text(), "2명");
    window.SPR[0]->SetCol(10);
    EXPECT_TRUE(window.SPR[0]->ColHidden());
    window.SPR[0]->SetCol(8);
    EXPECT_FALSE(window.SPR[0]->ColHidden());
}

TEST_F(Statistics, PresetsSetThePeriodWithoutLoading)
{
    frmz통계B& window = open();
    const struct {
        QDate today;
        int button;
        QDate from;
    } cases[] = {{QDate(2024, 3, 10), 0, QDate(2024, 3, 4)},  {QDate(2024, 3, 10), 1, QDate(2024, 2, 26)},
                 {QDate(2024, 3, 10), 2, QDate(2024, 2, 11)}, {QDate(2024, 3, 31), 2, QDate(2024, 3, 1)},
                 {QDate(2023, 3, 31), 2, QDate(2023, 3, 1)},  {QDate(2024, 5, 31), 2, QDate(2024, 5, 1)}};
    for (const auto& c : cases) {
        clock->set(QDateTime(c.today, QTime(12, 0)));
        QTest::mouseClick(window.CMD[c.button], Qt::LeftButton);
        EXPECT_EQ(window.기간[0]->date(), c.from) << c.today.toString().toStdString() << " " << c.button;
        EXPECT_EQ(window.기간[1]->date(), c.today);
    }
    EXPECT_EQ(window.SPR[0]->MaxRows(), 0);
}

TEST_F(Statistics, TicksSelectAllAndSearchWithinResults)
{
    frmz통계B& window = open();
    QTest::mouseClick(window.CMD[4], Qt::LeftButton);
    SpreadGrid& grid = *window.SPR[0];
    ClickCell(grid, 2, 2);
    EXPECT_EQ(ticked(grid, 2), 1);
    EXPECT_EQ(window.전송건수[0]->text(), "1/6");
    ClickCell(grid, 3, 3);
    EXPECT_EQ(ticked(grid, 3), 0);
    QTest::mouseClick(window.Chk전체선택, Qt::LeftButton);
    EXPECT_EQ(window.전송건수[1]->text(), "6/6");
    ClickCell(grid, 2, 2);
    EXPECT_FALSE(window.Chk전체선택->isChecked());
    EXPECT_EQ(window.전송건수[0]->text(), "5/6");
    EXPECT_EQ(ticked(grid, 3), 1);

    // Name, the phone's end and the memo match; consecutive searches build one list, each row once.
    window.txt검색내검색->setText("김");
    QTest::keyClick(window.txt검색내검색, Qt::Key_Return);
    EXPECT_EQ(column(window, 3), QStringList{"김철수"});
    EXPECT_EQ(window.txt검색내검색->text(), "");
    window.txt검색내검색->setText("6666");
    QTest::mouseClick(window.CMD[14], Qt::LeftButton);
    window.txt검색내검색->setText("메모");
    QTest::mouseClick(window.CMD[14], Qt::LeftButton);
    EXPECT_EQ(column(window, 3), QStringList({"김철수", "박민수", "최지우", "-", "손님A", "준회원"}));
    EXPECT_EQ(ticked(grid, 1), 0);
}

TEST_F(Statistics, SavedTextsMessageKindAndPageSwitch)
{
    frmz통계B& window = open();
    window.txt문자[2]->setText("가\r\n나");
    QTest::mouseClick(window.CMD[8], Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"저장되었습니다."});
    EXPECT_EQ(ReadSavedMessage(3), "가\r\n나");
    window.opt문자[2]->setChecked(true);
    QTest::mouseClick(window.CMD[10], Qt::LeftButton);
    EXPECT_EQ(window.txt보낼문자->text(), "가\r\n나");
    EXPECT_EQ(window.글자크기->text(), "6 - SMS");
    window.txt보낼문자->setText(QString(45, QChar(u'한')));
    EXPECT_EQ(window.글자크기->text(), "90 - SMS");
    window.txt보낼문자->setText(QString(45, QChar(u'한')) + "a");
    EXPECT_EQ(window.글자크기->text(), "91 - LMS");
    window.txt보낼문자->moveCursor(QTextCursor::End);
    QTest::keyClick(window.txt보낼문자, Qt::Key_Return);
    EXPECT_TRUE(window.txt보낼문자->text().endsWith("\r\n"));

    QTest::mouseClick(window.lblCMD[1], Qt::LeftButton);
    EXPECT_TRUE(window.picFrame[0]->isVisible());
    EXPECT_FALSE(window.picFrame[1]->isVisible());
    QTest::mouseClick(window.lblCMD[0], Qt::LeftButton);
    EXPECT_TRUE(window.picFrame[1]->isVisible());
}

TEST_F(Statistics, ListCommandsAreRefusedWhileALoadWaits)
{
    frmz통계B& window = open();
    backend->script(kMembers, StandinReply::text(kMemberAnswer).after(400));
    QTimer::singleShot(100, [&window] { QTest::mouseClick(window.CMD[3], Qt::LeftButton); });
    QTest::mouseClick(window.CMD[4], Qt::LeftButton);
    EXPECT_EQ(window.SPR[0]->MaxRows(), 6);
    EXPECT_EQ(mainLog().filter("CMD_Click Refused CMD(3)").size(), 1);
    EXPECT_TRUE(window.CMD[3]->isEnabled());
}

} // namespace

namespace {

const QString kTemplateLoad = QStringLiteral("/program/shopkakaotemplateLoad.php");
const QString kTemplateSave = QStringLiteral("/program/shopkakaotemplateEdit.php");

TEST_F(Statistics, TemplateSavedEscapedReloadedAndPreviewed)
{
    gStoreName = "행복식당";
    gShopTel = "02-123-4567";
    backend->script(kTemplateLoad, StandinReply::text(" toptext[머리]toptext bottomtext[11시~22시]bottomtext "));
    frmz통계B& window = open();
    EXPECT_EQ(window.txt보낼톡->text(),
              "안녕하세요. 고객님!\r\n저희  행복식당를 이용해주셔서 깊은 감사를 드립니다\r\n\r\n머리\r\n\r\n"
              "■ 상   호 : 행복식당\r\n■ 전화번호 : 02-123-4567\r\n\r\n▶ 매장시간안내\r\n11시~22시\r\n\r\n"
              "* 해당 메세지는행복식당를 예약방문하신 고객님께 드리는 안내 메세지입니다.\r\n");

    backend->script(kTemplateLoad, StandinReply::text(" toptext[A!123!B!줄바꿈!C]toptext bottomtext[#{머리말}]bottomtext "));
    window.txt톡[0]->setText("A&B\r\nC");
    window.txt톡[1]->setText("#{머리말}");
    QTest::mouseClick(window.CMD[12], Qt::LeftButton);
    const QStringList saved = bodiesTo(kTemplateSave);
    ASSERT_EQ(saved.size(), 1);
    EXPECT_TRUE(saved[0].endsWith("&typetext=예약&typetext2=이용안내&toptext=A!123!B!줄바꿈!C&bottomtext=#{머리말}"))
        << saved[0].toStdString();
    EXPECT_EQ(window.txt톡[0]->text(), "A＆B\r\nC");
    EXPECT_TRUE(window.txt보낼톡->text().contains("\r\nA＆B\r\nC\r\n")) << window.txt보낼톡->text().toStdString();
    EXPECT_TRUE(window.txt보낼톡->text().contains("▶ 매장시간안내\r\n#{머리말}\r\n"));
}

TEST_F(Statistics, TemplateUnansweredKeepsTheTypedTexts)
{
    frmz통계B& window = open();
    const int loads = int(bodiesTo(kTemplateLoad).size());
    backend->script(kTemplateSave, StandinReply::drop());
    window.txt톡[0]->setText("새 머리말");
    QTest::mouseClick(window.CMD[12], Qt::LeftButton);
    EXPECT_EQ(window.txt톡[0]->text(), "새 머리말");
    EXPECT_EQ(bodiesTo(kTemplateLoad).size(), loads);
    EXPECT_TRUE(window.txt보낼톡->text().contains("새 머리말"));
}

} // namespace

namespace {

TEST_F(Statistics, SampleShopMembersShowTheirSecondNames)
{
    backend->clearScripts();
    frmz통계B& window = open();
    QTest::mouseClick(window.CMD[5], Qt::LeftButton);
    const QStringList names = column(window, 3);
    EXPECT_EQ(names.size(), backend.shop().members.size());
    EXPECT_TRUE(names.contains("윤서아"));
    EXPECT_TRUE(names.contains("준회원"));
    EXPECT_FALSE(names.contains("임시"));
}

} // namespace

namespace {

const QString kCredit = QStringLiteral("/program/alramsavingLoading.php");
const QString kSms = QStringLiteral("/program/sendCouponSMS.php");
const QString kTalk = QStringLiteral("/Admin/infokakaoSendTempleteLot.php");

// The list filled with the given phones (numbers 1, 2 …), all ticked; the credit comes from the
// stand-in's shop, and the clock moves on by itself so that the pauses end.
class StatisticsSending : public Statistics
{
protected:
    StatisticsSending()
    {
        backend->clearScripts();
        QObject::connect(&ticker, &QTimer::timeout, [this] { clock->advance(20); });
        ticker.start(1);
    }

    frmz통계B& openWith(const QStringList& phones)
    {
        frmz통계B& window = open();
        SpreadGrid& grid = *window.SPR[0];
        grid.SetMaxRows(int(phones.size()));
        for (int row = 1; row <= phones.size(); ++row) {
            grid.SetText(1, row, QString::number(row));
            grid.SetText(5, row, phones[row - 1]);
        }
        QTest::mouseClick(window.Chk전체선택, Qt::LeftButton);
        backend->clearRequests();
        MessageBoxes().clear();
        return window;
    }

    QStringList paths()
    {
        QStringList found;
        for (const StandinRequest& request : backend->requests())
            found.append(request.path);
        return found;
    }

    QTimer ticker;
};

TEST_F(StatisticsSending, SmsGoesToTickedLongNumbersInOneRequest)
{
    backend.shop().credit = 1000;
    frmz통계B& window = openWith({"010-987-6543", "02-987-6543", "", "010-2222-3333", "010-2222-3333"});
    window.txt보낼문자->setText("가\r\n나");
    QTest::mouseClick(window.CMD[11], Qt::LeftButton);

    EXPECT_EQ(MessageBoxes().texts(), QStringList({"전송하시겠습니까?", "성공!"}));
    EXPECT_EQ(paths(), QStringList({kCredit, kSms, kCredit}));
    const QString encoded = "%EA%B0%80%21%EC%A4%84%21%EB%82%98";
    EXPECT_EQ(bodiesTo(kSms).value(0),
              "ID=" + backend.shopId() + "&PassWord=" + backend.shopPassword()
                  + "&bytec=6&sendphonetext=b[1]ba[0109876543]a b[4]ba[01022223333]a b[5]ba[01022223333]a "
                  + "&groupText=" + encoded + "&couponNum=X&couponText=&sendTEXT=" + encoded);
    EXPECT_EQ(window.전송건수[0]->text(), "3/5");
    EXPECT_EQ(window.전송건수[1]->text(), "3/5");
    EXPECT_EQ(backend.shop().credit, 940);
    EXPECT_EQ(window.전송가능건수->text(), "47/20");
    EXPECT_EQ(window.톡가능건수->text(), "62");
    EXPECT_EQ(main().lbl남은문자[0]->text(), "62");
    EXPECT_TRUE(httpLog().contains("Send_문자() ... ResponseStr:\r\n성공"));
}

TEST_F(StatisticsSending, SmsRefusals)
{
    frmz통계B& window = openWith({"02-987-6543", "010-1111-2222", "010-1111-3333", "010-1111-4444"});
    SpreadGrid& grid = *window.SPR[0];
    QTest::mouseClick(window.Chk전체선택, Qt::LeftButton);
    ClickCell(grid, 2, 1);
    MessageBoxes().clear();
    QTest::mouseClick(window.CMD[11], Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"선택된 회원이 없습니다!"});
    EXPECT_EQ(window.전송건수[0]->text(), "0/4");

    QTest::mouseClick(window.Chk전체선택, Qt::LeftButton);
    window.txt보낼문자->setText("   ");
    MessageBoxes().clear();
    QTest::mouseClick(window.CMD[11], Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"보낼 문자를 작성해 주세요!"});
    EXPECT_EQ(window.전송건수[0]->text(), "3/4");

    const struct {
        QString text;
        int credit;
        bool enough;
    } cases[] = {{QString(90, 'x'), 59, false}, {QString(90, 'x'), 60, true},
                 {QString(91, 'x'), 134, false}, {QString(91, 'x'), 135, true}};
    for (const auto& c : cases) {
        window.txt보낼문자->setText(c.text);
        backend.shop().credit = c.credit;
        MessageBoxes().clear();
        MessageBoxes().answer(MsgResult::No);
        QTest::mouseClick(window.CMD[11], Qt::LeftButton);
        EXPECT_EQ(MessageBoxes().texts(), QStringList{c.enough ? "전송하시겠습니까?" : "남은 문자가 모자랍니다!\r\n충전해 주세요."})
            << c.credit;
    }
    EXPECT_TRUE(bodiesTo(kSms).isEmpty());
}

TEST_F(StatisticsSending, AnUnansweredSmsIsAFailureAfterTheRefresh)
{
    backend.shop().credit = 100;
    frmz통계B& window = openWith({"010-1111-2222"});
    window.txt보낼문자->setText("안녕하세요");
    backend->script(kSms, StandinReply::drop());
    QTest::mouseClick(window.CMD[11], Qt::LeftButton);
    EXPECT_EQ(MessageBoxes().texts(), QStringList({"전송하시겠습니까?", "실패! 다시 시도해주세요."}));
    EXPECT_EQ(paths(), QStringList({kCredit, kSms, kCredit}));
}

QStringList numbered(int count)
{
    QStringList phones;
    for (int i = 0; i < count; ++i)
        phones.append(QStringLiteral("010-5%1").arg(i, 7, 10, QChar(u'0')));
    return phones;
}

TEST_F(StatisticsSending, TalkGoesInBatchesOfAHundredInRowOrder)
{
    backend.shop().credit = 3750;
    frmz통계B& window = openWith(numbered(250) << "02-987-6543");
    QTest::mouseClick(window.CMD[13], Qt::LeftButton);

    EXPECT_EQ(MessageBoxes().texts(), QStringList({"전송하시겠습니까?", "성공!"}));
    EXPECT_EQ(paths(), QStringList({kCredit, kTalk, kTalk, kTalk, kCredit}));
    const QStringList bodies = bodiesTo(kTalk);
    ASSERT_EQ(bodies.size(), 3);
    const QString account = "ID=" + backend.shopId() + "&PassWord=" + backend.shopPassword() + "&sendphonetext=";
    EXPECT_TRUE(bodies[0].startsWith(account + "a[01050000000]a a[01050000001]a ")) << bodies[0].toStdString();
    EXPECT_EQ(bodies[0].count("a["), 100);
    EXPECT_EQ(bodies[2].count("a["), 50);
    EXPECT_TRUE(bodies[2].endsWith("a[01050000249]a "));
    EXPECT_EQ(window.전송건수[0]->text(), "250/251");
    EXPECT_EQ(backend.shop().credit, 0);
    EXPECT_EQ(window.톡가능건수->text(), "0");
    EXPECT_TRUE(httpLog().contains("Send_톡() ... ResponseStr:\r\n성공"));
}

TEST_F(StatisticsSending, TalkCreditCheckAndExactlyAHundred)
{
    frmz통계B& window = openWith(numbered(100));
    for (const auto& c : {std::pair{1499, false}, std::pair{1500, true}}) {
        backend.shop().credit = c.first;
        MessageBoxes().clear();
        MessageBoxes().answer(MsgResult::No);
        QTest::mouseClick(window.CMD[13], Qt::LeftButton);
        EXPECT_EQ(MessageBoxes().texts(),
                  QStringList{c.second ? "전송하시겠습니까?" : "남은 건수가 모자랍니다!\r\n충전해 주세요."});
    }
    EXPECT_TRUE(bodiesTo(kTalk).isEmpty());
    MessageBoxes().clear();
    QTest::mouseClick(window.CMD[13], Qt::LeftButton);
    EXPECT_EQ(bodiesTo(kTalk).size(), 1);
    EXPECT_EQ(window.전송건수[1]->text(), "100/100");
    EXPECT_EQ(MessageBoxes().texts().last(), "성공!");
}

TEST_F(StatisticsSending, AnUnansweredBatchStillSendsTheRestAndRefusesListCommands)
{
    backend.shop().credit = 100000;
    frmz통계B& window = openWith(numbered(150));
    backend->script(kTalk, StandinReply::drop());
    QTimer::singleShot(50, [&window] { QTest::mouseClick(window.CMD[4], Qt::LeftButton); });
    QTest::mouseClick(window.CMD[13], Qt::LeftButton);
    EXPECT_EQ(bodiesTo(kTalk).size(), 2);
    EXPECT_EQ(MessageBoxes().texts(), QStringList({"전송하시겠습니까?", "실패! 다시 시도해주세요."}));
    EXPECT_EQ(mainLog().filter("CMD_Click Refused CMD(4)").size(), 1);
    EXPECT_EQ(window.SPR[0]->MaxRows(), 150);
}

} // namespace
