#pragma once

#include "platform/picture_list.h"

#include <QList>
#include <QString>

#include <array>

class CrLfTextBox;
class PictureLabel;
class PlaceholderBox;
class QLabel;
class QLineEdit;
class QWidget;
class SpreadGrid;

// The member side of the reservation entry window "frmB예약_등록B": the search box, member panel A
// beside it, member panel B, the car boxes of the reservation panel, the members grid and the
// history grid, with the member in hand. The window derives from it, makes its controls and
// answers the few questions of the booking side that the member procedures ask.
class EntryMemberSide
{
public:
    virtual ~EntryMemberSide() = default;

    // Controls, made by the window.
    std::array<PlaceholderBox*, 1> txtS{};
    std::array<PlaceholderBox*, 2> txtA{};
    std::array<CrLfTextBox*, 1> txtA2{};
    std::array<PictureLabel*, 1> picA{};
    QLabel* lb직전예약 = nullptr;
    QLabel* lb총예약수 = nullptr;
    QLabel* lb총예약인원 = nullptr;
    QLabel* lb예약취소 = nullptr;
    QLabel* lb노쇼 = nullptr;
    QLabel* lbl회원모드 = nullptr;
    std::array<PlaceholderBox*, 8> txtB{};
    std::array<CrLfTextBox*, 1> txtB2{};
    std::array<PlaceholderBox*, 3> txtC{};
    QLineEdit* txt연락처 = nullptr;
    QLineEdit* txt성함Box = nullptr;
    std::array<SpreadGrid*, 2> SPR{};
    std::array<QWidget*, 5> picFrame{};
    QWidget* picWait = nullptr;
    // Picture 1 the caution flag off, picture 2 on.
    PictureList ImgBtn;

    // The member in hand, cleared by 회원정보AB_Clear.
    QString m_MemNumT;
    QString m_MemPhoneT;
    QString m_MemNameT;
    QString m_MemDenyT = QStringLiteral("N");
    QString m_MemLevelT;
    QString m_MemLevelFrozenT;
    QString m_MemLevelNumT;
    QString m_MemMemoT;
    QString m_MemPointCheckT = QStringLiteral("N");
    QString m_MemSnsIT = QStringLiteral("N");
    QString m_MemSnsFT = QStringLiteral("N");
    QString m_MemSnsBT = QStringLiteral("N");
    QString m_MemSnsET = QStringLiteral("N");
    QString m_MemName2T;
    QString m_MemLastZzimNamesT;
    QString m_MemAddPhone1T;
    QString m_MemAddPhone2T;
    QString m_MemAddPhone3T;
    QString m_MemCarefulT = QStringLiteral("N");
    // Every car loaded: column 0 the car's record number, 1 the car number, 2 the sync mark.
    int m_CarCount = 0;
    QList<std::array<QString, 3>> m_Car;
    // The rows of m_Car that the car boxes show (the first three loaded, or what the last sync
    // left in them); the rows after them are cars no box can show.
    int m_ShownCars = 0;

    // Forgets the member in hand and empties panels A and B, the car boxes, the counters and the
    // reservation's name and phone.
    bool 회원정보AB_Clear();
    // Searches the text of txtS(0) and settles on one member, several or nobody.
    bool 회원검색A(bool bAll);
    // Set while a save registers a new customer and searches it again: the search then leaves the
    // reservation's start, end and tables as the user entered them.
    bool m_SearchKeepsBooking = false;
    // Set while the opening search of an edit runs: a phone that belongs to no member (a booking
    // made on the web or in an app) keeps the reservation in hand and loads it, rather than
    // turning the window into a new reservation.
    bool m_SearchOpensReservation = false;
    // Loads one member's detail and cars and shows the member.
    void 회원정보AB_NumT(const QString& memberNumber, bool reset);
    // Loads the member's counters and reservation history into SPR(1).
    bool 예약이력A(const QString& memberNumber);
    // A click on a member row of SPR(0): that member and its history.
    void MemberRowClicked(int row);
    // Clears both panels and loads the member in hand again.
    void ReloadMember();

    // Makes the member's cars on the backend follow the car boxes of panel B (kind 0) or of the
    // reservation panel (kind 1): deletes of loaded cars in load order, then adds in box order.
    void 회원정보BC_Save(int kind);
    bool 회원정보_차량삭제(const QString& memberNumber, const QString& recordNumber);
    bool 회원정보_차량추가(const QString& memberNumber, const QString& carNumber);
    // Withdraws the member after the user's confirmation; false when the backend refused it (staff
    // are told), true otherwise, also when staff said no.
    bool 회원정보B_탈퇴();
    // Saves panel A or panel B with the rest of the record as loaded.
    bool 회원정보A_Save();
    bool 회원정보B_Save();
    // Registers panel B's person as an associate member; the answer is not read.
    bool 준회원등록();

    // The look of lb직전예약 for a new customer, and its plain look.
    void ShowNewMemberLook();
    void ShowPlainMemberLook();
    bool IsNewMember() const;

protected:
    // The window, to know after a wait whether it still exists.
    virtual QWidget& EntryWindow() = 0;
    virtual int EntryMode() const = 0;
    virtual void SetEntryMode(int mode) = 0;
    // The reservation in hand (m_CurBkNumT).
    virtual QString ReservationInHand() const = 0;
    // The booking side's steps that the search runs once the customer is settled.
    virtual void 예약등록_초기화() = 0;
    virtual void 종료시간_계산() = 0;
    virtual void Load_예약데이터() = 0;

private:
    void clearMemberState();
    void storeMember(const struct MemberDetail& member);
    void loadCars(const QString& memberNumber);
    void showMember();
    void refreshPanelBLook();
    void settleOnNobody();
    bool saveMember(const QString& procedure, const QString& name, const QString& memo);
    void markCars(const std::array<PlaceholderBox*, 3>& boxes, int loaded);
};

// The placeholders of member panel B and of the car boxes.
extern const std::array<QString, 8> kMemberPanelBPlaceholders;
extern const QString kMemberMemoPlaceholder;
extern const std::array<QString, 3> kCarPlaceholders;
