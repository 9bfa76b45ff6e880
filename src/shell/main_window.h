#pragma once

#include "core/main_window_calls.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/window_drag.h"
#include "platform/window_registry.h"
#include "server/call_log_row.h"
#include "server/main_credit_labels.h"
#include "shell/main_skin.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

// The main window: a borderless frame whose top bar carries the shop name, the version, the
// title of the work area, the six top buttons, the credit labels and the commands, and whose
// client area hosts the work windows as child widgets. Its end is the end of the program.
class frmMainMDI : public QWidget, public FormEvents, public MainPictureLists, public MainWindowCalls,
                  public MainCreditLabels
{
public:
    static QString FormName() { return QStringLiteral("frmMainMDI"); }

    frmMainMDI();
    ~frmMainMDI() override;

    // True while the load runs: the resize does nothing meanwhile.
    bool m_EventPrevent = false;
    // True while the window is the mini icon (or the caller card grown from it): the resize does
    // nothing meanwhile.
    bool m_FloatingButton = false;

    std::array<PictureLabel*, 2> BG;
    std::array<QLabel*, 2> picMenu;
    std::array<QLabel*, 2> imgMenu;
    PictureLabel* lbl현재작업;
    QLabel* lbl상호;
    QLabel* lbl버전;
    QLabel* lblClock;
    PictureLabel* lbl로그아웃;
    std::array<QLabel*, 3> lbl남은문자;
    std::array<PanelButton*, 6> TopCMD;
    std::array<PanelButton*, 2> CMD;
    PanelButton* sspTEL;
    QLabel* sspTel_Info;
    PictureLabel* cmdRefresh;
    PictureLabel* cmdAlarm;
    PictureLabel* lbMiniView;
    PictureLabel* lblMinimize;
    PictureLabel* lblMaximize;
    PictureLabel* lblTerminate;
    PictureLabel* lbl다운로드;
    PictureLabel* lblManual;
    PictureLabel* lblAS;
    PictureLabel* lbl문자내역;
    PictureLabel* lblCID설정;

    // The client area: work windows are its child widgets.
    QWidget* MdiClient() const { return m_client; }

    void Form_Load() override;
    void Form_Activate() override;

    // Fills the picture lists from the skin folder and gives the strip its first pictures.
    bool Func_ReadSkin();

    // The credit labels: the credit divided by 15, 20 and 45 ("#,##0"), black when the last is at
    // least 500, else red.
    void WriteCreditLabels(int credit) override;
    // The logout link: "로그아웃" in green when logged in, "로그인" in grey when not.
    void ShowLoginLink(bool loggedIn);
    // The shop's name and the program's version in the top bar, the title label empty: at the load
    // and after each login.
    void ShowShopHeader();

    void TopCMD_Click(int index);
    void Highlight_TopCMD();
    void TopCMD_MouseDown(int index);
    void TopCMD_MouseUp(int index);

    // The one-shot rebuild of the reservation cache a second after the load, and the clock with
    // the credit every 30 seconds.
    QTimer* Start_Timer = nullptr;
    QTimer* TimerClock = nullptr;
    void Start_Timer_Timer();
    void TimerClock_Timer();
    void mnuExit_Click();

    void lbl로그아웃_Click();
    void lbl문자내역_Click();
    void lblCID설정_Click();
    void lbl다운로드_Click();
    void lblManual_Click();
    void lblAS_Click();
    void lblMinimize_Click();
    void lblMaximize_Click();
    void lblTerminate_Click();
    void cmdRefresh_Click();
    QString RefreshTag() const override { return cmdRefresh->tag(); }
    void ShowSmallCard(int width, int fontSize, const QString& caption, const QString& tag) override;
    void cmdAlarm_Click();
    void lbMiniView_DblClick();

    // An incoming call: its row in the call log, then by the window's state the window restored,
    // the board opened (with the caller's number handed over when it is shown) or the caller
    // card, and the call put into the board's call list; the member look-up follows on its own.
    void CID처리2(qint32 lKind, qint32 lCh, QString sTel, const QString& SeqNO);
    // The status word of a known call, then its row changed in the board's call list (with the
    // calls the busy rule marks now).
    bool OpenAPI_UpdateResult(const QString& SeqNO, const QString& status);

    // The call events of the caller-ID controls.
    void KTOpenAPIX_CIDEvent(const QString& number, const QString& second, const QString& code, const QString& id,
                             const QString& fifth);
    void KTOpenAPIX_CTCEvent(const QString& a, const QString& b, const QString& c, const QString& d);
    void LGUBaseOpenApiX_SendRingEvent(int index, const QString& data);
    void LGUBaseOpenApiX_SendChannelListEvent(int index, const QString& data);
    void LGUBaseOpenApiX_SendChannelOutEvent(int index, const QString& data);

    // The strip's picture buttons: CMD(0) brings back the full window and the board on the last
    // caller.
    void CMD_Click(int index);
    void CMD_MouseDown(int index);
    void CMD_MouseUp(int index);
    // With "-developermode": two test calls.
    void lblClock_DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTopBar();
    void buildCommands();
    void connectCommands();
    void connectTopButtons();
    void openTopWindow(int index);
    void startTimers();
    void loadTopBarPictures();
    void placeFixedControls();
    void prepareTopButtons();
    void layoutTopBar();
    void placeChildWindows();
    void saveFullGeometry();
    QRect savedFullGeometry() const;
    void toMiniIcon();
    void toFullWindow();
    // The shop name and the two groups of the top bar, hidden while the window is the mini icon or
    // a card.
    void showTopBarGroups(bool shown);
    // Shows a modal window over the half-transparent main window, with its title meanwhile.
    QString shopFeatures() const;
    void showOverHalfTransparent(const QString& title, const std::function<void()>& showModal);
    void hookCallEvents();
    void connectCallerCard();
    int callMode() const;
    void toCallerCard(const QString& number);
    void nameOnCallerCard(int serial, const QString& number);
    void handCallerToBoard(const QString& number);
    void giveNumberToBoard(const QString& number);
    void searchCallerOnBoard(int serial, const QString& number);
    void showCallsOnBoard(const std::optional<CallLogRow>& call, bool reload);
    void lookUpLater(std::function<void()> lookUp);
    void runNextLookUp();
    void retryHeldCallsLater();

    QWidget* m_client;
    bool m_exiting = false;
    // The number of the latest call (or hand-over from the card): a member look-up of an earlier
    // one is dropped.
    int m_callSerial = 0;
    // True while a ring's member look-up runs; the latest ring's look-up waiting for it.
    bool m_lookingUp = false;
    std::function<void()> m_nextLookUp;
    QTimer* m_heldCallsRetry = nullptr;
    // Ticks of the clock timer since the last credit request.
    qint32 m_clockTicks = 0;
    WindowDrag m_drag;
};
