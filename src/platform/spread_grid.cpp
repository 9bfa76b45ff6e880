#include "platform/spread_grid.h"

#include "platform/grid_painter.h"
#include "platform/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollBar>

namespace {

int ButtonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
         | (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
         | (modifiers & Qt::AltModifier ? 4 : 0);
}

Qt::ScrollBarPolicy Policy(bool on)
{
    return on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
}

// What a whole-number cell takes while it is edited.
const QRegularExpression& WholeNumberTyping()
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]*")));
    return pattern;
}

bool IsWholeNumberCell(const GridCell& cell)
{
    return cell.type == GridCellType::Number && cell.numberDecPlaces == 0;
}

} // namespace

SpreadGrid::SpreadGrid(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    m_tipTimer.setSingleShot(true);
    QObject::connect(&m_tipTimer, &QTimer::timeout, this, [this] { FetchTip(); });
    UpdateScrollBars();
}

void SpreadGrid::Changed()
{
    if (!ReDraw())
        return;
    viewport()->update();
    // Many changes in a row (a list filled with repainting on) lay out the scroll bars once.
    if (!m_scrollBarsPending) {
        m_scrollBarsPending = true;
        QMetaObject::invokeMethod(this, [this] {
            m_scrollBarsPending = false;
            UpdateScrollBars();
        }, Qt::QueuedConnection);
    }
}

void SpreadGrid::UpdateScrollBars()
{
    if (m_syncingScroll)
        return;
    m_syncingScroll = true;
    setHorizontalScrollBarPolicy(Policy(ScrollBars() == 1 || ScrollBars() == 3));
    setVerticalScrollBarPolicy(Policy(ScrollBars() == 2 || ScrollBars() == 3));
    // Columns scroll by whole columns after the frozen ones, rows by whole rows.
    const int firstCol = std::min(ColsFrozen(), MaxCols()) + 1;
    horizontalScrollBar()->setRange(firstCol, std::max(firstCol, MaxLeftCol()));
    horizontalScrollBar()->setValue(std::max(LeftCol(), firstCol));
    verticalScrollBar()->setRange(1, std::max(1, MaxTopRow()));
    verticalScrollBar()->setValue(TopRow());
    m_syncingScroll = false;
}

QSize SpreadGrid::ViewSize() const
{
    return viewport()->size();
}

void SpreadGrid::scrollContentsBy(int, int)
{
    if (m_syncingScroll)
        return;
    m_syncingScroll = true;
    SetLeftCol(horizontalScrollBar()->value());
    SetTopRow(verticalScrollBar()->value());
    m_syncingScroll = false;
    viewport()->update();
}

void SpreadGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void SpreadGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    GridPainter(*this, painter, viewport()->size(), [this](QPainter& dc, int col, int row, const QRect& cell) {
        if (DrawItem) {
            DrawItem(col, row, dc, int(PixelsToTwips(cell.left())), int(PixelsToTwips(cell.top())),
                     int(PixelsToTwips(cell.right() + 1)), int(PixelsToTwips(cell.bottom() + 1)));
        }
    }).paint();
    int x = 0, y = 0, w = 0, h = 0;
    if (OperationMode() == ModeNormal && hasFocus() && GetCellPos(ActiveCol(), ActiveRow(), &x, &y, &w, &h)) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(TwipsToPixels(x), TwipsToPixels(y), TwipsToPixels(w) - 2, TwipsToPixels(h) - 2);
    }
}

bool SpreadGrid::CellAtPoint(const QPoint& point, int* col, int* row) const
{
    return GetCellFromScreenCoord(col, row, int(PixelsToTwips(point.x())), int(PixelsToTwips(point.y())));
}

// ---- mouse ----------------------------------------------------------------------------------

void SpreadGrid::mousePressEvent(QMouseEvent*)
{
    FinishEditing(true);
    HideTip();
    setFocus();
    m_clicks.press();
}

void SpreadGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_clicks.release(*event, viewport()->rect()))
        return;
    int col = 0, row = 0;
    if (!CellAtPoint(event->position().toPoint(), &col, &row))
        return;
    if (col >= 1 && row >= 1)
        SetActiveCell(col, row);
    if (Click)
        Click(col, row);
}

void SpreadGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_clicks.doublePress();
    int col = 0, row = 0;
    if (event->button() != Qt::LeftButton || !CellAtPoint(event->position().toPoint(), &col, &row))
        return;
    QPointer<SpreadGrid> alive(this);
    if (DblClick)
        DblClick(col, row);   // the handler may open a window and wait: the grid may be gone
    if (alive && col >= 1 && row >= 1 && Editable(col, row))
        StartEditing(GetText(col, row));
}

void SpreadGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (MouseMove)
        MouseMove(ButtonCode(event->buttons()), ShiftCode(event->modifiers()),
                  int(PixelsToTwips(point.x())), int(PixelsToTwips(point.y())));
    int col = -1, row = -1;
    CellAtPoint(point, &col, &row);
    if (std::pair(col, row) != m_tipCell)
        HideTip();
    m_tipCell = {col, row};
    m_tipPoint = point;
    if (col >= 0)
        m_tipTimer.start(std::max(0, TextTipDelay()));
    else
        m_tipTimer.stop();
}

void SpreadGrid::leaveEvent(QEvent* event)
{
    m_tipTimer.stop();
    HideTip();
    m_tipCell = {-1, -1};
    QAbstractScrollArea::leaveEvent(event);
}

// ---- tips -----------------------------------------------------------------------------------

QLabel* SpreadGrid::ShownTip() const
{
    return m_tip && m_tip->isVisible() ? m_tip.data() : nullptr;
}

void SpreadGrid::HideTip()
{
    delete m_tip;
}

void SpreadGrid::FetchTip()
{
    const auto [col, row] = m_tipCell;
    const GridCell* cell = CellAt(col, row);
    if (!cell)
        return;
    const TipAppearance& look = TextTipAppearance();
    QFont font(look.fontName);
    font.setPointSizeF(look.fontSize > 0 ? look.fontSize : 9);
    font.setBold(look.bold);
    font.setItalic(look.italic);
    const QString proposed = cell->note.isEmpty() ? GridPainter::DisplayText(*cell, col, row) : cell->note;
    int widest = 0;
    for (const QString& line : QString(proposed).replace("\r\n", "\n").split('\n'))
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));

    int multiLine = 0;
    int tipWidth = int(PixelsToTwips(widest + 8));
    QString tipText;
    bool showTip = false;
    if (TextTipFetch) {
        QPointer<SpreadGrid> alive(this);
        TextTipFetch(col, row, multiLine, tipWidth, tipText, showTip);
        if (!alive)
            return;
    }
    if (!showTip || tipText.isEmpty()) {
        tipText = CutText(col, row);
        showTip = !tipText.isEmpty();
        multiLine = 0;
    }
    if (!showTip)
        return;

    HideTip();
    m_tip = new QLabel(this, Qt::ToolTip);
    m_tip->setFont(font);
    m_tip->setStyleSheet(QString("QLabel { background-color: %1; color: %2; border: 1px solid black; padding: 2px; }")
                             .arg(ToQColor(look.backColor, QColor(255, 255, 225)).name(),
                                  ToQColor(look.foreColor, Qt::black).name()));
    m_tip->setText(tipText.replace("\r\n", "\n"));
    m_tip->setWordWrap(multiLine != 0);
    if (multiLine != 0)
        m_tip->setFixedWidth(TwipsToPixels(tipWidth));
    m_tip->adjustSize();
    m_tip->move(viewport()->mapToGlobal(m_tipPoint + QPoint(12, 16)));
    m_tip->show();
}

QString SpreadGrid::CutText(int col, int row) const
{
    for (const GridPainter::CellText& text : GridPainter::ShownTexts(*this, viewport()->size()))
        if (text.col == col && text.row == row && text.shown.elided)
            return text.text;
    return QString();
}

// ---- keys and editing -----------------------------------------------------------------------

bool SpreadGrid::Editable(int col, int row) const
{
    const GridCell* cell = CellAt(col, row);
    return OperationMode() == ModeNormal && cell && row >= 1 && col >= 1
        && (cell->type == GridCellType::Edit || cell->type == GridCellType::Number);
}

void SpreadGrid::StartEditing(const QString& text)
{
    int x = 0, y = 0, w = 0, h = 0;
    if (!GetCellPos(ActiveCol(), ActiveRow(), &x, &y, &w, &h))
        return;
    FinishEditing(true);
    auto* editor = new QLineEdit(viewport());
    const GridCell* cell = CellAt(ActiveCol(), ActiveRow());
    if (IsWholeNumberCell(*cell))
        editor->setValidator(new QRegularExpressionValidator(WholeNumberTyping(), editor));
    editor->setGeometry(TwipsToPixels(x), TwipsToPixels(y), TwipsToPixels(w), TwipsToPixels(h));
    editor->setText(text);
    m_editor = editor;
    QObject::connect(editor, &QLineEdit::returnPressed, this, [this] { FinishEditing(true); setFocus(); });
    QObject::connect(editor, &QLineEdit::editingFinished, this, [this] { FinishEditing(true); });
    editor->show();
    editor->setFocus();
}

void SpreadGrid::FinishEditing(bool keep)
{
    QLineEdit* editor = m_editor.data();
    if (!editor)
        return;
    m_editor.clear();
    if (keep)
        SetText(ActiveCol(), ActiveRow(), editor->text());
    editor->hide();
    editor->deleteLater();
}

void SpreadGrid::MoveActive(int dCol, int dRow)
{
    if (MaxCols() < 1 || MaxRows() < 1)
        return;
    const int col = std::clamp(ActiveCol() + dCol, 1, MaxCols());
    const int row = std::clamp(ActiveRow() + dRow, 1, MaxRows());
    SetActiveCell(col, row);
    if (row < TopRow())
        SetTopRow(row);
    int x = 0, y = 0, w = 0, h = 0;
    while (TopRow() < row && (!GetCellPos(col, row, &x, &y, &w, &h)
                              || TwipsToPixels(y + h) > viewport()->height()))
        SetTopRow(TopRow() + 1);
}

void SpreadGrid::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up: MoveActive(0, -1); return;
    case Qt::Key_Down: MoveActive(0, 1); return;
    case Qt::Key_Left: MoveActive(-1, 0); return;
    case Qt::Key_Right:
    case Qt::Key_Tab: MoveActive(1, 0); return;
    case Qt::Key_F2:
        if (Editable(ActiveCol(), ActiveRow()))
            StartEditing(GetText(ActiveCol(), ActiveRow()));
        return;
    default: break;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && Editable(ActiveCol(), ActiveRow())) {
        // A key that a whole-number cell refuses starts no editing.
        if (!IsWholeNumberCell(*CellAt(ActiveCol(), ActiveRow())) || WholeNumberTyping().match(typed).hasMatch())
            StartEditing(typed);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}
