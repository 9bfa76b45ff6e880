#pragma once

#include "platform/grid_axis.h"
#include "platform/grid_cell.h"

#include <QMap>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>
#include <vector>

// The state of a grid control, usable without a widget. Cells are 1-based: columns 1..MaxCols
// and rows 1..MaxRows hold the data; column 0 is the row-header column and row 0 the header row.
// With ColHeaderRows 2 the header rows are addressed as -1000 and -999 (row 0 is the first).
//
// Cell settings (CellType, alignments, fonts, colours, Text, CellNote, Value) act on the current
// cells chosen by Col and Row: -1 chooses every data column or row. A setting for a whole column
// also holds for the rows added later, a setting for the whole sheet for the columns added later.
// Requests outside the grid are ignored.
class GridModel
{
public:
    GridModel();
    virtual ~GridModel() = default;
    GridModel(const GridModel&) = delete;
    GridModel& operator=(const GridModel&) = delete;

    // Size. MaxRows 0 and MaxCols 0 drop the cells with everything they hold.
    int MaxRows() const { return int(m_rows.size()) - m_headerRows; }
    void SetMaxRows(int rows);
    int MaxCols() const { return int(m_cols.size()) - 1; }
    void SetMaxCols(int cols);
    int ColHeaderRows() const { return m_headerRows; }
    void SetColHeaderRows(int rows);

    // The current cells.
    int Col() const { return m_col; }
    void SetCol(int col) { m_col = col; }
    int Row() const { return m_row; }
    void SetRow(int row) { m_row = row; }

    // Content.
    QString Text() const { return Current().text; }
    void SetText(const QString& text);
    void SetText(int col, int row, const QString& text);
    QString GetText(int col, int row) const;
    QString CellNote() const { return Current().note; }
    void SetCellNote(const QString& note);
    // The state of a check-box cell, 0 or 1 (an unset cell reads 0).
    int Value() const;
    void SetValue(int value);

    // Cell kind and look of the current cells.
    int CellType() const { return Current().type; }
    void SetCellType(int type);
    int TypeHAlign() const { return Current().hAlign; }
    void SetTypeHAlign(int align);
    int TypeVAlign() const { return Current().vAlign; }
    void SetTypeVAlign(int align);
    bool TypeTextWordWrap() const { return Current().wordWrap; }
    void SetTypeTextWordWrap(bool wrap);
    bool TypeNumberShowSep() const { return Current().numberShowSep; }
    void SetTypeNumberShowSep(bool show);
    int TypeNumberDecPlaces() const { return Current().numberDecPlaces; }
    void SetTypeNumberDecPlaces(int places);
    int TypeCheckType() const { return Current().checkType; }
    void SetTypeCheckType(int type);
    bool TypeCheckCenter() const { return Current().checkCenter; }
    void SetTypeCheckCenter(bool center);
    QPixmap TypeCheckPicture(int state) const;
    void SetTypeCheckPicture(int state, const QPixmap& picture);
    QString FontName() const { return Current().fontName; }
    void SetFontName(const QString& name);
    double FontSize() const { return Current().fontSize; }
    void SetFontSize(double size);
    bool FontBold() const { return Current().fontBold; }
    void SetFontBold(bool bold);
    bool FontItalic() const { return Current().fontItalic; }
    void SetFontItalic(bool italic);
    OleColor ForeColor() const { return Current().foreColor; }
    void SetForeColor(OleColor color);
    OleColor BackColor() const { return Current().backColor; }
    void SetBackColor(OleColor color);

    // Sizes in twips. Column or row -1 sets every one and the size of those added later.
    double ColWidth(int col) const;
    void SetColWidth(int col, double twips);
    double RowHeight(int row) const;
    void SetRowHeight(int row, double twips);
    // Hidden flags of the current column or row (-1: every data column or row).
    bool ColHidden() const;
    void SetColHidden(bool hidden);
    bool RowHidden() const;
    void SetRowHidden(bool hidden);

    // Spans: a block of cells shown as one, anchored at its top-left cell.
    void AddCellSpan(int col, int row, int cols, int rows);
    // True when the cell lies inside a span; the span's anchor and size come back.
    bool GetCellSpan(int col, int row, int* col0, int* row0, int* cols, int* rows) const;
    void RemoveCellSpan(int col, int row);

    // Edges of the data block col..col2, row..row2 (columns from 1). Sides: 1 left, 2 right, 4 top, 8 bottom (12 top and
    // bottom), 16 every edge of each cell. Neighbouring cells share an edge; the later call wins.
    void SetCellBorder(int col, int row, int col2, int row2, int sides, OleColor color, int style);
    // The left edge and the top edge of a cell; column MaxCols + 1 and row MaxRows + 1 give the
    // right edge of the last column and the bottom edge of the last row.
    GridEdge LeftEdge(int col, int row) const;
    GridEdge TopEdge(int col, int row) const;

    // Behaviour and view.
    enum OperationModes { ModeNormal = 0, ModeReadOnly = 1, ModeSingleSelect = 3 };
    int OperationMode() const { return m_operationMode; }
    void SetOperationMode(int mode) { m_operationMode = mode; Changed(); }
    int ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(int bars) { m_scrollBars = bars; Changed(); }
    int ColsFrozen() const { return m_colsFrozen; }
    void SetColsFrozen(int cols);
    // LeftCol and TopRow read as set; the view never scrolls further than needed to show the last
    // column or row (a grid whose columns all fit shows them all, whatever LeftCol says).
    int LeftCol() const { return m_leftCol; }
    void SetLeftCol(int col);
    int TopRow() const { return m_topRow; }
    void SetTopRow(int row);
    bool DisplayRowHeaders() const { return m_displayRowHeaders; }
    void SetDisplayRowHeaders(bool show) { m_displayRowHeaders = show; Changed(); }
    bool DisplayColHeaders() const { return m_displayColHeaders; }
    void SetDisplayColHeaders(bool show) { m_displayColHeaders = show; Changed(); }
    // Off while filling: the view repaints once when it is switched on again.
    bool ReDraw() const { return m_reDraw; }
    void SetReDraw(bool on);

    // Colour scheme.
    void SetOddEvenRowColor(OleColor backOdd, OleColor foreOdd, OleColor backEven, OleColor foreEven);
    void GetOddEvenRowColor(OleColor* backOdd, OleColor* foreOdd, OleColor* backEven, OleColor* foreEven) const;
    OleColor GrayAreaBackColor() const { return m_grayBack; }
    void SetGrayAreaBackColor(OleColor c) { m_grayBack = c; Changed(); }
    OleColor GrayAreaForeColor() const { return m_grayFore; }
    void SetGrayAreaForeColor(OleColor c) { m_grayFore = c; Changed(); }
    OleColor LockBackColor() const { return m_lockBack; }
    void SetLockBackColor(OleColor c) { m_lockBack = c; Changed(); }
    OleColor LockForeColor() const { return m_lockFore; }
    void SetLockForeColor(OleColor c) { m_lockFore = c; Changed(); }
    OleColor GridColor() const { return m_gridColor; }
    void SetGridColor(OleColor c) { m_gridColor = c; Changed(); }
    OleColor SelBackColor() const { return m_selBack; }
    void SetSelBackColor(OleColor c) { m_selBack = c; Changed(); }
    OleColor SelForeColor() const { return m_selFore; }
    void SetSelForeColor(OleColor c) { m_selFore = c; Changed(); }
    OleColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(OleColor c) { m_shadowColor = c; Changed(); }
    OleColor ShadowText() const { return m_shadowText; }
    void SetShadowText(OleColor c) { m_shadowText = c; Changed(); }
    OleColor ShadowDark() const { return m_shadowDark; }
    void SetShadowDark(OleColor c) { m_shadowDark = c; Changed(); }

    // Tips.
    struct TipAppearance {
        QString fontName = QStringLiteral("나눔고딕");
        double fontSize = 9;
        bool bold = false;
        bool italic = false;
        OleColor backColor = VbRGB(255, 255, 225);
        OleColor foreColor = VbRGB(0, 0, 0);
    };
    int TextTipDelay() const { return m_textTipDelay; }
    void SetTextTipDelay(int ms) { m_textTipDelay = ms; }
    void SetTextTipAppearance(const QString& fontName, double fontSize, bool bold, bool italic,
                              OleColor backColor, OleColor foreColor);
    const TipAppearance& TextTipAppearance() const { return m_tip; }
    // This grid shows a cell note only through the TextTipFetch event, so it never fetches one itself.
    bool IsFetchCellNote() const { return false; }

    // Active cell and selection. In single-selection mode the active cell's row is the selection.
    void SetActiveCell(int col, int row);
    int ActiveCol() const { return m_activeCol; }
    int ActiveRow() const { return m_activeRow; }
    int SelBlockRow() const { return m_activeRow; }

    // Sorting: keys 1.. name a column and an order (1 ascending, 2 descending). SortRows with -1 for
    // the block sorts every data row; rows move whole, their hidden flags and heights included.
    int SortKey(int key) const { return m_sortKeys.value(key, 0); }
    void SetSortKey(int key, int col) { m_sortKeys[key] = col; }
    int SortKeyOrder(int key) const { return m_sortOrders.value(key, 1); }
    void SetSortKeyOrder(int key, int order) { m_sortOrders[key] = order; }
    void SortRows(int col, int row, int col2, int row2, int sortBy);
    void Sort(int col, int row, int col2, int row2, int sortBy) { SortRows(col, row, col2, row2, sortBy); }
    // Exchanges rows row..row2 with as many rows from dest, every column included.
    void SwapRows(int row, int row2, int dest);

    // Blocks of texts: [row][column], starting at (col, row).
    QVector<QVector<QString>> GetArray(int col, int row, int cols, int rows) const;
    void SetArray(int col, int row, const QVector<QVector<QString>>& block);

    // Writes the header row and the data rows as a spreadsheet file (SpreadsheetML) with one sheet,
    // and a short report to the log file. False when the file could not be written.
    bool ExportToExcel(const QString& fileName, const QString& sheetName, const QString& logFileName) const;

    // Positions relative to the grid, in twips: the cell under a point (column 0 and row 0 for the
    // headers; false outside the cells) and the rectangle of a cell (false when it is out of view).
    bool GetCellFromScreenCoord(int* col, int* row, int x, int y) const;
    bool GetCellPos(int col, int row, int* x, int* y, int* width, int* height) const;

    QString Tag() const { return m_tag; }
    void SetTag(const QString& tag) { m_tag = tag; }
    QString Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }

    // For the view: the cell at an address (nullptr outside), the layout of both directions.
    const GridCell* CellAt(int col, int row) const;
    GridAxis ColumnAxis() const;
    GridAxis RowAxis() const;
    // The sizes of data columns 1.. and data rows 1.. as laid out (hidden ones 0), in twips.
    std::vector<double> DataColumnTwips() const;
    std::vector<double> DataRowTwips() const;
    // The furthest first scrolled column and first row worth scrolling to in the view's size.
    int MaxLeftCol() const;
    int MaxTopRow() const;
    // The row address of a header line (0-based): -1000, -999, ...; 0 with a single header row.
    int HeaderRowAddress(int line) const { return m_headerRows == 1 ? 0 : -1000 + line; }
    // The row shown below a row: the next header row, or row 1 after the last header row.
    int NextRowAddress(int row) const;

protected:
    // Called after every change that shows; the view repaints when ReDraw is on.
    virtual void Changed() {}
    // The size of the view in pixels; invalid without a view (nothing then limits scrolling).
    virtual QSize ViewSize() const { return {}; }

private:
    struct RowData {
        std::vector<GridCell> cells;   // columns 0..MaxCols
        std::vector<GridEdge> left;    // left edge of columns 0..MaxCols + 1
        std::vector<GridEdge> top;     // top edge of columns 0..MaxCols
        double height = 0;
        bool hidden = false;
    };
    struct ColumnData {
        GridCell style;                // what new data cells of the column start with
        double width = 0;
        bool hidden = false;
    };
    struct Span {
        int col, line, cols, lines;    // line: index into m_rows
    };

    int LineOf(int row) const;         // index into m_rows, -1 outside
    bool ValidCol(int col) const { return col >= 0 && col <= MaxCols(); }
    RowData NewRow(bool header) const;
    void ResizeColumns(int cols);
    const GridCell& Current() const;
    void ForEachCurrentCell(const std::function<void(GridCell&)>& change);
    void SetEdge(int col, int line, int side, const GridEdge& edge);
    void IndexSpan(int slot);
    void RebuildSpanIndex();
    void DropSpansOutside();
    int SpanSlotAt(int col, int line) const;
    void RemoveSpanSlot(int slot);
    bool LessByKeys(const RowData& a, const RowData& b) const;

    std::vector<RowData> m_rows;       // header rows first, then data rows 1..MaxRows
    std::vector<ColumnData> m_cols;    // columns 0..MaxCols
    std::vector<GridEdge> m_bottom;    // bottom edge of the last row, columns 0..MaxCols
    std::vector<Span> m_spans;
    std::vector<int> m_spanAt;         // per line and column: index into m_spans or -1
    int m_headerRows = 1;
    GridCell m_sheetStyle;             // new data columns
    GridCell m_headerStyle;            // new header cells
    double m_defaultRowHeight;
    double m_defaultHeaderHeight;
    double m_defaultColWidth;

    int m_col = 1;
    int m_row = 1;
    int m_activeCol = 1;
    int m_activeRow = 1;
    int m_operationMode = ModeNormal;
    int m_scrollBars = 3;
    int m_colsFrozen = 0;
    int m_leftCol = 1;
    int m_topRow = 1;
    bool m_displayRowHeaders = true;
    bool m_displayColHeaders = true;
    bool m_reDraw = true;

    OleColor m_backOdd = VbRGB(255, 255, 255), m_foreOdd = VbRGB(0, 0, 0);
    OleColor m_backEven = VbRGB(255, 255, 255), m_foreEven = VbRGB(0, 0, 0);
    OleColor m_grayBack = VbRGB(128, 128, 128), m_grayFore = VbRGB(0, 0, 0);
    OleColor m_lockBack = kNoColor, m_lockFore = kNoColor;
    OleColor m_gridColor = VbRGB(192, 192, 192);
    OleColor m_selBack = VbRGB(0, 120, 215), m_selFore = VbRGB(255, 255, 255);
    OleColor m_shadowColor = VbRGB(240, 240, 240), m_shadowText = VbRGB(0, 0, 0);
    OleColor m_shadowDark = VbRGB(128, 128, 128);

    int m_textTipDelay = 500;
    TipAppearance m_tip;
    QMap<int, int> m_sortKeys;
    QMap<int, int> m_sortOrders;
    QString m_tag;
    QString m_name;
};
