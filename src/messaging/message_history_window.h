#pragma once

#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/spread_grid.h"
#include "platform/wait_picture.h"
#include "platform/window_registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QWidget>

#include <array>

// The history of the messages the shop has sent, 30 to a page, for all dates or a period. Opened
// modally by the main window's label, which sets m_FirstActivated; the first activation opens on
// the last page of all messages.
class frmz문자내역 : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmz문자내역"); }

    frmz문자내역();

    // Set while the page list is refilled, so that its selection loads nothing.
    bool m_EventPrevent = false;

    QLabel* lblTitle;
    PictureLabel* lblTerminate;
    std::array<QDateEdit*, 2> 기간;
    QCheckBox* chk전체;
    QComboBox* cob페이지;
    std::array<PanelButton*, 1> CMD;
    SpreadGrid* SPR;
    QFrame* BD;
    WaitPicture* picWait;

    void Form_Load() override;
    void Form_Activate() override;

    bool Func_ReadSkin();
    // Page 0: a new search (two requests, the page list rebuilt, the last page shown); page 1 or
    // more: that page, the page list left alone.
    bool Load_문자내역(int page);

    void lblTerminate_Click();
    void cob페이지_Click();
    void chk전체_Click();
    void CMD_Click(int index);

protected:
    // Closed from outside: unloaded as by the close label, so the next opening starts afresh.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void setUpGrid();
    QString requestPage(int page, const QString& label);
    void refillPages(int pages);
    void fillRows(const QString& answer);
    void selectFirstRow();

    QLabel* m_background;
};
