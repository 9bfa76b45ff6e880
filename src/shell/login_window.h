#pragma once

#include "platform/picture_label.h"
#include "platform/window_registry.h"

#include "shell/picture_toggle.h"
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <array>

// Failed logins of this run: never reset, so failures before a login and in later re-logins add
// up; the third ends the program.
extern int gLoginFailCount;

// The login window: asks for the shop account, logs the shop in and opens the main window.
// Opened modeless by the start-up (m_ReLogin False) and modally by the main window's login label
// after a logout (m_ReLogin True).
class frmLogin : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmLogin"); }

    frmLogin();

    // Kept across unloads, and read by the load, so the opener sets it before the first reference.
    static inline bool m_ReLogin = false;

    QLineEdit* ID;
    QLineEdit* PW;
    std::array<PictureToggle*, 2> chkLoadValue;
    PictureLabel* lblLogin;
    QLabel* lbl앱이름;
    QLabel* picWait;
    QLabel* imgWait;

    void Form_Load() override;
    void Form_Activate() override;

    void chkLoadValue_Click(int index);
    void lblLogin_Click();

protected:
    // Closing the window of the start-up ends the program; after a logout it only ends (and unloads)
    // the re-login.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void loadPictures();
    void enableInput();
    void loginSucceeded(const QString& answer);
    void loginFailed();
    void readShopTelephone();

    QLabel* m_background;
    QStringList m_savedLogin;
};
