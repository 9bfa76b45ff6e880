#include "board/board_window.h"

#include "platform/pic_box_glass.h"
#include "server/reservation_entry_view.h"

#include <QCoreApplication>
#include <QPointer>

// The reservation entry window as the board opens it: over a grey veil, modally, and the board
// redrawn afterwards.

void frmB예약관리::layVeil()
{
    picShadow->show();
    picShadow->raise();
    QPointer<frmB예약관리> self(this);
    QCoreApplication::processEvents();
    if (!self)
        return;
    quint32 grey = 0;
    PicBoxGlass(*picShadow, grey, 0, 0);
}

bool frmB예약관리::openEntryWindow(int mode, const QString& bkNum, const QString& phone, const QString& when,
                                 const QString& seat)
{
    QPointer<frmB예약관리> self(this);
    layVeil();
    if (!self)
        return false;
    QPointer<QWidget> entry = FormByName(kReservationEntryForm);
    if (entry) {
        if (auto* events = dynamic_cast<FormEvents*>(entry.data()))
            events->m_FirstActivated = true;
        if (auto* opening = dynamic_cast<ReservationEntryOpening*>(entry.data())) {
            opening->m_ModeA = mode;
            opening->m_BkNumT = bkNum;
            opening->m_CustPhoneT = phone;
            opening->m_예약일시 = when;
            opening->m_좌석 = seat;
        }
        ShowFormModal(*entry);
    }
    if (!self)
        return false;
    picShadow->hide();
    return true;
}

void frmB예약관리::refreshAfterEntry()
{
    QPointer<frmB예약관리> self(this);
    CalcDraw(currDate);
    if (!self)
        return;
    예약_검색(false);
    if (self)
        DrawShedule();
}
