#pragma once

#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/spread_grid.h"
#include "platform/wait_picture.h"
#include "platform/window_registry.h"
#include "requests/request_window_links.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <array>

// The table-request window: the requests guests send from their tables, fifteen tiles to a page
// in three columns of five, in the pending or the completed view; a pending request is completed
// with its tile's button (direct mode) or through the confirmation window (confirmation mode).
// Opened by setting m_FirstActivated, a modeless show and a move to the front; once opened it
// stays loaded behind the other work windows and polls every 15 seconds until it is unloaded.
class frmz승인_고객요청 : public QWidget, public FormEvents, public RequestListLink
{
public:
    static QString FormName() { return QStringLiteral("frmz승인_고객요청"); }
    static constexpr int kTiles = 15;

    frmz승인_고객요청();

    bool m_EventPrevent = false;
    bool m_UseYN = false;
    int m_ConfirmA_View = 0;   // 0 pending ("요청대기"), 1 completed ("요청완료")
    int m_ConfirmA_Mode = 0;   // 0 direct ("바로동작"), 1 confirmation window ("확인창 팝업")
    bool m_Loading = false;

    std::array<PictureLabel*, kTiles> picA;
    std::array<PictureLabel*, kTiles> lb시간;
    std::array<PictureLabel*, kTiles> lb테이블;
    std::array<PictureLabel*, kTiles> lb메모;
    std::array<PanelButton*, kTiles> CmdTBL;
    std::array<QFrame*, 3> fr설정;
    QLabel* lbConfirmA;
    std::array<QRadioButton*, 2> optVIEW;
    std::array<QRadioButton*, 2> optMODE;
    QFrame* frLayer;
    std::array<PanelButton*, 2> CMD;
    QComboBox* cob페이지;
    std::array<SpreadGrid*, 1> SPR;
    QLabel* picNotUse;
    QLabel* imgNotUse;
    QLabel* picShadow;
    WaitPicture* picWait;
    QTimer* Timer_Refresh;

    void Form_Load() override;
    void Form_Activate() override;
    // The poll ends with the window: its timer stops at once, not when the window is deleted.
    void Form_Unload() override;
    bool Func_ReadSkin();

    void optVIEW_Click(int index);
    void optMODE_Click(int index);
    void cob페이지_Click();
    void picA_Click(int index);
    void Load_고객요청_페이지();

    // The poll.
    void Load_고객요청();
    void Timer_Refresh_Timer();

    // Completing requests and the page buttons.
    bool Check_고객요청(const QString& number);
    void CmdTBL_Click(int index);
    void CMD_Click(int index);
    void CMD_MouseDown(int index);
    void CMD_MouseUp(int index);
    void CmdTBL_MouseDown(int index);
    void CmdTBL_MouseUp(int index);

private:
    void buildTiles();
    void buildSwitches();
    void buildPageBar();
    void connectControls();
    void placeTiles();
    void showHint();
    void paintTileStyle(int tile);
    void paintRow(int tile, int row);
    void clearTile(int tile);

    // The poll's steps.
    bool readSwitch(const QString& hour, int startTick);
    void readList(const QString& checked, const QString& hour, int startTick);
    void fillGrid(const QString& answer, bool pendingView);
    void refillPages();
    void announce(const QString& tableLabel, const QString& text);

    QLabel* m_background;
};
