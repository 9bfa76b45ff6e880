#pragma once

#include <QDate>
#include <QString>

// What the cache reads from the reservation entry window "frmB예약_등록B" while it is open: the
// values the window has just saved on the backend. The window implements this beside its widget
// classes; the cache finds it by name in the window registry and only reads.
class ReservationEntryView
{
public:
    virtual ~ReservationEntryView() = default;

    // The date pickers of the start and the end.
    virtual QDate 예약일() const = 0;
    virtual QDate 종료일() const = 0;
    // The texts of the hour and minute combo boxes; their leading number counts.
    virtual QString 예약시() const = 0;
    virtual QString 예약분() const = 0;
    virtual QString 종료시() const = 0;
    virtual QString 종료분() const = 0;

    virtual QString txt성함() const = 0;
    virtual QString txt모임명() const = 0;
    virtual QString txt요청사항() const = 0;

    // The table rows: cob좌석(i) is a table's name (blank when the row holds none) and txt인원(i)
    // the party size at it, for i from 0 to cob좌석Count() - 1.
    virtual int cob좌석Count() const = 0;
    virtual QString cob좌석(int index) const = 0;
    virtual QString txt인원(int index) const = 0;

    // The party size under the schemes "0" (total), "1" (men, women) and "2" (adults, children).
    virtual QString txt인원_총인원() const = 0;
    virtual QString txt인원_남성() const = 0;
    virtual QString txt인원_여성() const = 0;
    virtual QString txt인원_대인() const = 0;
    virtual QString txt인원_소인() const = 0;
};

// The values an opener sets before it shows the entry window modally, after m_FirstActivated:
// the mode (0 new booking, 1 edit a booking, 3 edit the member), the booking number, the
// customer's phone, the start "yyyy-MM-dd hh:nn:00" and the table of a new booking.
class ReservationEntryOpening
{
public:
    virtual ~ReservationEntryOpening() = default;
    int m_ModeA = 0;
    QString m_BkNumT;
    QString m_CustPhoneT;
    QString m_예약일시;
    QString m_좌석;
};

// The window's name in the registry.
inline const QString kReservationEntryForm = QStringLiteral("frmB예약_등록B");

// The loaded entry window, or nullptr. Look it up again after every wait: it may have closed.
const ReservationEntryView* OpenReservationEntry();
