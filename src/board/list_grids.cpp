#include "board/board_window.h"

#include "customer/member_grids.h"

#include <QCoreApplication>
#include <QPointer>

// The four list grids: their header rows painted light blue, and a click on a row searching the
// row's customer or, in a member's history, opening the booking.

namespace {

// The column a click reads per grid: the booking's phone, the caller, the history state, the
// member's phone.
constexpr std::array<int, 4> kActionColumn{12, 3, 11, 2};

bool closedState(const QString& state)
{
    return state == QStringLiteral("거절") || state == QStringLiteral("취소") || state == QStringLiteral("노쇼") ||
           state == QStringLiteral("완료");
}

} // namespace

void frmB예약관리::SPR_DrawItem(int index, int col, int row, QPainter& dc, int x, int y, int x2, int y2)
{
    DrawMemberGridHeader(*SPR[index], col, row, dc, x, y, x2, y2);
}

void frmB예약관리::SPR_Click(int index, int col, int row)
{
    SpreadGrid& grid = *SPR[index];
    if (row < 1 || row > grid.MaxRows() || col < 1 || col > grid.MaxCols())
        return;
    // The row is read at once: a reload of the list while messages run must not change it.
    grid.SetRow(row);
    const QString number = grid.GetText(1, row);
    const QString action = grid.GetText(kActionColumn[index], row);
    QPointer<frmB예약관리> self(this);
    QCoreApplication::processEvents();
    if (!self)
        return;
    if (index != 2) {
        txtS[0]->setText(QString(action).remove(QChar('-')));
        회원검색A(false);
        return;
    }
    if (closedState(action))
        return;
    const QString phone = BoxValue(*txtA[1]).remove(QChar('-'));
    if (openEntryWindow(1, number, phone, QString(), QString()))
        refreshAfterEntry();
}
