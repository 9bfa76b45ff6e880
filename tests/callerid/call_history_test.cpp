#include "callerid/call_history_window.h"

#include "core/screen_values.h"
#include "core/settings.h"
#include "platform/window_registry.h"
#include "server/main_credit_labels.h"
#include "shell/window_makers.h"
#include "support/log_entries.h"
#include "support/program_dir.h"
#include "support/qt_printers.h"
#include "support/seams.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

const QString kSendPath = QStringLiteral("/program/sendCouponSMS.php");
const QString kCreditPath = QStringLiteral("/program/alramsavingLoading.php");

// The main window as far as the history writes it: the credit it was last given.
class FakeMainWindow : public QWidget, public FormEvents, public MainCreditLabels
{
public:
    void WriteCreditLabels(int credit) override { written.append(credit); }
    QList<int> written;
};

// A program folder with the call log and "Frshop.cfg", the stand-in, a fake main window and the
// clock at Wednesday 2026-05-13 14:25:03, which moves on by itself so that pauses end.
class CallHistory : public ::testing::Test
{
protected:
    CallHistory()
    {
        gIniFrshop.setFileName(program.file("Frshop.cfg"));
        gSkinPath = program.file("skin");
        gTwipsX = gTwipsY = gTwipsX2 = gTwipsY2 = 15;
        gFormStdW = gTwipsX * 1022;
        gFormStdH = gTwipsY * 654;
        EXPECT_TRUE(CopyTemplate(program, "VmrCID.mdb", "VmrCID.mdb"));
        main = new FakeMainWindow;
        main->setGeometry(0, 0, 1024, 768);
        RegisterForm(QStringLiteral("frmMainMDI"), main);
        QObject::connect(&ticker, &QTimer::timeout, [this] { clock->advance(20); });
        ticker.start(1);
    }
    ~CallHistory() override
    {
        const QStringList names = LoadedFormNames();
        for (auto it = names.crbegin(); it != names.crend(); ++it)
            UnloadForm(*it);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        gIniFrshop.setFileName(QString());
    }

    frmB전화수신이력B& window() { return Form<frmB전화수신이력B>(); }
    frmB전화수신이력B& open()
    {
        frmB전화수신이력B& history = window();
        history.m_FirstActivated = true;
        ShowFormModeless(history);
        return history;
    }

    // A call of the given day and time, logged at that moment.
    void addCall(const QString& day, const QString& time, const QString& tel, const QString& status = QString(),
                 int kind = 1) const
    {
        const QString connection = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
            db.setDatabaseName(program.file("VmrCID.mdb"));
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            query.prepare("INSERT INTO cid (time_modified, rDate, rTime, ch, Tel, S_ID, SeqNO, cid_kind, Status)"
                          " VALUES (?, ?, ?, 1, ?, 0, '', ?, ?)");
            for (const QVariant& value : QVariantList{day + " " + time, day, time, tel, kind, status})
                query.addBindValue(value);
            EXPECT_TRUE(query.exec());
        }
        QSqlDatabase::removeDatabase(connection);
    }
    void addFiveCalls() const
    {
        const QStringList tels{"01011112222", "0212345678", "01033334444", "01055556666", "01077778888"};
        for (int i = 0; i < tels.size(); ++i)
            addCall("2026-05-13", QStringLiteral("1%1:00:00").arg(i), tels[i]);
    }

    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void doubleClick(QWidget* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
    }
    static void clickCell(SpreadGrid& grid, int col, int row)
    {
        int x = 0, y = 0, w = 0, h = 0;
        ASSERT_TRUE(grid.GetCellPos(col, row, &x, &y, &w, &h));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint((x + w / 2) / 15, (y + h / 2) / 15));
    }
    QStringList column(int col)
    {
        QStringList texts;
        for (int r = 1; r <= window().SPR[0]->MaxRows(); ++r)
            texts.append(window().SPR[0]->GetText(col, r));
        return texts;
    }

    TempProgramDir program;
    StandinFixture backend;
    ScopedFakeClock clock{QDateTime(QDate(2026, 5, 13), QTime(14, 25, 3))};
    QTimer ticker;
    FakeMainWindow* main = nullptr;
};

TEST_F(CallHistory, OpensOnTodaysCallsNewestFirst)
{
    addCall("2026-05-13", "09:00:01", "01012345678");
    addCall("2026-05-12", "10:00:00", "0212345678");
    addCall("2026-05-13", "08:30:00", "0212345678", "부재중");
    frmB전화수신이력B& history = open();

    EXPECT_EQ(history.size(), QSize(1022, 654));
    EXPECT_EQ(history.lblTitle->text(), "전화 수신 이력");
    EXPECT_EQ(history.sspDay->caption(), "26.05.13 (수)");
    EXPECT_EQ(history.sspDay->tag(), "2026-05-13");
    EXPECT_EQ(column(3), QStringList({"08:30:00", "09:00:01"}));
    EXPECT_EQ(column(4), QStringList({"02-1234-5678", "010-1234-5678"}));
    EXPECT_EQ(column(5), QStringList({"부재중", ""}));
    EXPECT_EQ(column(1), QStringList({"3", "1"}));
    EXPECT_EQ(history.lbInfoCID[0]->text(), "수신: 2");
    EXPECT_EQ(history.전송건수->text(), "/2");
    EXPECT_EQ(history.SPR[0]->ActiveCol(), 4);
    EXPECT_EQ(history.SPR[0]->ActiveRow(), 1);
    EXPECT_EQ(history.글자크기->text(), "- SMS");
    EXPECT_TRUE(history.picCalcBack->isHidden());
    EXPECT_TRUE(LogEntries().contains("  [frmB전화수신이력B→Form_Activate] Enter"));

    // An empty day.
    click(history.CMD[2]);
    EXPECT_EQ(history.sspDay->caption(), "26.05.14 (목)");
    EXPECT_EQ(history.SPR[0]->MaxRows(), 0);
    EXPECT_EQ(history.lbInfoCID[0]->text(), "");
    EXPECT_EQ(history.전송건수->text(), "/");

    ActivateForm(history);
    EXPECT_EQ(LogEntries().last(), "  [frmB전화수신이력B→Form_Activate] Quit");
}

// As the board opens it: modal, in the size and place it takes itself. Its question boxes stand
// centred on it.
TEST_F(CallHistory, OpensModalCentredOnTheMainWindowWithItsBoxesCentredOnIt)
{
    SetMessageBoxService(nullptr);
    QRect place;
    QRect box;
    QString boxText;
    frmB전화수신이력B& history = window();
    QTimer::singleShot(0, [&] {
        place = history.geometry();
        QTimer::singleShot(0, [&] {
            if (auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box = shown->geometry();
                boxText = shown->text();
                shown->accept();
            }
        });
        click(history.CMD[13]);
        click(history.CMD[0]);
    });
    history.m_FirstActivated = true;
    ShowFormModal(history);
    SetMessageBoxService(&MessageBoxes());

    EXPECT_EQ(place, QRect(1, 57 + 10, 1022, 654));
    EXPECT_EQ(boxText, "선택된 회원이 없습니다!");
    EXPECT_LE(std::abs(box.center().x() - place.center().x()), 1) << box;
    EXPECT_LE(std::abs(box.center().y() - place.center().y()), 1) << box;
}

TEST_F(CallHistory, MissingCallLogLeavesTheListEmpty)
{
    QFile::remove(program.file("VmrCID.mdb"));
    frmB전화수신이력B& history = open();
    EXPECT_EQ(history.SPR[0]->MaxRows(), 0);
    EXPECT_EQ(history.전송건수->text(), "/");
    EXPECT_TRUE(LogEntries().contains("E)frmB전화수신이력B->Load_CID DB OPEN Error: '" + program.file("VmrCID.mdb") + "'"))
        << LogEntries().join("\n").toStdString();
    EXPECT_FALSE(QFile::exists(program.file("VmrCID.mdb")));
}

TEST_F(CallHistory, CreditLabels)
{
    const struct {
        int credit;
        QString shown;
    } cases[] = {{0, "0/0"}, {19, "0/0"}, {20, "1/0"}, {45, "2/1"}, {22499, "1,124/499"}, {22500, "1,125/500"}};
    for (const auto& c : cases) {
        backend.shop().credit = c.credit;
        main->written.clear();
        frmB전화수신이력B& history = open();
        EXPECT_EQ(history.전송가능건수->text(), c.shown);
        EXPECT_EQ(main->written, QList<int>{c.credit});
        UnloadForm(frmB전화수신이력B::FormName());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(CallHistory, StepsDaysAcrossMonthAndYearEnds)
{
    addCall("2025-12-30", "10:00:00", "01012345678");
    frmB전화수신이력B& history = open();
    history.sspDay->setTag("2026-03-01");
    click(history.CMD[1]);
    EXPECT_EQ(history.sspDay->caption(), "26.02.28 (토)");
    history.sspDay->setTag("2026-01-01");
    doubleClick(history.CMD[1]);
    EXPECT_EQ(history.sspDay->tag(), "2025-12-30");
    EXPECT_EQ(column(4), QStringList{"010-1234-5678"});
    history.sspDay->setTag("2024-02-28");
    click(history.CMD[2]);
    EXPECT_EQ(history.sspDay->caption(), "24.02.29 (목)");

    // The day label goes back to today with its calls.
    addCall("2026-05-13", "11:00:00", "01099998888");
    QTest::mouseDClick(history.sspDay, Qt::LeftButton);
    EXPECT_EQ(history.sspDay->tag(), "2026-05-13");
    EXPECT_EQ(column(4), QStringList{"010-9999-8888"});

    // Other buttons do not repeat on a double click.
    MessageBoxes().clear();
    doubleClick(history.CMD[8]);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"저장되었습니다."});
}

TEST_F(CallHistory, RowButtonsWrapRound)
{
    addFiveCalls();
    frmB전화수신이력B& history = open();
    SpreadGrid& grid = *history.SPR[0];
    click(history.CMD[6]);
    EXPECT_EQ(grid.ActiveRow(), 5);
    click(history.CMD[7]);
    EXPECT_EQ(grid.ActiveRow(), 1);
    click(history.CMD[7]);
    EXPECT_EQ(grid.ActiveRow(), 2);
    click(history.CMD[6]);
    EXPECT_EQ(grid.ActiveRow(), 1);
    grid.SetRow(0);
    click(history.CMD[7]);
    EXPECT_EQ(grid.ActiveRow(), 2);
    EXPECT_EQ(grid.ActiveCol(), 4);

    click(history.CMD[2]);
    click(history.CMD[6]);
    click(history.CMD[7]);
    EXPECT_EQ(grid.MaxRows(), 0);
    click(history.Chk전체선택);
    EXPECT_EQ(history.전송건수->text(), "0/0");
}

TEST_F(CallHistory, ChecksCountedByClickAndCheckAll)
{
    addFiveCalls();
    frmB전화수신이력B& history = open();
    SpreadGrid& grid = *history.SPR[0];
    clickCell(grid, 2, 1);
    EXPECT_EQ(history.전송건수->text(), "1/5");
    clickCell(grid, 2, 3);
    EXPECT_EQ(history.전송건수->text(), "2/5");
    clickCell(grid, 2, 5);
    EXPECT_EQ(history.전송건수->text(), "3/5");
    clickCell(grid, 4, 2);
    clickCell(grid, 3, 0);
    EXPECT_EQ(history.전송건수->text(), "3/5");

    click(history.Chk전체선택);
    EXPECT_EQ(history.전송건수->text(), "5/5");
    click(history.Chk전체선택);
    EXPECT_EQ(history.전송건수->text(), "0/5");
    click(history.Chk전체선택);
    clickCell(grid, 2, 2);
    EXPECT_FALSE(history.Chk전체선택->isChecked());
    EXPECT_EQ(history.전송건수->text(), "4/5");
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(CallHistory, MessageBoxAndTemplates)
{
    frmB전화수신이력B& history = open();
    history.txt보낼문자->setText(QString(45, QChar(u'가')));
    EXPECT_EQ(history.글자크기->text(), "90 - SMS");
    history.txt보낼문자->setText(QString(45, QChar(u'가')) + "1");
    EXPECT_EQ(history.글자크기->text(), "91 - LMS");
    history.txt보낼문자->setText("A\r\nB");
    EXPECT_EQ(history.글자크기->text(), "4 - SMS");

    QApplication::setActiveWindow(&history);
    history.txt보낼문자->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), history.txt보낼문자);
    QTest::keyClick(history.txt보낼문자, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(history.txt보낼문자->text(), "A\r\nB");
    EXPECT_NE(QApplication::focusWidget(), history.txt보낼문자);

    history.txt문자[1]->setText("커피&빵\r\n둘째 줄");
    click(history.CMD[9]);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"저장되었습니다."});
    EXPECT_TRUE(program.read("Frshop.cfg").contains("문자2=커피!123!빵!줄바꿈!둘째 줄"));
    UnloadForm(frmB전화수신이력B::FormName());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    frmB전화수신이력B& again = open();
    EXPECT_EQ(again.txt문자[1]->text(), "커피＆빵\r\n둘째 줄");
    click(again.opt문자[1]);
    click(again.CMD[12]);
    EXPECT_EQ(again.txt보낼문자->text(), "커피＆빵\r\n둘째 줄");
}

TEST_F(CallHistory, CalendarMonths)
{
    frmB전화수신이력B& history = open();
    SpreadGrid& cal = *history.sprCAL;
    history.CalcDraw(QDate(2026, 2, 10));
    EXPECT_EQ(cal.MaxRows(), 8);
    EXPECT_EQ(cal.GetText(1, 1), "1");
    history.CalcDraw(QDate(2026, 8, 3));
    EXPECT_EQ(cal.MaxRows(), 12);
    EXPECT_EQ(cal.GetText(6, 1), "");
    EXPECT_EQ(cal.GetText(7, 1), "1");
    EXPECT_EQ(history.sspMonth->caption(), "2026년 8월");
    EXPECT_EQ(history.sDate, QDate(2026, 8, 1));
    EXPECT_EQ(history.eDate, QDate(2026, 8, 31));
    for (int r = 1; r <= cal.MaxRows(); ++r)
        for (int c = 1; c <= 7; ++c)
            EXPECT_FALSE(cal.GetText(c, r).contains("오늘"));

    click(history.CMD[3]);
    EXPECT_TRUE(history.picCalcBack->isVisible());
    EXPECT_EQ(cal.MaxRows(), 12);
    EXPECT_EQ(cal.Tag(), "2026-05-13");
    // May 2026 starts on a Friday: the 13th is the Wednesday of week 3.
    EXPECT_EQ(cal.GetText(4, 5), "13 오늘");
    // Widths and heights end at the grid's edges, the last column and row taking the rest.
    double width = 0;
    for (int c = 1; c <= 7; ++c)
        width += cal.ColWidth(c);
    EXPECT_EQ(qRound(width / 15), cal.width() - 6);
    EXPECT_EQ(qRound(cal.ColWidth(1) / 15 * 100), qRound((cal.width() - 8) / 7.0 * 100));
    const double body = ((cal.height() - 13) / 6.0) * 15 - 200;
    for (int r = 1; r <= 11; ++r)
        EXPECT_DOUBLE_EQ(cal.RowHeight(r), r % 2 == 1 ? 200.0 : body) << r;
    EXPECT_NEAR(cal.RowHeight(12), body, 6 * 15);

    click(history.CMD[4]);
    EXPECT_EQ(cal.Tag(), "2026-04-13");
    EXPECT_EQ(cal.MaxRows(), 10);
    click(history.sspMonth);
    EXPECT_EQ(cal.Tag(), "2026-05-13");
}

TEST_F(CallHistory, CalendarPicksTheDay)
{
    addCall("2026-05-20", "10:00:00", "01012345678");
    frmB전화수신이력B& history = open();
    SpreadGrid& cal = *history.sprCAL;
    click(history.CMD[3]);
    int x = 0, y = 0, w = 0, h = 0, bodyH = 0, dummy = 0;
    cal.GetCellPos(4, 5, &x, &y, &w, &h);
    cal.GetCellPos(4, 6, &dummy, &dummy, &dummy, &bodyH);
    EXPECT_EQ(history.picCalBorder->geometry(), QRect(cal.x() + x / 15, cal.y() + y / 15, qRound(w / 15.0),
                                                      qRound(h / 15.0) + qRound(bodyH / 15.0)));

    // The body cell below the 20th counts for the 20th.
    clickCell(cal, 4, 8);
    EXPECT_EQ(history.sspDay->caption(), "26.05.20 (수)");
    EXPECT_EQ(column(4), QStringList{"010-1234-5678"});
    EXPECT_TRUE(history.picCalcBack->isHidden());
    cal.GetCellPos(4, 7, &x, &y, &w, &h);
    EXPECT_EQ(history.picCalBorder->pos(), QPoint(cal.x() + x / 15, cal.y() + y / 15));

    // A click on the number; then on an empty cell, which keeps the day and still reloads.
    click(history.CMD[3]);
    clickCell(cal, 5, 5);
    EXPECT_EQ(history.sspDay->tag(), "2026-05-14");
    click(history.CMD[3]);
    addCall("2026-05-14", "10:00:00", "0311234567");
    clickCell(cal, 1, 1);
    EXPECT_EQ(history.sspDay->tag(), "2026-05-14");
    EXPECT_EQ(column(4), QStringList{"031-123-4567"});
    EXPECT_TRUE(history.picCalcBack->isHidden());

    // Another month frames the same day there.
    click(history.CMD[3]);
    click(history.CMD[5]);
    cal.GetCellPos(1, 5, &x, &y, &w, &h);
    EXPECT_EQ(cal.GetText(1, 5), "14");
    EXPECT_EQ(history.picCalBorder->pos(), QPoint(cal.x() + x / 15, cal.y() + y / 15));
}

TEST_F(CallHistory, SendsOneMessageToTheTickedCallers)
{
    addCall("2026-05-13", "09:00:00", "15881234");
    addCall("2026-05-13", "10:00:00", "01012345678");
    addCall("2026-05-13", "11:00:00", "0212345678");
    backend.shop().credit = 1000;
    frmB전화수신이력B& history = open();
    click(history.Chk전체선택);
    history.txt보낼문자->setText("A\r\nB");
    backend->clearRequests();
    MessageBoxes().clear();
    click(history.CMD[13]);

    EXPECT_EQ(MessageBoxes().texts(), QStringList({"전송하시겠습니까?", "성공!"}));
    EXPECT_EQ(MessageBoxes().shown().last().style, 0);
    QStringList paths;
    for (const StandinRequest& request : backend->requests())
        paths.append(request.path);
    EXPECT_EQ(paths, QStringList({kCreditPath, kSendPath, kCreditPath}));
    const QString body = QString::fromUtf8(backend->requestsTo(kSendPath).value(0).body);
    EXPECT_EQ(body, "ID=" + backend.shopId() + "&PassWord=" + backend.shopPassword() +
                        "&bytec=4&sendphonetext=b[3]ba[0212345678]a b[2]ba[01012345678]a "
                        "&groupText=%41%21%EC%A4%84%21%42&couponNum=X&couponText=&sendTEXT=%41%21%EC%A4%84%21%42");
    EXPECT_EQ(history.전송건수->text(), "2/3");
    EXPECT_EQ(backend.shop().credit, 960);
    EXPECT_EQ(main->written.last(), 960);
    EXPECT_EQ(history.전송가능건수->text(), "48/21");
}

TEST_F(CallHistory, RefusesWithoutRecipientsTextOrCredit)
{
    addCall("2026-05-13", "09:00:00", "15881234");
    for (int i = 0; i < 3; ++i)
        addCall("2026-05-13", "10:00:00", "0101234567" + QString::number(i));
    frmB전화수신이력B& history = open();
    SpreadGrid& grid = *history.SPR[0];
    clickCell(grid, 2, 4);
    MessageBoxes().clear();
    click(history.CMD[13]);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"선택된 회원이 없습니다!"});
    EXPECT_EQ(history.전송건수->text(), "0/4");

    click(history.Chk전체선택);
    history.txt보낼문자->setText("  ");
    MessageBoxes().clear();
    click(history.CMD[13]);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"보낼 문자를 작성해 주세요!"});
    EXPECT_EQ(history.전송건수->text(), "3/4");

    const struct {
        QString text;
        int credit;
        bool enough;
    } cases[] = {{"sms", 59, false}, {"sms", 60, true}, {QString(91, 'x'), 134, false}, {QString(91, 'x'), 135, true}};
    for (const auto& c : cases) {
        history.txt보낼문자->setText(c.text);
        backend.shop().credit = c.credit;
        MessageBoxes().clear();
        MessageBoxes().answer(MsgResult::No);
        click(history.CMD[13]);
        EXPECT_EQ(MessageBoxes().texts().value(0), c.enough ? "전송하시겠습니까?" : "남은 문자가 모자랍니다!\r\n충전해 주세요.")
            << c.credit;
    }
    EXPECT_TRUE(backend->requestsTo(kSendPath).isEmpty());
}

// The backend reads the send and closes the connection without an answer: the message reaches it
// once and the window reports the failure.
TEST_F(CallHistory, ASendAnsweredByAClosedConnectionArrivesOnceAndFails)
{
    addCall("2026-05-13", "10:00:00", "01012345678");
    backend.shop().credit = 100;
    frmB전화수신이력B& history = open();
    click(history.Chk전체선택);
    history.txt보낼문자->setText("안녕하세요");
    backend->script(kSendPath, StandinReply::drop());
    MessageBoxes().clear();
    click(history.CMD[13]);
    QTest::qWait(200);   // time enough for a repeat to arrive
    EXPECT_EQ(MessageBoxes().texts(), QStringList({"전송하시겠습니까?", "실패! 다시 시도해주세요."}));
    EXPECT_EQ(backend->requestsTo(kSendPath).size(), 1);
    EXPECT_EQ(backend->requestsTo(kCreditPath).size(), 3);
}

TEST_F(CallHistory, OpenedByNameWithItsButtonLooks)
{
    RegisterWindowMakers();
    auto* made = dynamic_cast<frmB전화수신이력B*>(FormByName(QStringLiteral("frmB전화수신이력B")));
    ASSERT_NE(made, nullptr);
    frmB전화수신이력B& history = open();
    const QColor blue(0, 141, 238);
    const struct {
        int index;
        QColor face, text, pressedFace, pressedText, frame;
    } looks[] = {{3, QColor(172, 221, 255), Qt::white, Qt::white, blue, blue},
                 {13, QColor(240, 240, 240), Qt::black, blue, Qt::white, QColor(240, 240, 240)},
                 {7, blue, Qt::white, Qt::white, blue, blue}};
    for (const auto& look : looks) {
        PanelButton& button = *history.CMD[look.index];
        EXPECT_EQ(button.faceColor(), look.face) << look.index;
        EXPECT_EQ(button.textColor(), look.text) << look.index;
        EXPECT_EQ(button.frameColor(), look.frame) << look.index;
        EXPECT_EQ(button.corner(), 3);
        QTest::mousePress(&button, Qt::LeftButton);
        EXPECT_EQ(button.faceColor(), look.pressedFace) << look.index;
        EXPECT_EQ(button.textColor(), look.pressedText) << look.index;
        button.setEnabled(false);
        QTest::mouseRelease(&button, Qt::LeftButton);
        EXPECT_EQ(button.faceColor(), look.pressedFace) << look.index;
        button.setEnabled(true);
        QTest::mousePress(&button, Qt::LeftButton);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(-5, -5));
        EXPECT_EQ(button.faceColor(), look.face) << look.index;
    }
}

TEST_F(CallHistory, HeadingRowPaintedInItsFill)
{
    frmB전화수신이력B& history = open();
    int x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(history.SPR[0]->GetCellPos(3, 0, &x, &y, &w, &h));
    const QImage picture = history.SPR[0]->viewport()->grab().toImage();
    EXPECT_EQ(picture.pixelColor(x / 15 + 3, y / 15 + 3), QColor(232, 246, 255));
}

} // namespace
