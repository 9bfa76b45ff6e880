#pragma once

#include "customer/board_member_panel.h"
#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/picture_list.h"
#include "platform/placeholder_box.h"
#include "platform/spread_grid.h"
#include "platform/wait_picture.h"
#include "platform/window_registry.h"
#include "server/caller_id_board.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

class QPainter;

#include <array>
#include <memory>

// The reservation board: the month calendar, the day timetable by table, the booking list, the
// call list, the member panel and the commands. A child of the main window's client area that
// fills it. Opened by setting m_FirstActivated, a modeless show and a move to the front; the
// set-up (today, calendar, lists, time-slot view) runs at the next activation.
class frmB예약관리 : public QWidget, public FormEvents, public CallerIdBoard
{
public:
    static QString FormName() { return QStringLiteral("frmB예약관리"); }

    frmB예약관리();

    // Public members, in the system's order (m_FirstActivated comes from FormEvents).
    bool m_EventPrevent = false;
    qint32 m_Blink_TickCount = 0;
    qint32 m_Close_TickCount = 0;
    QDate sDate;
    QDate eDate;
    QDate currDate;
    QString currTimeT;
    bool 시간대_리스트_토글(int KIND);
    bool Load_CID(const QDate& mDate, bool bFromCID);
    bool 회원검색A(bool bAll);
    bool Load_DayData(const QString& DateT);
    bool Load_MonthData();
    bool DrawShedule();

    // The member panel's procedures.
    bool 입력란_초기화();
    bool 회원정보A_Clear(bool bKeepCounters);
    bool 회원정보A_NumT(const QString& numt);
    bool 회원정보A_Save();
    bool 준회원등록B();
    bool 회원정보_Load_PhoneT(const QString& phone);
    // The member shown in the panel (its number on the backend; empty when none).
    QString mCustNumT() const { return m_panel->m_Member.numt; }
    // The member panel's procedures and the member on display.
    BoardMemberPanel& MemberPanel() { return *m_panel; }

    // The booking list search of the days in mListDay, or of all days.
    bool 예약_검색(bool bAllDays);

    // What an incoming call does here (회원검색A and DrawShedule above are the rest).
    void ShowCall(const CallLogRow& call) override;
    void ShowTodaysCalls() override;
    QString ShownDay() const override;
    void SetMemberSearchText(const QString& number) override;
    void ShowMemberPanel() override;
    void StartBlink(qint32 untilTick) override;

    // The load, the first activation, the keys.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyPress(int keyAscii);
    bool Func_ReadSkin();

    // The timetable's helpers: the column of a time "hh:nn" (start rounded down with 0, end up
    // with 1) and a time that many minutes later.
    int GetScheduleColumn(const QString& timeT, int roundUp) const;
    static QString GetTimeAdd(const QString& timeT, int minutes);

    // The month calendar.
    void CalcDraw(const QDate& date);
    bool 날짜라벨_표시(const QString& dayT);
    void sspMonth_Click();
    void sprCAL_Click(int col, int row);
    void imgCMD_Click();
    void picA_Click(int index);

    // The layout pass; false when it ended at a size below zero.
    bool Form_Resize();

    // Commands, list grids, timetable and timers.
    void CMD_Click(int index);
    void CMD_DblClick(int index);
    void CMD_MouseDown(int index);
    void CMD_MouseUp(int index);
    void lblCMD_Click(int index);
    void SPR_DrawItem(int index, int col, int row, QPainter& dc, int x, int y, int x2, int y2);
    void SPR_Click(int index, int col, int row);
    void sprGraph_Click(int col, int row);
    void sprGraph_MouseMove(int button, int shift, int x, int y);
    void sprGraph_TextTipFetch(int col, int row, int& multiLine, int& tipWidth, QString& tipText, bool& showTip);
    void Close_Timer();
    void Blink_Timer();

    // Controls, by the names and indexes the board gives them.
    std::array<QFrame*, 3> cmdLayer{};
    std::array<QFrame*, 100> picLayer{};
    std::array<QFrame*, 3> picFrame{};
    std::array<QLabel*, 3> imgMid{};
    std::array<QLabel*, 3> imgBot{};
    std::array<PanelButton*, 21> CMD{};
    std::array<PictureLabel*, 4> lblCMD{};
    std::array<SpreadGrid*, 4> SPR{};
    std::array<SpreadGrid*, 1> sprGraph{};
    SpreadGrid* sprCAL = nullptr;
    std::array<PlaceholderBox*, 1> txtS{};
    std::array<PlaceholderBox*, 2> txtA{};
    std::array<CrLfTextBox*, 1> txtA2{};
    std::array<PictureLabel*, 1> picA{};
    PictureLabel* imgCMD = nullptr;
    QLineEdit* txt검색 = nullptr;
    std::array<QLabel*, 13> frLabel{};
    QFrame* picStatus = nullptr;
    QLabel* lb건수 = nullptr;
    PictureLabel* sspDay = nullptr;
    PictureLabel* sspMonth = nullptr;
    QFrame* picCalBorder = nullptr;
    QLabel* picDummy = nullptr;
    QLabel* picShadow = nullptr;
    WaitPicture* picWait = nullptr;
    QLabel* imgWait = nullptr;
    std::array<QFrame*, 4> frInfo{};
    std::array<QLabel*, 2> lbInfoCID{};
    std::array<QFrame*, 3> BD{};
    std::array<QFrame*, 2> TmpBD{};
    QLabel* lb직전예약 = nullptr;
    QLabel* lb총예약수 = nullptr;
    QLabel* lb총예약인원 = nullptr;
    QLabel* lb예약취소 = nullptr;
    QLabel* lb노쇼 = nullptr;
    PictureList ImgBtn;
    QTimer* Close = nullptr;
    QTimer* Blink = nullptr;

    // The 15 booking colours of the timetable.
    std::array<quint32, 15> mBookColor{};
    // The first and last day of the booking list search.
    std::array<QDate, 2> mListDay;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildBars();
    void buildLists();
    void buildMemberPanel();
    void connectControls();
    void prepareButtons();
    void fillBookColors();
    void txtA_GotFocus(int index);
    void txtA_LostFocus(int index);
    void txtA2_GotFocus(int index);
    void txtA2_LostFocus(int index);
    bool layoutPass();
    void sizeTimetable();
    void placeCalendarBorder(int col, int row, bool always);
    // The blue of a button: steel for 18 and 19, bright for the others.
    static QColor buttonColor(int index);
    void runCommand(int index);
    void stepDay(int index);
    void showWholeMonth();
    void openListedBooking();
    void moveListRow(int index);
    void openCallHistory();
    void toggleTimetableWidth();
    void setScale(int kind);
    void 예약하기();
    void 회원수정창();
    void 회원저장();
    bool registerNewMember();
    void reloadSavedMember();
    void layVeil();
    // Opens the reservation entry window modally with its opening values; false when the board
    // was unloaded meanwhile.
    bool openEntryWindow(int mode, const QString& bkNum, const QString& phone, const QString& when,
                         const QString& seat);
    void refreshAfterEntry();
    void searchMemberAfterEntry(const QString& phone);
    QString slotTime(int col);
    void keepTodaysCalls();

    std::unique_ptr<BoardMemberPanel> m_panel;
    // The day the call list shows (invalid before its first load).
    QDate m_callListDay;
    // The number of the latest booking search: an answer that comes back after a newer search
    // began is dropped.
    int m_searchSerial = 0;
    // True while a hover over the timetable is handled.
    bool m_bIn = false;
};
