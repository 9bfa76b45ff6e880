#pragma once

#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/spread_grid.h"
#include "platform/wait_picture.h"
#include "platform/window_registry.h"

#include <QCheckBox>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include <array>

// The calls of one day from the local call log: step between days or pick one on a month
// calendar, move through the list, tick callers and send them one message; keeps the four saved
// message texts and shows the message credit. The board opens it modally by name and sets
// m_FirstActivated, whose first activation shows today.
class frmB전화수신이력B : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmB전화수신이력B"); }

    frmB전화수신이력B();

    QLabel* lblTitle;
    std::array<PanelButton*, 14> CMD;
    PanelButton* sspDay;
    std::array<SpreadGrid*, 1> SPR;
    std::array<QFrame*, 1> BD;
    QCheckBox* Chk전체선택;
    QWidget* Picture2;
    std::array<QLabel*, 4> lbInfoCID;

    QWidget* picCalcBack;
    PanelButton* sspMonth;
    SpreadGrid* sprCAL;
    QWidget* picCalBorder;

    QLabel* picSmsBack;
    std::array<QRadioButton*, 4> opt문자;
    std::array<CrLfTextBox*, 4> txt문자;
    std::array<QFrame*, 4> BE;
    CrLfTextBox* txt보낼문자;
    QLabel* 전송건수;
    QLabel* 글자크기;
    QLabel* 전송가능건수;

    WaitPicture* picWait;
    QWidget* picShadow;

    // First and last day of the month the calendar shows.
    QDate sDate;
    QDate eDate;

    void Form_Load() override;
    void Form_Activate() override;

    bool Func_ReadSkin();
    bool Load_CID(const QDate& mDate, bool bFromCID);
    int LenMbcs(const QString& text) const;
    bool Send_문자();

    void CalcDraw(const QDate& date);
    void sspMonth_Click();
    void sprCAL_Click(int col, int row);

    void SPR_DrawItem(int index, int col, int row, QPainter& dc, int x, int y, int x2, int y2);
    void SPR_Click(int index, int col, int row);
    void sspDay_DblClick();
    void txt보낼문자_Change();
    void Chk전체선택_Click();
    void CMD_Click(int index);
    void CMD_DblClick(int index);

    // The day the list shows, as the day label's tag keeps it.
    QDate shownDay() const;

protected:
    // Closed from outside: unloaded as by the close button, so the next opening starts afresh.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildDayBar();
    void buildList();
    void buildCalendarPanel();
    void buildMessagePanel();
    void connectButtons();
    void giveButtonLooks();
    void showDay(const QDate& day);
    void stepDay(int days);
    void stepRow(int index);
    void countChecked();
    void showCredit(int credit);
    void saveTemplate(int number);
    void applyTemplate();
    void placeCalendarBorder(int col, int numberRow, bool always);

    QLabel* m_background;
};
