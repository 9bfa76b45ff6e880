#include "platform/spread_grid.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A 6 x 8 list grid with a row-header column and a header row, 400 x 300 pixels.
class SpreadGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        grid.resize(400, 300);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        grid.SetMaxCols(6);
        grid.SetMaxRows(8);
        grid.SetColWidth(-1, PixelsToTwips(60));
        grid.SetColWidth(0, PixelsToTwips(35));
        grid.SetRowHeight(-1, PixelsToTwips(25));
        grid.SetRowHeight(0, PixelsToTwips(30));
        grid.Click = [this](int col, int row) { clicks.push_back({col, row}); };
        grid.DblClick = [this](int col, int row) { doubleClicks.push_back({col, row}); };
    }

    // The centre of a cell in pixels of the grid's viewport.
    QPoint Centre(int col, int row) const
    {
        int x = 0, y = 0, w = 0, h = 0;
        EXPECT_TRUE(grid.GetCellPos(col, row, &x, &y, &w, &h)) << col << "," << row;
        return QPoint(TwipsToPixels(x + w / 2), TwipsToPixels(y + h / 2));
    }

    void ClickAt(int col, int row) { QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Centre(col, row)); }

    SpreadGrid grid;
    std::vector<std::pair<int, int>> clicks;
    std::vector<std::pair<int, int>> doubleClicks;
};

} // namespace

TEST_F(SpreadGridTest, ClicksReachTheHandlerWithColumnAndRow)
{
    ClickAt(3, 2);
    ClickAt(4, 0);      // header row
    ClickAt(0, 5);      // row-header column
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{3, 2}, {4, 0}, {0, 5}}));
    EXPECT_EQ(grid.ActiveRow(), 2);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(395, 295));   // beyond the cells
    EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(SpreadGridTest, DoubleClickOnTheCornerReachesTheHandler)
{
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, Centre(0, 0));
    EXPECT_EQ(doubleClicks, (std::vector<std::pair<int, int>>{{0, 0}}));
}

TEST_F(SpreadGridTest, ClicksFollowFrozenColumnsAndScrolling)
{
    grid.SetColsFrozen(1);
    grid.SetLeftCol(4);
    const QPoint afterFrozen(35 + 60 + 5, 30 + 5);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, afterFrozen);   // every column fits: no scrolling
    EXPECT_EQ(grid.LeftCol(), 4);

    grid.SetColWidth(-1, PixelsToTwips(100));
    grid.SetRowHeight(-1, PixelsToTwips(40));
    grid.SetTopRow(3);
    const QPoint scrolled(35 + 100 + 5, 30 + 5);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, scrolled);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(35 + 5, 30 + 5));
    grid.SetLeftCol(6);   // beyond the last useful position: column 5 stays first, as far as it goes
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, scrolled);
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{2, 1}, {4, 3}, {1, 3}, {5, 3}}));
}

TEST_F(SpreadGridTest, MouseMoveReportsTwipsThatFindTheCell)
{
    std::vector<std::tuple<int, int, int, int>> moves;
    grid.MouseMove = [&](int button, int shift, int x, int y) { moves.push_back({button, shift, x, y}); };
    const QPoint point = Centre(5, 7);
    QTest::mouseMove(grid.viewport(), point);
    ASSERT_FALSE(moves.empty());
    const auto [button, shift, x, y] = moves.back();
    EXPECT_EQ(x, point.x() * kTwipsPerPixel);
    EXPECT_EQ(y, point.y() * kTwipsPerPixel);
    int col = 0, row = 0;
    ASSERT_TRUE(grid.GetCellFromScreenCoord(&col, &row, x, y));
    EXPECT_EQ(std::pair(col, row), std::pair(5, 7));
}

TEST_F(SpreadGridTest, OwnerDrawnHeaderIsPaintedByTheHandler)
{
    grid.SetRow(0);
    for (int col = 0; col <= grid.MaxCols(); ++col) {
        grid.SetCol(col);
        grid.SetCellType(GridCellType::OwnerDrawn);
    }
    grid.SetText(2, 0, "예약일시");
    std::map<int, std::array<int, 4>> drawn;
    grid.DrawItem = [&](int col, int row, QPainter& dc, int x, int y, int x2, int y2) {
        if (row != 0)
            return;
        drawn[col] = {x, y, x2, y2};
        dc.fillRect(QRect(QPoint(TwipsToPixels(x), TwipsToPixels(y)), QPoint(TwipsToPixels(x2) - 1, TwipsToPixels(y2) - 1)),
                    QColor(232, 246, 255));
    };
    const QImage image = grid.grab().toImage();

    EXPECT_EQ(drawn.size(), 7u);
    int x = 0, y = 0, w = 0, h = 0;
    grid.GetCellPos(2, 0, &x, &y, &w, &h);
    EXPECT_EQ(drawn[2], (std::array<int, 4>{x, y, x + w, y + h}));
    EXPECT_EQ(image.pixelColor(Centre(2, 0)), QColor(232, 246, 255));
    EXPECT_EQ(image.pixelColor(Centre(0, 0)), QColor(232, 246, 255));
    EXPECT_NE(image.pixelColor(Centre(2, 1)), QColor(232, 246, 255));
}

TEST_F(SpreadGridTest, CheckCellChangesOnlyWhenTheHandlerChangesIt)
{
    grid.SetRow(-1);
    grid.SetCol(2);
    grid.SetCellType(GridCellType::CheckBox);
    grid.SetValue(0);
    ClickAt(2, 3);
    grid.SetCol(2);
    grid.SetRow(3);
    EXPECT_EQ(grid.Value(), 0);

    grid.Click = [this](int col, int row) {
        grid.SetCol(col);
        grid.SetRow(row);
        grid.SetValue(grid.Value() == 0 ? 1 : 0);
    };
    ClickAt(2, 3);
    EXPECT_EQ(grid.Value(), 1);
    grid.SetRow(4);
    EXPECT_EQ(grid.Value(), 0);
}

TEST_F(SpreadGridTest, TipShowsWhatTheHandlerFetchesInTheChosenLook)
{
    grid.SetTextTipDelay(5);
    grid.SetTextTipAppearance("나눔고딕", 14, true, false, VbRGB(255, 255, 0), VbRGB(0, 0, 0));
    grid.SetCol(3);
    grid.SetRow(2);
    grid.SetCellNote("\r\n　10:00\r\n　홍길동\r\n");
    int proposed = 0;
    grid.TextTipFetch = [&](int col, int row, int& multiLine, int& tipWidth, QString& tipText, bool& showTip) {
        grid.SetCol(col);
        grid.SetRow(row);
        if (grid.CellNote().isEmpty())
            return;
        proposed = tipWidth;
        tipText = grid.CellNote();
        multiLine = 2;
        tipWidth = int(std::lround(tipWidth * 1.15));
        showTip = true;
    };

    QTest::mouseMove(grid.viewport(), Centre(4, 2));
    QTest::qWait(40);
    EXPECT_EQ(grid.ShownTip(), nullptr);

    QTest::mouseMove(grid.viewport(), Centre(3, 2));
    QTest::qWait(40);
    QLabel* tip = grid.ShownTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->text(), "\n　10:00\n　홍길동\n");
    EXPECT_EQ(tip->font().pointSizeF(), 14);
    EXPECT_TRUE(tip->font().bold());
    EXPECT_TRUE(tip->styleSheet().contains("#ffff00"));
    EXPECT_GT(proposed, 0);
    EXPECT_EQ(tip->width(), TwipsToPixels(std::lround(proposed * 1.15)));
}

TEST_F(SpreadGridTest, NormalModeTakesTypedNumbers)
{
    grid.SetRow(-1);
    grid.SetCol(3);
    grid.SetCellType(GridCellType::Number);
    grid.SetActiveCell(3, 2);
    grid.setFocus();
    QTest::keyClick(&grid, 'a');
    EXPECT_EQ(grid.viewport()->findChild<QLineEdit*>(), nullptr) << "a letter starts no editing";
    EXPECT_EQ(grid.GetText(3, 2), "");
    QTest::keyClick(&grid, '1');
    auto* editor = grid.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "2x5");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(grid.GetText(3, 2), "125");

    grid.SetOperationMode(GridModel::ModeSingleSelect);
    QTest::keyClicks(&grid, "7");
    EXPECT_EQ(grid.GetText(3, 2), "125");
}
