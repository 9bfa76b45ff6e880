#include "board/board_window.h"

#include "board/booking_texts.h"
#include "core/converters.h"
#include "core/date_time.h"
#include "core/log.h"
#include "core/screen_values.h"

#include <QCoreApplication>
#include <QPointer>

#include <cmath>

// The timetable under the mouse: a click books a free slot or opens the booking of the cell, a
// rest on a free slot names its table and time, a rest on a booking shows its note.

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString withoutHyphens(QString text)
{
    return text.remove(QChar('-'));
}

// Blanks, ordinary and full-width, off both ends.
QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    const auto blank = [](QChar c) { return c == QChar(' ') || c == QChar(0x3000); };
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

} // namespace

// The time "hh:nn:00" of a column: the hour of the nearest hour label at or left of it and ten
// minutes for every column between.
QString frmB예약관리::slotTime(int col)
{
    SpreadGrid& grid = *sprGraph[0];
    int steps = -1;
    QString hour;
    for (int x = col; x >= 2; --x) {
        ++steps;
        hour = grid.GetText(x, -999);
        if (!hour.isEmpty())
            break;
    }
    return ZeroPad(QString::number(ToLong(hour)), 2) + ":" + ZeroPad(QString::number(steps * 10), 2) + ":00";
}

void frmB예약관리::sprGraph_Click(int col, int row)
{
    QPointer<frmB예약관리> self(this);
    SpreadGrid& grid = *sprGraph[0];
    m_EventPrevent = true;
    QCoreApplication::processEvents();
    if (!self)
        return;
    if (row >= 1 && row <= grid.MaxRows() && col >= 2 && col <= grid.MaxCols()) {
        grid.SetCol(col);
        grid.SetRow(row);
        const QStringList note = grid.CellNote().split(kCrLf);
        const QString table = grid.GetText(1, row);
        bool opened = false;
        if (note.size() >= 10) {
            const QString number = QString::number(ToLong(note[8].mid(4)));
            opened = openEntryWindow(1, number, trimBlanks(withoutHyphens(note[4])), QString(), QString());
        } else {
            const QString when = sspDay->tag() + " " + slotTime(col);
            opened = openEntryWindow(0, QString(), BoxValue(*txtA[1]).remove(QChar('-')), when, table);
        }
        if (!opened)
            return;
        refreshAfterEntry();
        if (!self)
            return;
    }
    picShadow->hide();
    m_EventPrevent = false;
}

void frmB예약관리::sprGraph_MouseMove(int, int, int x, int y)
{
    if (m_EventPrevent)
        return;
    picDummy->hide();
    if (m_bIn)
        return;
    m_bIn = true;
    m_Close_TickCount = GetTickCountMS();
    SpreadGrid& grid = *sprGraph[0];
    int col = 0;
    int row = 0;
    const bool onCell = grid.MaxRows() > 0 && grid.MaxCols() > 0 && grid.GetCellFromScreenCoord(&col, &row, x, y);
    const GridCell* cell = onCell ? grid.CellAt(col, row) : nullptr;
    if (cell && col >= 2 && row >= 1 && cell->note.isEmpty()) {
        picDummy->setText(grid.GetText(1, row) + "\n" + slotTime(col));
        picDummy->move(grid.x() + picLayer[0]->x() + x / qMax(1, gTwipsX) + 5,
                       grid.y() + picLayer[0]->y() + y / qMax(1, gTwipsY) + 5);
        picDummy->show();
        picDummy->raise();
    } else {
        picDummy->hide();
    }
    m_bIn = false;
}

void frmB예약관리::sprGraph_TextTipFetch(int col, int row, int& multiLine, int& tipWidth, QString& tipText,
                                        bool& showTip)
{
    SpreadGrid& grid = *sprGraph[0];
    if (grid.IsFetchCellNote())
        return;
    const GridCell* cell = grid.CellAt(col, row);
    if (!cell || cell->note.isEmpty())
        return;
    tipText = cell->note;
    multiLine = 2;
    tipWidth = int(std::nearbyint(tipWidth * 1.15));
    showTip = true;
}

void frmB예약관리::Close_Timer()
{
    if (qint32(quint32(GetTickCountMS()) - quint32(m_Close_TickCount)) > 1000 && picDummy->isVisible())
        picDummy->hide();
}

void frmB예약관리::Blink_Timer()
{
    const qint32 remaining = qint32(quint32(m_Blink_TickCount) - quint32(GetTickCountMS()));
    txtA[1]->setHidden(!txtA[1]->isHidden());
    if (remaining < 0) {
        Blink->stop();
        txtA[1]->show();
    }
}
