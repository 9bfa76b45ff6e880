#include "board/board_fixture.h"

#include "support/qt_printers.h"

namespace {

using BoardLayout = BoardTest;

QRect at(const QWidget* control)
{
    return control->geometry();
}

TEST_F(BoardLayout, StandardBoardToThePixel)
{
    frmB예약관리& board = open();
    EXPECT_EQ(at(board.cmdLayer[0]), QRect(0, 1, 245, 48));
    EXPECT_EQ(at(board.cmdLayer[2]), QRect(320, 1, 335, 48));
    EXPECT_EQ(at(board.picLayer[0]), QRect(2, 45, 665, 602));
    EXPECT_EQ(at(board.sprGraph[0]), QRect(2, 1, 663, 600));
    EXPECT_EQ(at(board.SPR[0]), QRect(6, 90, 661, 517));
    EXPECT_EQ(at(board.picStatus), QRect(6, 610, 508, 37));
    EXPECT_EQ(at(board.CMD[4]), QRect(517, 610, 74, 37));
    EXPECT_EQ(at(board.CMD[5]), QRect(594, 610, 74, 37));
    EXPECT_EQ(at(board.picLayer[1]), QRect(670, 2, 350, 270));
    EXPECT_EQ(at(board.sprCAL), QRect(1, 44, 342, 225));
    EXPECT_EQ(at(board.cmdLayer[1]), QRect(670, 274, 350, 372));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(at(board.picFrame[i]), QRect(2, 200, 340, 172));
        EXPECT_EQ(at(board.SPR[i + 1]), QRect(1, 35, 338, 134));
        EXPECT_EQ(at(board.imgBot[i]), QRect(0, 152, 340, 20));
    }
    EXPECT_EQ(at(board.BD[0]), QRect(5, 89, 663, 519));
    EXPECT_EQ(at(board.picShadow).size(), QSize(1010, 642));
    const int widths[] = {87, 62, 82, 82, 37, 62, 60, 87, 42};
    for (int c = 2; c <= 10; ++c)
        EXPECT_EQ(board.SPR[0]->ColWidth(c), widths[c - 2] * 15) << c;
    EXPECT_EQ(board.SPR[0]->ColWidth(11), 110 * 15);
    // The time-slot panel lies in front of the list.
    const QObjectList order = board.children();
    EXPECT_GT(order.indexOf(board.picLayer[0]), order.indexOf(board.SPR[0]));
}

TEST_F(BoardLayout, WiderAndTallerBoards)
{
    frmB예약관리& board = open();
    board.resize(1322, 654);
    EXPECT_EQ(at(board.picLayer[0]), QRect(2, 45, 965, 602));
    EXPECT_EQ(at(board.SPR[0]).width(), 961);
    EXPECT_EQ(board.SPR[0]->ColWidth(2), (85 + 35) * 15);
    EXPECT_EQ(board.SPR[0]->ColWidth(6), (35 + 35) * 15);
    EXPECT_EQ(at(board.picLayer[1]), QRect(970, 2, 350, 270));
    EXPECT_EQ(at(board.cmdLayer[2]).x(), 620);
    EXPECT_EQ(at(board.picStatus).width(), 808);
    // The timetable was redrawn to the new width.
    EXPECT_EQ(board.sprGraph[0]->width(), 963);

    board.resize(1022, 854);
    EXPECT_EQ(at(board.picLayer[0]).height(), 802);
    EXPECT_EQ(at(board.cmdLayer[1]), QRect(670, 274, 350, 572));
    EXPECT_EQ(at(board.picFrame[2]), QRect(2, 200, 340, 372));
    EXPECT_EQ(at(board.sprCAL).height(), 225);
    EXPECT_EQ(at(board.picStatus).y(), 810);
}

TEST_F(BoardLayout, TinyBoardsEndThePassWithTheirLine)
{
    frmB예약관리& board = open();
    const QRect list = at(board.SPR[0]);
    board.resize(500, 654);
    EXPECT_EQ(log().filter("e)frmB예약관리->Form_Resize[Erl:=3, Eno:=380]").size(), 1);
    EXPECT_EQ(at(board.SPR[0]), list);

    board.resize(1022, 500);
    EXPECT_EQ(log().filter("e)frmB예약관리->Form_Resize[Erl:=11, Eno:=380]").size(), 1);
    EXPECT_EQ(at(board.picFrame[0]).height(), 18);
    EXPECT_EQ(at(board.SPR[0]).height(), 363);
}

} // namespace
