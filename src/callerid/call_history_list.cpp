#include "callerid/call_history_window.h"

#include "core/error_line.h"
#include "core/file_exists.h"
#include "core/grid_helpers.h"
#include "core/number_format.h"
#include "core/screen_values.h"
#include "platform/header_cell.h"
#include "server/call_log_day.h"

#include <QCoreApplication>
#include <QPointer>

// The day's call list: its layout, its rows from the call log, the row buttons and the checks.

namespace {

constexpr int kCheckColumn = 2;
constexpr int kStaticCentred = 4;
constexpr int kCheckBox = 14;

struct ListColumn {
    QString header;
    int width;
    bool shown;
    int kind;
};

const std::array<ListColumn, 7>& listColumns()
{
    static const std::array<ListColumn, 7> columns{{
        {QStringLiteral("순번"), 35, true, -1},
        {QString(), 35, false, -1},
        {QStringLiteral(" "), 30, true, kCheckBox},
        {QStringLiteral("시간"), 70, true, kStaticCentred},
        {QStringLiteral("연락처"), 130, true, kStaticCentred},
        {QStringLiteral("상태"), 50, true, kStaticCentred},
        {QStringLiteral("생성일자"), 180, false, kStaticCentred},
    }};
    return columns;
}

void setFontSize(GridModel& grid, int col, int row, double size)
{
    grid.SetCol(col);
    grid.SetRow(row);
    grid.SetFontSize(size);
}

void layOutList(GridModel& grid)
{
    const auto& columns = listColumns();
    grid.SetMaxRows(0);
    grid.SetMaxCols(6);
    grid.SetOperationMode(GridModel::ModeSingleSelect);
    grid.SetScrollBars(3);
    grid.SetRowHeight(-1, 35.0 * gTwipsY);
    grid.SetRowHeight(0, 30.0 * gTwipsY);
    setFontSize(grid, -1, -1, 11);
    setFontSize(grid, 0, -1, 10);
    setFontSize(grid, -1, 0, 10);
    for (int c : {1, 6}) {
        grid.SetCol(c);
        grid.SetRow(-1);
        grid.SetColHidden(true);
    }
    for (int c = 0; c < int(columns.size()); ++c) {
        grid.SetText(c, 0, columns[c].header);
        grid.SetColWidth(c, double(columns[c].width) * gTwipsX);
    }
    for (int c = 0; c < int(columns.size()); ++c) {
        if (columns[c].kind >= 0)
            SpreadSetCellType(&grid, c, columns[c].kind, QString());
    }
    스프레드_색상초기화7A(&grid);
    SetHeaderRowOwnerDrawn(grid, grid.MaxCols());
}

int checkValue(GridModel& grid, int row)
{
    grid.SetCol(kCheckColumn);
    grid.SetRow(row);
    return grid.Value();
}

} // namespace

bool frmB전화수신이력B::Func_ReadSkin()
{
    const QString background = gSkinPath + "/MDI_InnerA.gif";
    if (FileExists(background))
        m_background->setPixmap(QPixmap(background));
    picWait->loadPicture(gSkinPath);
    picWait->centre();
    picShadow->setGeometry(0, 0, width(), height());
    picShadow->hide();
    layOutList(*SPR[0]);
    return true;
}

void frmB전화수신이력B::SPR_DrawItem(int index, int col, int row, QPainter& dc, int x, int y, int x2, int y2)
{
    DrawHeaderCell(*SPR[index], col, row, dc, x, y, x2, y2, QColor(232, 246, 255));
}

bool frmB전화수신이력B::Load_CID(const QDate& mDate, bool)
{
    SpreadGrid& grid = *SPR[0];
    lbInfoCID[0]->clear();
    전송건수->setText(QStringLiteral("/"));
    grid.SetReDraw(false);
    grid.SetMaxRows(0);
    QList<CallLogRow> calls;
    const bool read = ReadCallLogDay(mDate, calls, FormName(), QStringLiteral("Load_CID"));
    FillCallLogRows(grid, calls, {1, 3, 4, 5, 6});
    const int rows = grid.MaxRows();
    if (rows > 0) {
        lbInfoCID[0]->setText(QStringLiteral("수신: ") + QString::number(rows));
        전송건수->setText("/" + FormatNumber(rows));
        grid.SetCol(4);
        grid.SetRow(1);
        grid.SetActiveCell(4, 1);
    }
    grid.SetReDraw(true);
    picWait->hide();
    return read;
}

// Row 1 before the last and the last after row 1: the list wraps round.
void frmB전화수신이력B::stepRow(int index)
{
    SpreadGrid& grid = *SPR[0];
    const int rows = grid.MaxRows();
    if (rows < 1)
        return;
    const int current = grid.Row();
    int next = 0;
    if (index == 6)
        next = current > 1 ? current - 1 : rows;
    else if (current >= rows)
        next = 1;
    else if (current < 1)
        next = rows >= 2 ? 2 : 1;
    else
        next = current + 1;
    grid.SetRow(next);
    grid.SetActiveCell(grid.ActiveCol() >= 1 ? grid.ActiveCol() : 4, next);
}

void frmB전화수신이력B::SPR_Click(int index, int col, int row)
{
    QPointer<frmB전화수신이력B> self(this);
    QCoreApplication::processEvents();
    if (!self)
        return;
    SpreadGrid& grid = *SPR[index];
    if (row < 1 || row > grid.MaxRows() || col < 1 || col > grid.MaxCols())
        return;
    grid.SetRow(row);
    if (col != kCheckColumn)
        return;
    const int value = checkValue(grid, row);
    grid.SetValue(value == 1 ? 0 : 1);
    Chk전체선택->setChecked(false);
    countChecked();
    grid.SetRow(row);
}

// Checks or unchecks every row as the box now stands; only a user's click gets here, so that
// clearing the box from a row click leaves the other checks alone.
void frmB전화수신이력B::Chk전체선택_Click()
{
    SpreadGrid& grid = *SPR[0];
    const int value = Chk전체선택->isChecked() ? 1 : 0;
    grid.SetCol(kCheckColumn);
    for (int r = 1; r <= grid.MaxRows(); ++r) {
        grid.SetRow(r);
        grid.SetValue(value);
    }
    countChecked();
}

void frmB전화수신이력B::countChecked()
{
    SpreadGrid& grid = *SPR[0];
    int checked = 0;
    for (int r = 1; r <= grid.MaxRows(); ++r)
        checked += checkValue(grid, r) == 1 ? 1 : 0;
    전송건수->setText(FormatNumber(checked) + "/" + FormatNumber(grid.MaxRows()));
}
