#include "platform/grid_model.h"
#include "platform/twips.h"
#include "support/program_dir.h"

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct SpanInfo {
    int col = 0, row = 0, cols = 0, rows = 0;
    bool operator==(const SpanInfo&) const = default;
};

std::optional<SpanInfo> SpanOf(const GridModel& grid, int col, int row)
{
    SpanInfo span;
    if (!grid.GetCellSpan(col, row, &span.col, &span.row, &span.cols, &span.rows))
        return std::nullopt;
    return span;
}

QStringList Column(const GridModel& grid, int col)
{
    QStringList texts;
    for (int r = 1; r <= grid.MaxRows(); ++r)
        texts << grid.GetText(col, r);
    return texts;
}

QList<bool> HiddenRows(GridModel& grid)
{
    QList<bool> hidden;
    for (int r = 1; r <= grid.MaxRows(); ++r) {
        grid.SetRow(r);
        hidden << grid.RowHidden();
    }
    return hidden;
}

class GridModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        grid.SetMaxCols(10);
        grid.SetMaxRows(5);
    }
    GridModel grid;
};

} // namespace

TEST_F(GridModelTest, SpanIsFoundFromAnyInnerCellAndRemovedFromOne)
{
    grid.AddCellSpan(3, 2, 4, 2);
    for (auto [col, row] : {std::pair{3, 2}, {6, 3}, {4, 2}})
        EXPECT_EQ(SpanOf(grid, col, row), (SpanInfo{3, 2, 4, 2})) << col << "," << row;
    EXPECT_FALSE(SpanOf(grid, 7, 2));
    EXPECT_FALSE(SpanOf(grid, 3, 4));

    grid.RemoveCellSpan(5, 3);
    EXPECT_FALSE(SpanOf(grid, 3, 2));
    EXPECT_FALSE(SpanOf(grid, 5, 3));
}

TEST_F(GridModelTest, NewSpanReplacesTheSpansItOverlaps)
{
    grid.AddCellSpan(2, 1, 6, 1);     // an earlier booking, cut short where the next one begins
    grid.RemoveCellSpan(2, 1);
    grid.AddCellSpan(2, 1, 3, 1);
    grid.AddCellSpan(5, 1, 4, 1);
    EXPECT_EQ(SpanOf(grid, 4, 1), (SpanInfo{2, 1, 3, 1}));
    EXPECT_EQ(SpanOf(grid, 5, 1), (SpanInfo{5, 1, 4, 1}));

    grid.AddCellSpan(4, 1, 2, 1);     // overlapping both: both give way
    EXPECT_FALSE(SpanOf(grid, 2, 1));
    EXPECT_FALSE(SpanOf(grid, 8, 1));
    EXPECT_EQ(SpanOf(grid, 5, 1), (SpanInfo{4, 1, 2, 1}));
}

TEST_F(GridModelTest, SpansInTheTwoHeaderRowsStayInTheHeader)
{
    grid.SetColHeaderRows(2);
    grid.AddCellSpan(1, -1000, 1, 2);
    grid.AddCellSpan(2, -999, 6, 1);
    grid.AddCellSpan(8, -999, 3, 5);    // asks for data rows too: kept to the header rows
    EXPECT_EQ(SpanOf(grid, 1, -999), (SpanInfo{1, -1000, 1, 2}));
    EXPECT_EQ(SpanOf(grid, 7, -999), (SpanInfo{2, -999, 6, 1}));
    EXPECT_EQ(SpanOf(grid, 10, -999), (SpanInfo{8, -999, 3, 1}));
    EXPECT_FALSE(SpanOf(grid, 2, -1000));
    EXPECT_FALSE(SpanOf(grid, 8, 1));

    grid.SetText(1, -1000, "좌석");
    grid.SetText(2, -999, "9");
    EXPECT_EQ(grid.GetText(1, -1000), "좌석");
    EXPECT_EQ(grid.GetText(2, -999), "9");
    EXPECT_EQ(grid.GetText(2, 1), "");
}

TEST_F(GridModelTest, BordersApplyInCallOrderLaterEdgesOverEarlierOnes)
{
    const OleColor outline = VbRGB(218, 237, 238), faint = VbRGB(250, 250, 250), line = VbRGB(204, 204, 204);
    grid.SetCellBorder(1, 1, 10, 1, 16, outline, 1);
    grid.SetCellBorder(3, 1, 3, 1, 1, faint, 1);
    grid.SetCellBorder(1, 1, 10, 1, 12, line, 1);

    EXPECT_EQ(grid.LeftEdge(3, 1).color, faint);        // also the right edge of cell 2
    EXPECT_EQ(grid.LeftEdge(4, 1).color, outline);
    EXPECT_EQ(grid.LeftEdge(11, 1).color, outline);     // right edge of the last column
    EXPECT_EQ(grid.TopEdge(3, 1).color, line);
    EXPECT_EQ(grid.TopEdge(3, 2).color, line);          // bottom edge of row 1
    EXPECT_EQ(grid.TopEdge(3, 3).style, 0);

    grid.SetCellBorder(3, 1, 3, 1, 16, outline, 1);     // an outline after the edge wins again
    EXPECT_EQ(grid.LeftEdge(3, 1).color, outline);
    EXPECT_EQ(grid.TopEdge(3, 2).color, outline);
}

TEST_F(GridModelTest, BottomEdgeOfTheLastRowStaysWhenARowIsAdded)
{
    grid.SetCellBorder(2, 5, 2, 5, 8, VbRGB(1, 2, 3), 1);
    EXPECT_EQ(grid.TopEdge(2, 6).color, VbRGB(1, 2, 3));
    grid.SetMaxRows(6);
    EXPECT_EQ(grid.TopEdge(2, 6).color, VbRGB(1, 2, 3));
    EXPECT_EQ(grid.TopEdge(2, 7).style, 0);
}

TEST_F(GridModelTest, MaxRowsAndMaxColsZeroWipeEverything)
{
    grid.SetColHeaderRows(2);
    grid.AddCellSpan(2, -1000, 3, 1);
    grid.SetText(2, -1000, "오전");
    grid.SetText(4, 2, "홍길동");
    grid.SetCol(4);
    grid.SetRow(2);
    grid.SetCellNote("note");
    grid.SetBackColor(VbRGB(255, 0, 0));
    grid.AddCellSpan(4, 2, 3, 1);
    grid.SetCellBorder(4, 2, 6, 2, 16, VbRGB(68, 114, 196), 1);

    grid.SetMaxCols(0);
    grid.SetMaxRows(0);
    grid.SetMaxCols(10);
    grid.SetMaxRows(5);

    EXPECT_EQ(grid.GetText(2, -1000), "");
    EXPECT_FALSE(SpanOf(grid, 2, -1000));
    EXPECT_EQ(grid.GetText(4, 2), "");
    EXPECT_FALSE(SpanOf(grid, 5, 2));
    EXPECT_EQ(grid.CellNote(), "");
    EXPECT_EQ(grid.BackColor(), kNoColor);
    EXPECT_EQ(grid.LeftEdge(5, 2).style, 0);
    EXPECT_EQ(grid.TopEdge(4, 3).style, 0);
}

TEST_F(GridModelTest, MaxColsZeroAloneWipesTheEdgesOfTheRowsItKeeps)
{
    grid.SetCellBorder(1, 2, 1, 2, 16, VbRGB(68, 114, 196), 1);

    grid.SetMaxCols(0);
    grid.SetMaxCols(10);

    EXPECT_EQ(grid.LeftEdge(1, 2).style, 0);
    EXPECT_EQ(grid.LeftEdge(2, 2).style, 0);
    EXPECT_EQ(grid.TopEdge(1, 2).style, 0);
    EXPECT_EQ(grid.TopEdge(1, 3).style, 0);
}

TEST_F(GridModelTest, MaxRowsZeroKeepsTheColumnSettingsForNewRows)
{
    grid.SetRow(-1);
    grid.SetCol(3);
    grid.SetCellType(GridCellType::StaticText);
    grid.SetTypeHAlign(GridAlign::Center);
    grid.SetRow(-1);
    grid.SetCol(-1);
    grid.SetFontSize(11);
    grid.SetText(3, 1, "x");

    grid.SetMaxRows(0);
    grid.SetMaxRows(1);
    grid.SetMaxCols(12);

    grid.SetCol(3);
    grid.SetRow(1);
    EXPECT_EQ(grid.Text(), "");
    EXPECT_EQ(grid.CellType(), GridCellType::StaticText);
    EXPECT_EQ(grid.TypeHAlign(), GridAlign::Center);
    EXPECT_EQ(grid.FontSize(), 11);
    grid.SetCol(12);                 // a column added later takes the whole sheet's setting
    EXPECT_EQ(grid.FontSize(), 11);
    EXPECT_EQ(grid.CellType(), GridCellType::Edit);
}

TEST_F(GridModelTest, StableSortCarriesHiddenRows)
{
    const QStringList keys{"3", "10", "1", "9", "1"};
    for (int r = 1; r <= 5; ++r) {
        grid.SetText(1, r, QString("row%1").arg(r));
        grid.SetText(3, r, keys[r - 1]);
    }
    grid.SetRow(2);
    grid.SetRowHidden(true);
    grid.SetRow(5);
    grid.SetRowHidden(true);

    grid.SetSortKey(1, 3);
    grid.SetSortKeyOrder(1, 1);
    grid.SortRows(-1, -1, -1, -1, 0);
    EXPECT_EQ(Column(grid, 1), (QStringList{"row3", "row5", "row1", "row4", "row2"}));
    EXPECT_EQ(HiddenRows(grid), (QList<bool>{false, true, false, false, true}));

    grid.SetSortKeyOrder(1, 2);
    grid.Sort(-1, -1, -1, -1, 0);
    EXPECT_EQ(Column(grid, 1), (QStringList{"row2", "row4", "row1", "row3", "row5"}));
    EXPECT_EQ(grid.GetText(3, 0), "");   // the header row stays
}

TEST_F(GridModelTest, SwapRowsExchangesWholeRows)
{
    for (int r = 1; r <= 5; ++r) {
        grid.SetText(1, r, QString::number(r * 10));
        grid.SetText(2, r, QString("name%1").arg(r));
    }
    grid.SetRow(3);
    grid.SetRowHidden(true);

    grid.SwapRows(3, 3, 2);
    EXPECT_EQ(Column(grid, 1), (QStringList{"10", "30", "20", "40", "50"}));
    EXPECT_EQ(Column(grid, 2), (QStringList{"name1", "name3", "name2", "name4", "name5"}));
    EXPECT_EQ(HiddenRows(grid), (QList<bool>{false, true, false, false, false}));

    grid.SwapRows(1, 2, 4);
    EXPECT_EQ(Column(grid, 1), (QStringList{"40", "50", "20", "10", "30"}));

    for (auto [row, row2, dest] : {std::tuple{1, 2, 2}, {5, 5, 6}, {0, 0, 1}, {2, 1, 3}})
        grid.SwapRows(row, row2, dest);
    EXPECT_EQ(Column(grid, 1), (QStringList{"40", "50", "20", "10", "30"}));
}

TEST_F(GridModelTest, ActiveCellIsTheSelectedRow)
{
    grid.SetActiveCell(3, 4);
    EXPECT_EQ(grid.ActiveCol(), 3);
    EXPECT_EQ(grid.ActiveRow(), 4);
    EXPECT_EQ(grid.SelBlockRow(), 4);
    grid.SetActiveCell(2, 6);            // beyond the rows: ignored
    grid.SetActiveCell(0, 1);
    EXPECT_EQ(grid.SelBlockRow(), 4);
    EXPECT_EQ(grid.ActiveCol(), 3);
    grid.SetMaxRows(2);                  // a shorter list keeps the selection on a row it has
    EXPECT_EQ(grid.SelBlockRow(), 2);
}

TEST_F(GridModelTest, RequestsOutsideTheGridAreIgnored)
{
    grid.SetText(11, 1, "beyond");
    grid.SetText(1, 6, "below");
    grid.AddCellSpan(0, 1, 3, 1);        // the row-header column is not data
    grid.AddCellSpan(4, 1, 0, 1);        // no size
    grid.AddCellSpan(11, 1, 2, 1);
    grid.SetCellBorder(5, 1, 4, 1, 16, VbRGB(1, 1, 1), 1);   // empty range
    grid.SetCellBorder(0, 2, 0, 2, 1, VbRGB(1, 1, 1), 1);
    grid.SetCellBorder(3, 6, 3, 6, 4, VbRGB(1, 1, 1), 1);
    grid.SetCol(13);
    grid.SetRow(1);
    grid.SetBackColor(VbRGB(1, 1, 1));
    grid.SetCellNote("x");
    grid.SetCol(2);
    grid.SetRow(-5);
    grid.SetText("x");
    grid.SetLeftCol(11);
    grid.SetMaxRows(-1);

    EXPECT_EQ(grid.GetText(11, 1), "");
    EXPECT_EQ(grid.GetText(1, 6), "");
    EXPECT_EQ(grid.MaxRows(), 5);
    EXPECT_EQ(grid.LeftCol(), 1);
    for (int col = 0; col <= 11; ++col) {
        EXPECT_FALSE(SpanOf(grid, col, 1)) << col;
        for (int row = 1; row <= 6; ++row) {
            EXPECT_EQ(grid.LeftEdge(col, row).style, 0) << col << "," << row;
            EXPECT_EQ(grid.TopEdge(col, row).style, 0) << col << "," << row;
        }
    }
}

TEST_F(GridModelTest, ArraysReadAndWriteBlocks)
{
    grid.SetArray(2, 4, {{"a", "b", "c"}, {"d", "e", "f"}, {"g"}});
    EXPECT_EQ(grid.GetText(4, 5), "f");
    EXPECT_EQ(grid.GetText(2, 6), "");   // the third line lies beyond the rows
    EXPECT_EQ(grid.GetArray(3, 4, 2, 2), (QVector<QVector<QString>>{{"b", "c"}, {"e", "f"}}));
}

TEST_F(GridModelTest, CellsAreFoundByTheirTwipsPositionAndBack)
{
    grid.SetColWidth(-1, 1207.5);        // fractional pixels: the columns still tile
    grid.SetColWidth(0, PixelsToTwips(35));
    grid.SetRowHeight(0, PixelsToTwips(30));
    grid.SetRowHeight(-1, PixelsToTwips(25));
    grid.SetColsFrozen(1);
    grid.SetLeftCol(4);

    int x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(grid.GetCellPos(4, 2, &x, &y, &w, &h));
    EXPECT_EQ(x, PixelsToTwips(116));   // after 35 px and the frozen 80.5 px: 115.5 goes to even
    EXPECT_EQ(y, PixelsToTwips(30 + 25));
    EXPECT_EQ(h, PixelsToTwips(25));
    EXPECT_FALSE(grid.GetCellPos(2, 2, &x, &y, &w, &h));   // scrolled out of view

    int col = 0, row = 0;
    for (auto [c, r] : {std::pair{1, 1}, {4, 2}, {7, 5}, {0, 3}, {5, 0}}) {
        ASSERT_TRUE(grid.GetCellPos(c, r, &x, &y, &w, &h)) << c << "," << r;
        ASSERT_TRUE(grid.GetCellFromScreenCoord(&col, &row, x + w / 2, y + h / 2));
        EXPECT_EQ(std::pair(col, row), std::pair(c, r));
    }
    EXPECT_FALSE(grid.GetCellFromScreenCoord(&col, &row, 100000, 100));
    EXPECT_EQ(col, -1);
}

TEST(GridModelExport, WritesAWorkbookWithOneSheet)
{
    TempProgramDir dir;
    GridModel grid;
    grid.SetMaxCols(3);
    grid.SetMaxRows(2);
    grid.SetText(1, 0, "고객명");
    grid.SetText(2, 0, "방문");
    grid.SetText(1, 1, "김철수 & <주>");
    grid.SetText(2, 1, "12");
    grid.SetRow(-1);
    grid.SetCol(2);
    grid.SetCellType(GridCellType::Number);
    grid.SetCol(3);
    grid.SetColHidden(true);

    ASSERT_TRUE(grid.ExportToExcel(dir.file("out.xls"), "Sheet1", dir.file("out.log")));

    QFile file(dir.file("out.xls"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList sheets, types, texts;
    int hiddenColumns = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"Worksheet")
            sheets << xml.attributes().value("urn:schemas-microsoft-com:office:spreadsheet", "Name").toString();
        if (xml.name() == u"Column" && xml.attributes().hasAttribute("urn:schemas-microsoft-com:office:spreadsheet", "Hidden"))
            ++hiddenColumns;
        if (xml.name() == u"Data") {
            types << xml.attributes().value("urn:schemas-microsoft-com:office:spreadsheet", "Type").toString();
            texts << xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(xml.namespaceUri().toString(), "");
    EXPECT_EQ(sheets, QStringList{"Sheet1"});
    EXPECT_EQ(hiddenColumns, 1);
    EXPECT_EQ(texts, (QStringList{"고객명", "방문", "", "김철수 & <주>", "12", "", "", "", ""}));
    EXPECT_EQ(types[4], "Number");
    EXPECT_EQ(types[3], "String");
    EXPECT_TRUE(dir.read("out.log").contains("Rows 2, columns 3"));
}

TEST(GridModelExport, ReportsAFileThatCannotBeWritten)
{
    TempProgramDir dir;
    GridModel grid;
    EXPECT_FALSE(grid.ExportToExcel(dir.file("missing/out.xls"), "Sheet1", dir.file("out.log")));
    EXPECT_TRUE(dir.read("out.log").contains("Error"));
}

TEST(GridModelExport, TextsWithControlCharactersStillExport)
{
    TempProgramDir dir;
    GridModel grid;
    grid.SetMaxCols(1);
    grid.SetMaxRows(1);
    grid.SetText(1, 1, QString("창가\x01자리\x0b요청\t2명\r\n"));

    ASSERT_TRUE(grid.ExportToExcel(dir.file("out.xls"), "Sheet1", dir.file("out.log")));
    QFile file(dir.file("out.xls"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Data")
            texts << xml.readElementText();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(texts.value(1), "창가자리요청\t2명\n");
}
