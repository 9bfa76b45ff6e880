#include "config/tables_fixture.h"

#include "platform/message_box.h"
#include "support/seams.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString kSortPath = QStringLiteral("/program/tableqrtablesortedit.php");

// Runs the step on the order window once its first activation has loaded the list; a window that
// never gets there is closed, so that the test ends.
void WhenOrderWindowReady(const std::function<void(frmB좌석설정_순서변경&)>& step, int tries = 250)
{
    QTimer::singleShot(20, [step, tries] {
        auto* window = static_cast<frmB좌석설정_순서변경*>(FindForm(frmB좌석설정_순서변경::FormName()));
        if (window && !window->m_FirstActivated && window->picWait->isHidden()) {
            step(*window);
            return;
        }
        if (tries > 0)
            WhenOrderWindowReady(step, tries - 1);
        else if (window)
            window->lblTerminate_Click();
    });
}

// Types a number into the order cell of a row as a user does: a click on the cell, then the first
// key opens the cell's editor and the others go into it.
void TypeOrder(SpreadGrid& grid, int row, const QString& digits)
{
    ClickCell(grid, 3, row);
    QTest::keyClicks(&grid, digits.left(1));
    for (QLineEdit* editor : grid.viewport()->findChildren<QLineEdit*>())
        if (!editor->isHidden())
            QTest::keyClicks(editor, digits.mid(1));
}

bool RowHidden(GridModel& grid, int row)
{
    grid.SetRow(row);
    return grid.RowHidden();
}

class TableOrder : public TablesTest
{
protected:
    TableOrder()
    {
        setTables({{"101", "A1", "Y"}, {"104", "D", "N"}, {"102", "A2", "Y"}, {"105", "E", "N"}, {"103", "A3", "Y"}});
        backend.shop().tables[0].insert("tableqroup", "홀");
    }

    // Opens the order window from the tables window, runs the step in it and returns when it has
    // closed and the tables window's button has finished.
    void order(const std::function<void(frmB좌석설정_순서변경&)>& step)
    {
        frmB좌석설정& tables = openTables();
        m_before = int(requestLabels().size());
        WhenOrderWindowReady(step);
        QTest::mouseClick(tables.CMD[3], Qt::LeftButton);
    }
    QStringList requestsSinceOpening() const { return requestLabels().mid(m_before); }

    // 101 last, 102 first: typed with gaps.
    static void typeNewOrder(SpreadGrid& grid)
    {
        TypeOrder(grid, 1, "30");
        TypeOrder(grid, 3, "10");
        TypeOrder(grid, 5, "20");
    }

    const QString expectedBody = "ID=vmrdemo&PassWord=demo1234&sort=num[102]num sort[1]sort num[103]num sort[2]sort "
                                 "num[101]num sort[3]sort num[104]num sort[4]sort num[105]num sort[5]sort ";
    int m_before = 0;
};

} // namespace

TEST_F(TableOrder, TypedNumbersDecideTheOrderStoredAsPositionsWithHiddenTablesLast)
{
    bool stepRan = false;
    order([&](frmB좌석설정_순서변경& window) {
        stepRan = true;
        SpreadGrid& grid = *window.SPR[0];
        EXPECT_EQ(ColumnTexts(grid, 2), QStringList({"홀 - A1", "D", "A2", "E", "A3"}));
        EXPECT_EQ(ColumnTexts(grid, 3), QStringList({"1", "1000000001", "3", "1000000003", "5"}));
        EXPECT_TRUE(RowHidden(grid, 2));
        EXPECT_TRUE(RowHidden(grid, 4));
        EXPECT_FALSE(RowHidden(grid, 1));
        EXPECT_EQ(grid.ActiveCol(), 3);
        EXPECT_EQ(grid.ActiveRow(), 1);
        typeNewOrder(grid);
        QTest::mouseClick(window.CMD[0], Qt::LeftButton);
    });
    EXPECT_TRUE(stepRan);
    EXPECT_EQ(orderWindow(), nullptr);
    EXPECT_EQ(onlyBody(kSortPath), expectedBody);
    EXPECT_EQ(requestLabels("_WinHttp_3"), QStringList({"Save_순서()"}));
    QStringList stored;
    for (const StandinRecord& table : backend.shop().tables)
        stored.append(table.value("nums"));
    EXPECT_EQ(stored, QStringList({"102", "103", "101", "104", "105"}));
    EXPECT_EQ(requestsSinceOpening(), QStringList({"Load_설정(1)", "Load_설정(1)", "Read_좌석()"}));
    EXPECT_EQ(ColumnTexts(*Form<frmB좌석설정>().SPR[0], 1), QStringList({"102", "103", "101"}));
    EXPECT_TRUE(MessageBoxes().shown().isEmpty());
}

TEST_F(TableOrder, AFailedSaveKeepsTheSortedRowsAndASecondPressSendsAgain)
{
    backend->script(kSortPath, StandinReply::text("처리 실패"));
    order([&](frmB좌석설정_순서변경& window) {
        SpreadGrid& grid = *window.SPR[0];
        typeNewOrder(grid);
        QTest::mouseClick(window.CMD[0], Qt::LeftButton);
        EXPECT_EQ(MessageBoxes().texts(), QStringList({"수정에 실패했습니다!"}));
        EXPECT_EQ(MessageBoxes().shown().value(0).style, MsgStyle::OkOnly);
        EXPECT_EQ(orderWindow(), &window);
        EXPECT_EQ(ColumnTexts(grid, 1), QStringList({"102", "103", "101", "104", "105"}));
        EXPECT_EQ(ColumnTexts(grid, 3), QStringList({"10", "20", "30", "1000000001", "1000000003"}));
        EXPECT_TRUE(RowHidden(grid, 4));
        EXPECT_TRUE(RowHidden(grid, 5));
        EXPECT_FALSE(RowHidden(grid, 2));
        EXPECT_TRUE(window.CMD[0]->isEnabled());
        QTest::mouseClick(window.CMD[0], Qt::LeftButton);
        EXPECT_EQ(MessageBoxes().shown().size(), 2);
        QTest::mouseClick(window.lblTerminate, Qt::LeftButton);
    });
    const QList<StandinRequest> sent = backend->requestsTo(kSortPath);
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(QString::fromUtf8(sent[0].body), expectedBody);
    EXPECT_EQ(sent[1].body, sent[0].body);
    EXPECT_EQ(requestsSinceOpening(), QStringList({"Load_설정(1)", "Load_설정(1)", "Read_좌석()"}));
}

// The order cells take digits only; a press while one does not read as a number names its table
// and sends nothing.
TEST_F(TableOrder, LettersDoNotGetIntoTheOrderAndAnOrderThatIsNoNumberIsRefused)
{
    QStringList afterLetters;
    QStringList firstMessages;
    order([&](frmB좌석설정_순서변경& window) {
        SpreadGrid& grid = *window.SPR[0];
        TypeOrder(grid, 3, "abc");
        TypeOrder(grid, 5, "2x");
        grid.CommitEditing();
        afterLetters = ColumnTexts(grid, 3);
        for (const QString& wrong : {QString(), QStringLiteral("abc")}) {
            grid.SetText(3, 3, wrong);
            QTest::mouseClick(window.CMD[0], Qt::LeftButton);
        }
        firstMessages = MessageBoxes().texts();
        EXPECT_EQ(grid.ActiveRow(), 3);
        EXPECT_EQ(orderWindow(), &window);
        EXPECT_TRUE(window.CMD[0]->isEnabled());
        QTest::mouseClick(window.lblTerminate, Qt::LeftButton);
    });
    EXPECT_EQ(afterLetters, QStringList({"1", "1000000001", "3", "1000000003", "2"}));
    EXPECT_EQ(firstMessages, QStringList({"순서 칸에 숫자를 입력하세요! (A2)", "순서 칸에 숫자를 입력하세요! (A2)"}));
    EXPECT_TRUE(backend->requestsTo(kSortPath).isEmpty());
}

TEST_F(TableOrder, TheCloseAreaSendsNothingAndTheTablesWindowStillReloads)
{
    order([](frmB좌석설정_순서변경& window) {
        typeNewOrder(*window.SPR[0]);
        QTest::mouseClick(window.lblTerminate, Qt::LeftButton);
    });
    EXPECT_EQ(orderWindow(), nullptr);
    EXPECT_TRUE(backend->requestsTo(kSortPath).isEmpty());
    EXPECT_EQ(requestsSinceOpening(), QStringList({"Load_설정(1)", "Load_설정(1)", "Read_좌석()"}));
    EXPECT_EQ(ColumnTexts(*Form<frmB좌석설정>().SPR[0], 1), QStringList({"101", "102", "103"}));
}

TEST_F(TableOrder, EnterEndsTheNumberBeingTyped)
{
    QString typed;
    order([&](frmB좌석설정_순서변경& window) {
        QApplication::setActiveWindow(&window);
        SpreadGrid& grid = *window.SPR[0];
        TypeOrder(grid, 3, "77");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        typed = grid.GetText(3, 3);
        QTest::mouseClick(window.lblTerminate, Qt::LeftButton);
    });
    EXPECT_EQ(typed, "77");
}

TEST_F(TableOrder, PressesWhileTheOrderIsSentDoNothing)
{
    backend->script(kSortPath, StandinReply::text("성공").after(300));
    order([](frmB좌석설정_순서변경& window) {
        PanelButton* button = window.CMD[0];
        QTimer::singleShot(100, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
        DoubleClick(button);
    });
    EXPECT_EQ(backend->requestsTo(kSortPath).size(), 1);
    EXPECT_EQ(orderWindow(), nullptr);
}
