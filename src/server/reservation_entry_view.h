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
    // The scheme of the boxes that hold the party: the shop's for a new reservation, the stored
    // one's for a loaded reservation.
    virtual QString partyScheme() const = 0;
};

// The opening variables of the entry window, which its opener sets after m_FirstActivated and
// before the modal show, in this order. The window derives from this; an opener finds it by name
// and casts to this, so it needs nothing else of the window.
class ReservationEntryOpening
{
public:
    virtual ~ReservationEntryOpening() = default;

    // 0 new reservation, 1 edit a reservation, 3 edit the member.
    int m_ModeA = 0;
    // The backend number of the reservation to edit; empty for a new one.
    QString m_BkNumT;
    // The customer's phone, digits only; may be empty.
    QString m_CustPhoneT;
    // Start picked on the timetable: "yyyy-MM-dd hh:nn:00"; empty otherwise.
    QString m_예약일시;
    // Table picked on the timetable; empty otherwise.
    QString m_좌석;
};

// The window's name in the registry.
inline const QString kReservationEntryForm = QStringLiteral("frmB예약_등록B");

// The loaded entry window, or nullptr. Look it up again after every wait: it may have closed.
const ReservationEntryView* OpenReservationEntry();
