#pragma once

#include "config/table_list.h"
#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/spread_grid.h"
#include "platform/text_box.h"
#include "platform/wait_picture.h"
#include "platform/window_registry.h"

#include <QFrame>
#include <QLabel>
#include <QWidget>

#include <array>

class BackendRequest;

// The tables window: lists the shop's tables in use, adds a table, changes the name and the
// location of a chosen table, hides a table, and opens the table order window. A work window in
// the main window's client area, opened by setting m_FirstActivated, a modeless show and a move to
// the front. A shop whose tables come from a link (a POS link or table QR ordering) can change
// only the location of a listed table.
class frmB좌석설정 : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmB좌석설정"); }

    frmB좌석설정();

    // Arrays as the window numbers them; indexes the window does not use stay nullptr.
    std::array<QFrame*, 6> frInfo{};
    std::array<QLabel*, 5> lblInfo{};
    std::array<SpreadGrid*, 1> SPR{};
    std::array<QFrame*, 1> BD{};
    std::array<QFrame*, 5> TmpBD{};
    std::array<QWidget*, 2> pF{};
    std::array<QLabel*, 4> CAT_Label{};
    std::array<PanelButton*, 4> CMD{};
    TextBox* 좌석이름1 = nullptr;
    TextBox* 좌석이름2 = nullptr;   // its tag: the record number of the chosen table
    CrLfTextBox* 위치설명1 = nullptr;
    CrLfTextBox* 위치설명2 = nullptr;
    TextBox* 계산서프린터1 = nullptr;   // never shown
    TextBox* 계산서프린터2 = nullptr;   // never shown
    WaitPicture* picWait = nullptr;

    void Form_Load() override;
    void Form_Activate() override;
    bool Func_ReadSkin();

    void SPR_Click(int index, int col, int row);
    void SPR_DrawItem(int index, int col, int row, QPainter& dc, int x, int y, int x2, int y2);
    void CMD_Click(int index);

    // The list exchange with the backend.
    void Load_설정();
    void 좌석_추가();
    void 좌석_수정();
    void 좌석_삭제();

private:
    void buildControls();
    void buildPanel(int panel, const QString& title);
    void setUpGrid();
    void openOrderWindow();
    void sendChange(BackendRequest request);
    void clearBoxes();
    void fillRow(int row, const TableRecord& table);

    QLabel* m_background = nullptr;
};
