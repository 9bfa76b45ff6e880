#pragma once

#include "customer/entry_member_side.h"
#include "platform/window_drag.h"
#include "platform/window_registry.h"
#include "server/reservation_entry_view.h"

#include <QDate>
#include <QDateTime>
#include <QWidget>

#include <array>
#include <functional>

class CrLfTextBox;
class PanelButton;
class PictureLabel;
class PlaceholderBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

// The reservation entry window: one reservation created, changed, cancelled or marked as a no-show,
// with the customer looked up, registered or edited beside it. Loaded once per run and only hidden
// between openings; the board sets the opening variables and shows it modally.
class frmB예약_등록B : public QWidget,
                       public FormEvents,
                       public ReservationEntryOpening,
                       public ReservationEntryView,
                       public EntryMemberSide
{
public:
    static QString FormName() { return kReservationEntryForm; }

    frmB예약_등록B();

    // Set while the window's own set-up runs; the combo handlers leave the end time alone then.
    bool m_EventPrevent = false;
    // The reservation in hand: a copy of m_BkNumT at every opening, replaced by a history click.
    QString m_CurBkNumT;

    // Controls of the left column and the panels beside those of the member side. A control whose
    // name the cache reads as a value (예약일, txt인원 ...) carries the suffix "Box".
    std::array<PanelButton*, 5> CMD{};
    std::array<PanelButton*, 6> CMD2{};
    std::array<PanelButton*, 8> CMD3{};
    PictureLabel* lblCMD = nullptr;
    PictureLabel* lblTerminate = nullptr;
    QLabel* lbl예약모드 = nullptr;
    QDateEdit* 예약일Box = nullptr;
    QComboBox* 예약시Box = nullptr;
    QComboBox* 예약분Box = nullptr;
    QDateEdit* 종료일Box = nullptr;
    QComboBox* 종료시Box = nullptr;
    QComboBox* 종료분Box = nullptr;
    std::array<QComboBox*, 6> cob좌석Box{};
    std::array<QLineEdit*, 6> txt인원Box{};
    QLabel* pic총인원 = nullptr;
    QLabel* pic남여 = nullptr;
    QLabel* pic대소 = nullptr;
    QLineEdit* txt인원_총인원Box = nullptr;
    QLineEdit* txt인원_남성Box = nullptr;
    QLineEdit* txt인원_여성Box = nullptr;
    QLineEdit* txt인원_대인Box = nullptr;
    QLineEdit* txt인원_소인Box = nullptr;
    QLineEdit* txt모임명Box = nullptr;
    CrLfTextBox* txt요청사항Box = nullptr;
    QLineEdit* txt매니저명 = nullptr;
    QLabel* imgWait = nullptr;

    void Form_Load() override;
    void Form_Activate() override;

    void lblTerminate_Click();
    // The start combos: the end follows unless the window is setting itself up.
    void 예약시_Click();
    void 예약분_Click();
    // The start date picker: the end date moves by the same days, so that the stay keeps its length.
    void 예약일_Change();
    void CMD2_Click(int index);
    void lblCMD_Click();
    void CMD_Click(int index);
    void CMD3_Click(int index);
    // The caution flag: "N" turns "Y", anything else "N", with picture 1 or 2 of ImgBtn.
    void picA_Click();
    void SPR_Click(int index, int col, int row);
    // Opens member panel B for the member shown.
    void OpenMemberPanelB();

    // Adds the cached row of a new reservation saved for a customer who is no loaded member, under
    // the number -1. False when the cache could not be opened or refused the row.
    bool MDB_Update_예약B();

    // What the cache reads of a saved reservation.
    QDate 예약일() const override;
    QDate 종료일() const override;
    QString 예약시() const override;
    QString 예약분() const override;
    QString 종료시() const override;
    QString 종료분() const override;
    QString txt성함() const override;
    QString txt모임명() const override;
    QString txt요청사항() const override;
    int cob좌석Count() const override;
    QString cob좌석(int index) const override;
    QString txt인원(int index) const override;
    QString txt인원_총인원() const override;
    QString txt인원_남성() const override;
    QString txt인원_여성() const override;
    QString txt인원_대인() const override;
    QString txt인원_소인() const override;
    QString partyScheme() const override;

protected:
    QWidget& EntryWindow() override { return *this; }
    int EntryMode() const override { return m_ModeA; }
    void SetEntryMode(int mode) override;
    QString ReservationInHand() const override { return m_CurBkNumT; }
    void 예약등록_초기화() override;
    void 종료시간_계산() override;
    void Load_예약데이터() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectButtonLooks();
    void saveReservation(class ButtonGuard& guard);
    void saveMemberPanelB(class ButtonGuard& guard);
    bool registerFromPanelA();
    bool 준회원등록B();
    bool 시간_체크() const;
    bool 중복_체크();
    bool endAfterStart();
    // The start and the end the window holds, each from its own date picker.
    QDateTime chosenStart() const;
    QDateTime chosenEnd() const;
    bool 예약등록(bool confirmed);
    bool editChain();
    int sendEdit(const QString& procedure, const QString& path, const std::function<void(class BackendRequest&)>& fields);
    int 예약수정_이름();
    int 예약수정_예약일시();
    int 예약수정_종료일시();
    int 예약수정_좌석();
    int 예약수정_인원();
    int 예약수정_모임명();
    int 예약수정_요청사항();
    int 예약수정_매니저명();
    bool changeState(const QString& procedure, const QString& state, const QString& reason);
    void cancelOrNoShow(class ButtonGuard& guard, bool cancel);
    void hideEnd(class ButtonGuard& guard);
    void showWait();
    void connectInputs();
    void connectMemoBox(CrLfTextBox& box, bool panelA);
    void history_Click(int row);
    void loadEnd(const QString& value);
    void loadParty(const QString& block);
    void loadTables(const QString& tables);
    bool digitKeyPress(QObject* watched, QEvent* event) const;
    void connectPhoneBoxes();
    void buildControls();
    void buildLeftColumn();
    void buildMemberPanelB(QWidget& panel);
    void buildReservationPanel(QWidget& panel);
    void buildPartyPanels(QWidget& panel);
    void placeWindow();
    void placePanels();
    void giveButtonsTheirLook();
    bool Func_ReadSkin();
    void fillSettingLists();
    void fillLists();
    void showPartyPanel(const QString& scheme);
    bool 화면_초기화();
    void setModeCaption();
    void focusAfterOpening();
    bool Form_KeyPress(QWidget* focused, Qt::KeyboardModifiers modifiers);

    QList<QLineEdit*> partyBoxes() const;
    QList<QLineEdit*> phoneBoxes() const;

    // The scheme of the party panel shown ("0", "1", "2").
    QString m_PartyScheme;
    // The start date the end date last followed.
    QDate m_StartDay;
    QLabel* m_background = nullptr;
    WindowDrag m_drag;
};
