#pragma once

#include "platform/click_sequence.h"
#include "platform/grid_model.h"

#include <QAbstractScrollArea>
#include <QPointer>
#include <QTimer>

#include <functional>

class QLabel;
class QLineEdit;

// The grid control of the windows: a widget that paints its GridModel and raises the control's
// events. Coordinates in the events are twips relative to the grid; header clicks report row 0 or
// column 0. Check-box cells never change on a click: the window's Click handler sets their Value.
// In normal operation mode (0) text and number cells can be typed into.
class SpreadGrid : public QAbstractScrollArea, public GridModel
{
public:
    explicit SpreadGrid(QWidget* parent = nullptr);

    // Events. Buttons: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt.
    std::function<void(int col, int row)> Click;
    std::function<void(int col, int row)> DblClick;
    std::function<void(int button, int shift, int x, int y)> MouseMove;
    // An owner-drawn cell is painted by the handler; the rectangle (x, y) to (x2, y2) in twips.
    std::function<void(int col, int row, QPainter& dc, int x, int y, int x2, int y2)> DrawItem;
    // Asked once the pointer has rested TextTipDelay ms on a cell. The grid proposes a width (twips)
    // wide enough for the cell's note or text; the handler sets the text and ShowTip. A cell whose
    // text is drawn cut shows its whole text when no handler shows a tip of its own.
    std::function<void(int col, int row, int& multiLine, int& tipWidth, QString& tipText, bool& showTip)> TextTipFetch;

    // The tip window while a tip is shown (nullptr otherwise).
    QLabel* ShownTip() const;

    // Ends an edit in progress and keeps what was typed, as leaving the cell does.
    void CommitEditing() { FinishEditing(true); }

protected:
    void Changed() override;
    QSize ViewSize() const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool CellAtPoint(const QPoint& point, int* col, int* row) const;
    void UpdateScrollBars();
    void FetchTip();
    // The whole text of a cell whose text is drawn cut, else "".
    QString CutText(int col, int row) const;
    void HideTip();
    bool Editable(int col, int row) const;
    void StartEditing(const QString& text);
    void FinishEditing(bool keep);
    void MoveActive(int dCol, int dRow);

    ClickSequence m_clicks;
    QTimer m_tipTimer;
    QPoint m_tipPoint;
    std::pair<int, int> m_tipCell{-1, -1};
    QPointer<QLabel> m_tip;
    QPointer<QLineEdit> m_editor;
    bool m_syncingScroll = false;
    bool m_scrollBarsPending = false;
};
