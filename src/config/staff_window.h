#pragma once

#include "core/backend_request.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/spread_grid.h"
#include "platform/wait_picture.h"
#include "platform/window_drag.h"
#include "platform/window_registry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <array>

// The shop's staff list: add, rename and delete names (sent at once, then the list and gStaff are
// reloaded) and reorder them (sent by "순서저장"). A modal pop-up of the reservation settings
// window, opened by setting m_FirstActivated.
class frmB직원등록 : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmB직원등록"); }

    frmB직원등록();

    QLabel* lblTitle;
    PictureLabel* lblTerminate;
    std::array<SpreadGrid*, 1> SPR;
    std::array<PanelButton*, 6> CMD;
    QLineEdit* Text1;
    QGroupBox* Frame1;
    QLabel* Label2;
    QLineEdit* Text2;
    WaitPicture* picWait;

    void Form_Load() override;
    void Form_Activate() override;

    bool Func_ReadSkin();
    void lblTerminate_Click();
    void SPR_Click(int col, int row);
    void CMD_Click(int index);
    void CMD_DblClick(int index);

    // The exchanges with the backend.
    bool Load_직원();
    bool Add_직원();
    bool Modify_직원();
    bool Delete_직원(int number);
    bool ReOrder_직원();

    // The record number of the name last clicked (the tag of Text2).
    QString text2Tag() const { return m_text2Tag; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void setUpGrid();
    void moveSelected(int step);
    void add();
    void rename();
    void remove();
    void saveOrder();
    bool reload();
    void clearBoxes();
    QString sendWithWait(BackendRequest request);

    QLabel* m_background;
    WindowDrag m_drag;
    QString m_text2Tag;
    // Whether a name was clicked or moved since the last reload: only then does "삭제하기" act.
    bool m_rowChosen = false;
};
