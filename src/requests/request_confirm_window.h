#pragma once

#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/wait_picture.h"
#include "platform/window_registry.h"
#include "requests/request_window_links.h"

#include <QLabel>
#include <QWidget>

#include <array>

// The confirmation window of a table request: a modal pop-up that shows the request and completes
// it with "완 료". The tile click sets m_FirstActivated and the request's members, then shows it
// modally; a successful completion sets the table-request window's m_Confirmed.
class frmz승인_고객요청_승인 : public QWidget, public FormEvents, public RequestConfirmLink
{
public:
    static QString FormName() { return QStringLiteral("frmz승인_고객요청_승인"); }

    frmz승인_고객요청_승인();

    QLabel* lb이름;
    QLabel* lb시간;
    QLabel* lb테이블;
    QLabel* lb메모;
    QLabel* lblLabel;
    std::array<PanelButton*, 2> CMD;
    PictureLabel* lblTerminate;
    WaitPicture* picWait;

    void Form_Load() override;
    void Form_Activate() override;
    bool Func_ReadSkin();

    bool Check_고객요청();
    void CMD_Click(int index);
    void lblTerminate_Click();
    void CMD_MouseDown(int index);
    void CMD_MouseUp(int index);

private:
    void buildControls();
    void close고객요청();

    QLabel* m_background;
    // True while the completion request runs: further clicks are ignored meanwhile.
    bool m_completing = false;
};
