#pragma once

#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/wait_picture.h"
#include "platform/window_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <array>

// Sends one text message to one number, typed or entered on a keypad that inserts the hyphens;
// keeps four saved texts in "Frshop.cfg" and shows the shop's order address. Opened modally by
// the main window's button, which sets m_FirstActivated.
class frmz즉시문자 : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmz즉시문자"); }

    frmz즉시문자();

    QLabel* lblTitle;
    PictureLabel* lblTerminate;
    QLineEdit* txt주문코드;
    CrLfTextBox* txt문자1;
    CrLfTextBox* txt문자2;
    CrLfTextBox* txt문자3;
    CrLfTextBox* txt문자4;
    QLabel* lblInfo;
    QLineEdit* txt보낼번호;
    CrLfTextBox* txt문자;
    QLabel* lblBytes;
    std::array<PanelButton*, 6> CMD;
    std::array<PanelButton*, 12> CMD2;
    WaitPicture* picWait;

    void Form_Load() override;
    void Form_Activate() override;

    bool Func_ReadSkin();
    bool Send_문자();
    bool Load_설정();

    void lblTerminate_Click();
    void txt문자_Change();
    void CMD_Click(int index);
    void CMD2_Click(int index);
    void CMD2_DblClick(int index);

protected:
    // Closed from outside: unloaded as by the close label, so the next opening starts afresh.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildSavedTexts();
    void buildKeypad();
    std::array<CrLfTextBox*, 4> savedTexts() const { return {txt문자1, txt문자2, txt문자3, txt문자4}; }
    void pressKey(int index);
    void formatNumber();

    QLabel* m_background;
};
