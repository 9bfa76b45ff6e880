#pragma once

#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/window_drag.h"
#include "platform/window_registry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

#include <array>

// One category of the shop's canned phrases: fetched when the window loads, edited in the window
// only, stored whole when it closes. The opener sets m_Caller before the first reference (the
// load fetches that category), sets the caption and shows the window modally.
class frmzComment : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmzComment"); }

    frmzComment();

    // The phrase category, sent as "selectText". Kept across unloads, read by the load.
    static inline QString m_Caller;

    QLabel* lblTitle;
    PictureLabel* lblTerminate;
    std::array<PanelButton*, 4> CMD;
    QListWidget* L1;
    CrLfTextBox* Text1;
    QGroupBox* Frame1;
    QLabel* Label2;
    QLineEdit* Text2;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

    void L1_Click();
    void L1_DblClick();
    void CMD_Click(int index);
    void lblTerminate_Click();

    void Load_상용구();
    void Save_상용구();

    // The phrases in list order.
    QStringList phrases() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void addPhrase(const QString& phrase);
    // The selected phrase's place; -1 when none is selected.
    int selectedRow() const;
    void selectRow(int row);
    void moveSelected(int step);
    void clearBoxes();
    void add();
    void modify();

    QLabel* m_background;
    WindowDrag m_drag;
    // The list place of the phrase last taken into the modify box; -1 when none is.
    int m_EditIndex = -1;
    // Whether the load brought an answer, and whether the list was changed since.
    bool m_loaded = false;
    bool m_changed = false;
};
