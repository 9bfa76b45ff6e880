#include "board/board_fixture.h"

#include "board/board_globals.h"
#include "board/fake_windows.h"
#include "platform/window_effects.h"
#include "support/qt_printers.h"

#include <QTest>

namespace {

class BoardCommands : public BoardTest
{
protected:
    frmB예약관리& board() { return Form<frmB예약관리>(); }
    void press(int index) { QTest::mouseClick(board().CMD[index], Qt::LeftButton); }
    QString lastListBody() { return QString::fromUtf8(backend->requestsTo("/vbPHP/zzimorderload.php").last().body); }
    // A double click as the mouse makes it: a click, then the second press as a double click.
    static void doubleClick(QWidget* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
    }
    void showDay(const QString& day)
    {
        board().sprCAL->SetTag(day);
        board().날짜라벨_표시(day);
    }
};

TEST_F(BoardCommands, GuardLinesAndADisabledButton)
{
    open();
    press(15);
    const QStringList lines = log().filter("CMD_Click");
    EXPECT_EQ(lines.mid(lines.size() - 2), QStringList({"CMD_Click Start CMD(15).Enabled := True", "CMD_Click NextStep"}));
    EXPECT_TRUE(board().CMD[15]->isEnabled());
    board().CMD[4]->setEnabled(false);
    board().CMD_Click(4);
    EXPECT_EQ(log().filter("CMD_Click").last(), "CMD_Click Start CMD(4).Enabled := False");
    EXPECT_FALSE(board().CMD[4]->isEnabled());
}

TEST_F(BoardCommands, DaysAndMonths)
{
    open();
    const struct {
        QString from;
        int button;
        QDate to;
    } steps[] = {{"2024-01-31", 7, QDate(2024, 2, 29)}, {"2024-03-31", 6, QDate(2024, 2, 29)},
                 {"2024-02-29", 14, QDate(2024, 2, 28)}, {"2024-02-29", 16, QDate(2024, 3, 1)},
                 {"2024-02-29", 15, QDate(2024, 5, 7)}};
    for (const auto& s : steps) {
        showDay(s.from);
        press(s.button);
        const QString day = s.to.toString("yyyy-MM-dd");
        EXPECT_EQ(board().currDate, s.to) << s.button;
        EXPECT_EQ(board().sprCAL->Tag(), day);
        EXPECT_EQ(board().sspDay->tag(), day);
        EXPECT_EQ(board().sspMonth->text(), QString("%1년 %2월").arg(s.to.year()).arg(s.to.month()));
        EXPECT_TRUE(lastListBody().endsWith("&day=" + day + "&day2=" + day + "&noshowt=N&select=all")) << s.button;
        // The timetable shows the new day, month steps included.
        EXPECT_EQ(board().sprGraph[0]->GetText(2, -1000), s.to.toString("dd") + "일 오전 - AM");
    }
}

TEST_F(BoardCommands, WholeMonthInTheListView)
{
    open();
    showDay("2024-06-12");
    press(8);
    EXPECT_TRUE(lastListBody().endsWith("&day=2024-06-01&day2=2024-06-30&noshowt=N&select=all"));
    EXPECT_FALSE(board().picLayer[0]->isVisible());
    EXPECT_EQ(board().sspDay->tag(), "2024-06-12");
    press(9);
    EXPECT_TRUE(board().picLayer[0]->isVisible());
}

TEST_F(BoardCommands, ListRowsWrapUpAndDown)
{
    QString answer;
    for (int i = 1; i <= 7; ++i)
        answer += QString("<menubrrs> num[%1]num  regdatess[2024-05-07]regdatess  regdatess3[1%1:00]regdatess3 "
                          " requestname[손님%1]requestname  YN[Y]YN ").arg(i);
    backend->script("/vbPHP/zzimorderload.php", StandinReply::text(answer));
    open();
    SpreadGrid& list = *board().SPR[0];
    ASSERT_EQ(list.MaxRows(), 7);
    press(4);
    EXPECT_EQ(list.ActiveRow(), 7);
    press(5);
    EXPECT_EQ(list.ActiveRow(), 1);
    press(5);
    EXPECT_EQ(list.ActiveRow(), 2);
    EXPECT_EQ(list.ActiveCol(), 3);
    // A double click steps twice on the arrows and the months, once elsewhere.
    doubleClick(board().CMD[5]);
    EXPECT_EQ(list.ActiveRow(), 4);
    showDay("2024-05-07");
    doubleClick(board().CMD[16]);
    EXPECT_EQ(board().currDate, QDate(2024, 5, 8));
    doubleClick(board().CMD[7]);
    EXPECT_EQ(board().currDate, QDate(2024, 7, 8));
}

TEST_F(BoardCommands, ScaleButtonsAndTheTimetableWidth)
{
    open();
    press(11);
    EXPECT_EQ(gSchScaleKind, 0);
    EXPECT_TRUE(program.read("Frshop.cfg").contains("SchScaleKind=0"));
    press(10);
    EXPECT_EQ(gSchScaleKind, 1);

    press(18);
    EXPECT_EQ(board().CMD[18]->caption(), "◀");
    EXPECT_EQ(board().picLayer[0]->width(), 1012);
    EXPECT_EQ(board().sprGraph[0]->width(), 1010);
    press(18);
    EXPECT_EQ(board().CMD[18]->caption(), "▶");
    EXPECT_EQ(board().picLayer[0]->width(), 665);
    press(18);
    board().resize(1022, 700);
    EXPECT_EQ(board().picLayer[0]->width(), 665);
    EXPECT_EQ(board().CMD[18]->caption(), "◀");
}

TEST_F(BoardCommands, PressedLook)
{
    open();
    board().CMD_MouseDown(19);
    EXPECT_EQ(board().CMD[19]->faceColor(), QColor(Qt::white));
    EXPECT_EQ(board().CMD[19]->textColor(), QColor(79, 129, 189));
    board().CMD_MouseUp(19);
    EXPECT_EQ(board().CMD[19]->faceColor(), QColor(79, 129, 189));
    EXPECT_EQ(board().CMD[19]->textColor(), QColor(Qt::white));
    board().CMD[2]->setEnabled(false);
    board().CMD_MouseDown(2);
    EXPECT_EQ(board().CMD[2]->faceColor(), QColor(0, 141, 238));
}

TEST_F(BoardCommands, CallHistoryOverTheHalfTransparentMainWindow)
{
    auto* main = new QWidget;
    RegisterForm("frmMainMDI", main);
    open();
    {
        FakeCallHistory history;
        press(13);
        EXPECT_EQ(history.alphaWhileOpen, QList<int>{128});
        EXPECT_EQ(WindowAlpha(*main), 255);
    }
    press(13);
    EXPECT_EQ(WindowAlpha(*main), 255);
    EXPECT_TRUE(board().CMD[13]->isEnabled());
}

TEST_F(BoardCommands, ListPanelHeaders)
{
    open();
    showDay("2024-05-01");
    QTest::mouseClick(board().lblCMD[0], Qt::LeftButton);
    EXPECT_TRUE(board().picFrame[1]->isVisible());
    EXPECT_FALSE(board().picFrame[0]->isVisible());
    board().SPR[1]->SetMaxRows(3);
    board().lblCMD_Click(2);
    EXPECT_TRUE(board().picFrame[0]->isVisible());
    EXPECT_FALSE(board().picFrame[1]->isVisible());
    EXPECT_FALSE(board().picFrame[2]->isVisible());
    EXPECT_EQ(board().SPR[1]->MaxRows(), 0);
}

} // namespace
