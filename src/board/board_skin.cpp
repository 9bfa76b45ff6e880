#include "board/board_window.h"

#include "core/file_exists.h"
#include "core/grid_helpers.h"
#include "core/screen_values.h"
#include "customer/member_grids.h"
#include "platform/pictures.h"

// The board's pictures and the set-up of its four lists and the timetable.

namespace {

constexpr int kCentred = 4;

// A list column from column 0 (the row-header column): header, width in pixels, shown, and the
// cell kind of SpreadSetCellType (-1: none set).
struct ListColumn {
    QString header;
    int width;
    bool shown;
    int kind;
};

struct ListSetUp {
    const QList<ListColumn>* columns;
    int scrollBars;
    double fontSize;
    bool steelScheme; // scheme 7A (else 7)
};

const QList<ListColumn>& BookingListColumns()
{
    static const QList<ListColumn> columns{
        {QString(), 35, true, -1},
        {QString(), 35, false, -1},
        {QStringLiteral("예약일시"), 85, true, kCentred},
        {QStringLiteral("예약자"), 60, true, kCentred},
        {QStringLiteral("모임명"), 80, true, kCentred},
        {QStringLiteral("연락처"), 80, true, kCentred},
        {QStringLiteral("접수"), 35, true, kCentred},
        {QStringLiteral("좌석"), 60, true, kCentred},
        {QStringLiteral("인원"), 58, true, kCentred},
        {QStringLiteral("예약상품"), 85, true, kCentred},
        {QStringLiteral("상태"), 40, true, kCentred},
        {QStringLiteral("예약일시2"), 110, false, kCentred},
        {QStringLiteral("연락처2"), 110, false, kCentred},
        {QStringLiteral("담당자"), 50, false, kCentred},
        {QStringLiteral("요청사항"), 95, false, kCentred},
        {QStringLiteral("좌석2"), 120, false, kCentred},
    };
    return columns;
}

const QList<ListColumn>& CallListColumns()
{
    static const QList<ListColumn> columns{
        {QStringLiteral("순번"), 35, true, -1},        {QString(), 35, false, -1},
        {QStringLiteral("시간"), 120, true, kCentred},   {QStringLiteral("연락처"), 200, true, kCentred},
        {QStringLiteral("상태"), 40, false, kCentred},   {QStringLiteral("생성일자"), 180, false, kCentred},
        {QStringLiteral("선택"), 40, false, kCentred},
    };
    return columns;
}

void setFontSize(GridModel& grid, int col, int row, double size)
{
    grid.SetCol(col);
    grid.SetRow(row);
    grid.SetFontSize(size);
    grid.SetFontBold(false);
}

void layOutColumns(GridModel& grid, const QList<ListColumn>& columns)
{
    for (int c = 0; c < columns.size(); ++c) {
        grid.SetCol(c);
        grid.SetRow(-1);
        grid.SetColHidden(!columns[c].shown);
    }
    for (int c = 0; c < columns.size(); ++c)
        grid.SetText(c, 0, columns[c].header);
    for (int c = 0; c < columns.size(); ++c)
        grid.SetColWidth(c, double(columns[c].width) * gTwipsX);
    for (int c = 1; c < columns.size(); ++c) {
        if (columns[c].kind >= 0)
            SpreadSetCellType(&grid, c, columns[c].kind, QString());
    }
}

void setUpList(GridModel& grid, const ListSetUp& setUp)
{
    const QList<ListColumn>& columns = *setUp.columns;
    const int lastCol = int(columns.size()) - 1;
    grid.SetMaxRows(0);
    grid.SetMaxCols(lastCol);
    grid.SetOperationMode(GridModel::ModeSingleSelect);
    grid.SetScrollBars(setUp.scrollBars);
    grid.SetRowHeight(-1, 35.0 * gTwipsY);
    grid.SetRowHeight(0, 30.0 * gTwipsY);
    setFontSize(grid, -1, -1, setUp.fontSize);
    setFontSize(grid, 0, -1, setUp.fontSize);
    setFontSize(grid, -1, 0, setUp.fontSize);
    setFontSize(grid, 0, 0, setUp.fontSize);
    layOutColumns(grid, columns);
    if (setUp.steelScheme)
        스프레드_색상초기화7A(&grid);
    else
        스프레드_색상초기화7(&grid);
    grid.SetRow(0);
    for (int c = 0; c <= lastCol; ++c) {
        grid.SetCol(c);
        grid.SetCellType(GridCellType::OwnerDrawn);
    }
}

} // namespace

bool frmB예약관리::Func_ReadSkin()
{
    picWait->loadPicture(gSkinPath);
    picWait->centre();
    picShadow->setGeometry(0, 0, width(), height());
    picShadow->hide();

    ImgBtn.Clear();
    for (int i = 1; i <= 4; ++i) {
        const QString file = gSkinPath + QStringLiteral("/btnD%1.gif").arg(i, 2, 10, QChar('0'));
        if (FileExists(file))
            ImgBtn.Add(QPixmap::fromImage(ReadPicture(file)));
    }

    setUpList(*SPR[0], {&BookingListColumns(), 3, 10, true});

    const bool wide = width() >= 1024;
    SpreadGrid& graph = *sprGraph[0];
    graph.SetMaxRows(0);
    graph.SetMaxCols(1);
    graph.SetOperationMode(GridModel::ModeReadOnly);
    graph.SetScrollBars(3);
    graph.SetColsFrozen(1);
    graph.SetTextTipAppearance(QStringLiteral("나눔고딕"), wide ? 14 : 12, wide, false, VbRGB(255, 255, 0),
                               VbRGB(0, 0, 0));
    graph.SetTextTipDelay(250);
    graph.SetRowHeight(-1, 25.0 * gTwipsY);
    graph.SetRowHeight(0, 25.0 * gTwipsY);
    setFontSize(graph, -1, -1, wide ? 10 : 8);
    for (const auto& [col, row] : {std::pair{0, -1}, std::pair{-1, 0}, std::pair{0, 0}}) {
        setFontSize(graph, col, row, 10);
        graph.SetFontBold(true);
    }
    graph.SetColWidth(1, 100.0 * gTwipsX);
    SpreadSetCellType(&graph, 1, kCentred, QString());
    스프레드_색상초기화7A(&graph);

    setUpList(*SPR[1], {&CallListColumns(), 3, 12, false});
    LayoutHistoryGrid(*SPR[2]);
    LayoutMemberListGrid(*SPR[3]);
    return true;
}
