#pragma once

#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/window_registry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <array>

// The caller-ID settings window: the two services' switches and accounts (section "CID" of the
// settings file), the KT service's commands and each LG U+ line's login and logout. Opened modally
// by the main window; saving restarts the services.
class frmzCID_설정 : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmzCID_설정"); }
    // The window when it is loaded and visible; never made for this.
    static frmzCID_설정* Visible();

    frmzCID_설정();

    QLabel* lblTitle;
    PictureLabel* lblTerminate;
    QCheckBox* KT_사용;
    QCheckBox* LG_사용;
    QCheckBox* KT_자동로그인;
    QCheckBox* LG_자동로그인;
    QLineEdit* kt_open_api_ID;
    QLineEdit* kt_open_api_PW;
    std::array<QLineEdit*, 4> lg_open_api_ID;
    std::array<QLineEdit*, 4> lg_open_api_PW;
    std::array<QLineEdit*, 1> lg_open_api_IP;
    QLabel* kt_open_api_MSG;
    std::array<QLabel*, 4> lg_open_api_MSG;
    std::array<PanelButton*, 16> CMD;
    QLabel* picLGU;
    PictureLabel* cmd회선추가;
    QLabel* picWait;
    QLabel* imgWait;

    void Form_Load() override;
    void Form_Activate() override;

    bool Load_설정();
    bool Save_설정();
    bool Func_ReadSkin();
    void CMD_Click(int index);
    void lblTerminate_Click();
    void cmd회선추가_Click();

    // A line's status label: the text, in green when connected, else in dark red.
    void showLineState(int line, const QString& text, bool connected);
    // Each service's current status text on its label (gCIDktStatus, gCIDlgStatus), as the window
    // opens.
    void showServiceStates();

private:
    void showKtLoginResult();
    void buildKtColumn();
    void buildLgColumn();
    void buildExtraLines();
    void buildButton(int index, QWidget* parent, const QString& caption, const QRect& place);
    void styleButton(PanelButton& button);
    void runCommand(int index);
    void lineLogin(int line);
    void lineLogout(int line);
    void placeOnMainWindow();

    QLabel* m_background;
};
