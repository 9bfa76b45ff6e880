#include "core/grid_helpers.h"
#include "core/log.h"
#include "platform/grid_model.h"
#include "platform/picture_list.h"
#include "support/program_dir.h"
#include "support/seams.h"

#include <gtest/gtest.h>

namespace {

struct Kind {
    int type, hAlign, vAlign;
    bool wrap;
};

Kind KindOf(GridModel& grid, int col, int row)
{
    grid.SetCol(col);
    grid.SetRow(row);
    return {grid.CellType(), grid.TypeHAlign(), grid.TypeVAlign(), grid.TypeTextWordWrap()};
}

bool operator==(const Kind& a, const Kind& b)
{
    return a.type == b.type && a.hAlign == b.hAlign && a.vAlign == b.vAlign && a.wrap == b.wrap;
}

class GridHelpersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        grid.SetMaxCols(4);
        grid.SetMaxRows(6);
    }
    void TearDown() override { BindImgGlobal(nullptr); }
    GridModel grid;
};

} // namespace

TEST_F(GridHelpersTest, KindFourMakesTheWholeColumnCentredWrappedTextAndKeepsTheRow)
{
    grid.SetRow(5);
    grid.SetCol(1);
    SpreadSetCellType(&grid, 2, 4, "");
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.Col(), 2);

    grid.SetMaxRows(8);   // rows added later are of the column's kind too
    for (int row = 1; row <= 8; ++row)
        EXPECT_EQ(KindOf(grid, 2, row), (Kind{GridCellType::StaticText, GridAlign::Center, GridAlign::Center, true})) << row;
    EXPECT_EQ(KindOf(grid, 3, 1).type, GridCellType::Edit);
}

TEST_F(GridHelpersTest, KindsSetTypeAndAlignment)
{
    struct Case {
        int kind;
        Kind expected;
    };
    const Case cases[] = {
        {3, {GridCellType::StaticText, GridAlign::Left, GridAlign::Center, true}},
        {5, {GridCellType::StaticText, GridAlign::Right, GridAlign::Center, true}},
        {7, {GridCellType::Number, GridAlign::Center, GridAlign::Center, false}},
        {6, {GridCellType::Number, GridAlign::Left, GridAlign::Center, false}},
        {1, {GridCellType::Edit, GridAlign::Center, GridAlign::Center, false}},
    };
    for (const Case& c : cases) {
        GridModel fresh;
        fresh.SetMaxCols(2);
        fresh.SetMaxRows(2);
        SpreadSetCellType(&fresh, 1, c.kind, "");
        EXPECT_EQ(KindOf(fresh, 1, 2), c.expected) << c.kind;
        if (c.expected.type == GridCellType::Number) {
            EXPECT_FALSE(fresh.TypeNumberShowSep());
            EXPECT_EQ(fresh.TypeNumberDecPlaces(), 0);
        }
    }

    SpreadSetCellType(&grid, 1, 99, "");   // an unknown kind changes nothing
    EXPECT_EQ(KindOf(grid, 1, 1).type, GridCellType::Edit);
}

TEST_F(GridHelpersTest, KindFourteenIsACentredCheckBoxWithTheFirstFourPictures)
{
    PictureList imgGlobal;
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::black};
    for (const QColor& colour : colours) {
        QPixmap picture(8, 8);
        picture.fill(colour);
        imgGlobal.Add(picture);
    }
    BindImgGlobal(&imgGlobal);
    SpreadSetCellType(&grid, 3, 14, "");

    grid.SetCol(3);
    grid.SetRow(4);
    EXPECT_EQ(grid.CellType(), GridCellType::CheckBox);
    EXPECT_TRUE(grid.TypeCheckCenter());
    EXPECT_EQ(grid.TypeCheckType(), 0);
    for (int state = 0; state <= 3; ++state)
        EXPECT_EQ(grid.TypeCheckPicture(state).toImage().pixelColor(0, 0), colours[state]) << state;
    EXPECT_EQ(grid.Value(), 0);
}

TEST_F(GridHelpersTest, SchemesSetTheirColoursAndKeepRepainting)
{
    for (bool reDraw : {true, false}) {
        grid.SetReDraw(reDraw);
        스프레드_색상초기화7A(&grid);
        EXPECT_EQ(grid.ReDraw(), reDraw);
        EXPECT_EQ(grid.SelBackColor(), OleColor(VbRGB(183, 218, 242)));
        EXPECT_EQ(grid.SelForeColor(), OleColor(VbRGB(0, 0, 0)));

        스프레드_색상초기화7(&grid);
        EXPECT_EQ(grid.ReDraw(), reDraw);
        EXPECT_EQ(grid.SelBackColor(), OleColor(VbRGB(251, 255, 236)));
        EXPECT_EQ(grid.SelForeColor(), kNoColor);
    }
    OleColor backOdd, foreOdd, backEven, foreEven;
    grid.GetOddEvenRowColor(&backOdd, &foreOdd, &backEven, &foreEven);
    EXPECT_EQ(std::vector<OleColor>({backOdd, foreOdd, backEven, foreEven}),
              std::vector<OleColor>({OleColor(VbRGB(255, 255, 255)), 0, OleColor(VbRGB(251, 253, 255)), 0}));
    EXPECT_EQ(grid.GrayAreaBackColor(), OleColor(VbRGB(255, 255, 255)));
    EXPECT_EQ(grid.GrayAreaForeColor(), OleColor(VbRGB(255, 255, 255)));
    EXPECT_EQ(grid.LockBackColor(), kNoColor);
    EXPECT_EQ(grid.LockForeColor(), kNoColor);
    EXPECT_EQ(grid.ShadowColor(), OleColor(VbRGB(251, 253, 255)));
    EXPECT_EQ(grid.ShadowText(), OleColor(VbRGB(112, 112, 112)));
    EXPECT_EQ(grid.ShadowDark(), kNoColor);
}

TEST(GridHelpers, SchemeWithoutAGridWritesItsErrorLineToLogOne)
{
    TempProgramDir dir;
    ScopedFakeClock clock(QDateTime(QDate(2024, 5, 3), QTime(10, 0, 0, 5)));
    스프레드_색상초기화7A(nullptr);
    EXPECT_EQ(dir.read("2405031.log"),
              "[10:00:00.005]e)Spread->스프레드_색상초기화7A(SPR:=)[1](91)Object variable or With block variable not set\r\n");
    SpreadSetCellType(nullptr, 1, 4, "");
}
