#include "board/board_window.h"

#include "board/booking_list.h"
#include "core/backend_request.h"
#include "core/screen_values.h"

#include <QCoreApplication>
#include <QPointer>

// The booking list: the backend's bookings of the list days, or of all days filtered by the search
// text, with the status line of their states.

namespace {

const QString kDayFormat = QStringLiteral("yyyy-MM-dd");

} // namespace

bool frmB예약관리::예약_검색(bool bAllDays)
{
    const int serial = ++m_searchSerial;
    const QString searchText = txt검색->text();
    lb건수->setText(QString());
    SPR[0]->SetMaxRows(0);
    SPR[0]->SetReDraw(false);
    QPointer<frmB예약관리> self(this);
    picWait->showBeforeRequest();
    if (!self)
        return false;

    BackendRequest request(QStringLiteral("예약_검색() ... "), QStringLiteral("/vbPHP/zzimorderload.php"));
    if (bAllDays) {
        request.add(QStringLiteral("day"), QStringLiteral("all"))
            .add(QStringLiteral("day2"), QStringLiteral("all"))
            .add(QStringLiteral("noshowt"), QStringLiteral("Y"));
    } else {
        request.add(QStringLiteral("day"), mListDay[0].toString(kDayFormat))
            .add(QStringLiteral("day2"), mListDay[1].toString(kDayFormat))
            .add(QStringLiteral("noshowt"), QStringLiteral("N"));
    }
    request.add(QStringLiteral("select"), QStringLiteral("all"));
    const QString answer = request.send();
    // A newer search began while this one waited: the list and the status line are its.
    if (!self || serial != m_searchSerial)
        return false;
    picWait->hide();

    const BookingList list = ReadBookingList(answer, bAllDays, searchText);
    FillBookingList(*SPR[0], list, gTwipsX);
    lb건수->setText(list.statusLine());
    txt검색->setText(QString());
    QCoreApplication::processEvents();
    if (!self)
        return true;
    txt검색->setFocus();
    return true;
}
