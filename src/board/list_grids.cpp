#include "board/board_window.h"

#include "core/screen_values.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>

#include <cmath>

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
    if (row != 0)
        return;
    const int tx = qMax(1, gTwipsX);
    const int ty = qMax(1, gTwipsY);
    const QRect cell(QPoint(int(std::nearbyint(double(x) / tx)), int(std::nearbyint(double(y) / ty))),
                     QPoint(int(std::nearbyint(double(x2) / tx)) - 1, int(std::nearbyint(double(y2) / ty)) - 1));
    dc.fillRect(cell, QColor(232, 246, 255));
    dc.setPen(Qt::black);
    dc.save();
    dc.setClipRect(cell);
    dc.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, SPR[index]->GetText(col, 0));
    dc.restore();
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
