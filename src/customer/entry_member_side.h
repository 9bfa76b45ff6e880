#pragma once

#include "platform/picture_list.h"

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
    // The cars loaded: column 0 the car's record number, 1 the car number, 2 the sync mark.
    static constexpr int kHeldCars = 10;
    int m_CarCount = 0;
    std::array<std::array<QString, 3>, kHeldCars> m_Car{};

    // Forgets the member in hand and empties panels A and B, the car boxes, the counters and the
    // reservation's name and phone.
    bool 회원정보AB_Clear();
    // Searches the text of txtS(0) and settles on one member, several or nobody.
    bool 회원검색A(bool bAll);
    // Set while a save registers a new customer and searches it again: the search then leaves the
    // reservation's start, end and tables as the user entered them.
    bool m_SearchKeepsBooking = false;
    // Loads one member's detail and cars and shows the member.
    void 회원정보AB_NumT(const QString& memberNumber, bool reset);
    // Loads the member's counters and reservation history into SPR(1).
    bool 예약이력A(const QString& memberNumber);
    // A click on a member row of SPR(0): that member and its history.
    void MemberRowClicked(int row);

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
};

// The placeholders of member panel B and of the car boxes.
extern const std::array<QString, 8> kMemberPanelBPlaceholders;
extern const QString kMemberMemoPlaceholder;
extern const std::array<QString, 3> kCarPlaceholders;
