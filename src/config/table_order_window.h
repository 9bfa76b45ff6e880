#pragma once

#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/spread_grid.h"
#include "platform/wait_picture.h"
#include "platform/window_registry.h"

#include <QLabel>
#include <QWidget>

#include <array>

// The table order window: lists every table with an order number (hidden tables in hidden rows),
// sorts the list by the numbers typed, stores the resulting positions 1, 2, 3 ... on the backend
// and closes. A modal pop-up of the tables window, opened by setting m_FirstActivated and a modal
// show; the close area closes it without saving.
class frmB좌석설정_순서변경 : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmB좌석설정_순서변경"); }

    frmB좌석설정_순서변경();

    QLabel* lblTitle = nullptr;
    PictureLabel* lblTerminate = nullptr;
    std::array<SpreadGrid*, 1> SPR{};
    QFrame* shpBorder = nullptr;
    std::array<PanelButton*, 1> CMD{};
    WaitPicture* picWait = nullptr;

    void Form_Load() override;
    void Form_Activate() override;
    bool Func_ReadSkin();

    void lblTerminate_Click();
    void CMD_Click(int index);
    void SPR_DrawItem(int index, int col, int row, QPainter& dc, int x, int y, int x2, int y2);

    // The list exchange with the backend.
    void Load_좌석설정();
    void Save_순서();

private:
    void buildControls();
    void setUpGrid();
    bool ordersReadable();

    // Set by Save_순서 when the backend stored the order.
    bool m_Saved = false;
    QLabel* m_background = nullptr;
};
