#include "config/table_order_window.h"

#include "config/table_list.h"
#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/button_guard.h"
#include "core/converters.h"
#include "core/error_line.h"
#include "core/grid_helpers.h"
#include "core/list_grid.h"
#include "core/screen_values.h"
#include "platform/header_cell.h"
#include "platform/message_box.h"
#include "platform/panel_button_look.h"
#include "platform/send_keys.h"
#include "platform/window_effects.h"

#include <QFileInfo>
#include <QPointer>

namespace {

constexpr int kWidth = 680;
constexpr int kHeight = 600;
// Added to the starting number of a hidden table, so that hidden tables sort after every active one.
constexpr qint64 kHiddenOffset = 999999999;
const QColor kHeaderBack(232, 246, 255);

QString DisplayName(const TableRecord& table)
{
    return table.tableqroup.isEmpty() ? table.tablenum : table.tableqroup + " - " + table.tablenum;
}

} // namespace

frmB좌석설정_순서변경::frmB좌석설정_순서변경() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("좌석설정 순서변경"));
    buildControls();
}

void frmB좌석설정_순서변경::buildControls()
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, kWidth, kHeight);

    lblTitle = new QLabel(this);
    lblTitle->setGeometry(13, 16, 510, 36);
    QFont titleFont(QStringLiteral("나눔고딕"), 14);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setStyleSheet(QStringLiteral("color: white;"));
    lblTerminate = new PictureLabel(this);
    lblTerminate->setGeometry(620, 0, 60, 55);
    lblTerminate->setCursor(Qt::PointingHandCursor);
    QObject::connect(lblTerminate, &PictureLabel::clicked, this, [this] { lblTerminate_Click(); });

    shpBorder = new QFrame(this);
    shpBorder->setGeometry(144, 68, 402, 447);
    shpBorder->setStyleSheet(QStringLiteral("QFrame { border: 1px solid rgb(234, 234, 234); background: transparent; }"));
    SPR[0] = new SpreadGrid(this);
    SPR[0]->setObjectName(QStringLiteral("SPR"));
    SPR[0]->setGeometry(145, 69, 400, 445);
    SPR[0]->DrawItem = [this](int col, int row, QPainter& dc, int x, int y, int x2, int y2) {
        SPR_DrawItem(0, col, row, dc, x, y, x2, y2);
    };

    CMD[0] = new PanelButton(this, 0);
    CMD[0]->setObjectName(QStringLiteral("CMD"));
    CMD[0]->setGeometry(144, 525, 402, 52);
    CMD[0]->setCaption(QStringLiteral("순 서   변 경"));
    QFont buttonFont(QStringLiteral("나눔고딕"), 12);
    buttonFont.setBold(true);
    CMD[0]->setFont(buttonFont);
    QObject::connect(CMD[0], &PanelButton::clicked, this, [this] { CMD_Click(0); });

    picWait = new WaitPicture(this);
    EnterMovesFocus(*this);
}

void frmB좌석설정_순서변경::Form_Load()
{
    resize(kWidth, kHeight);
    if (QWidget* main = FindForm(QStringLiteral("frmMainMDI"))) {
        const QRect outer = main->frameGeometry();
        move(outer.left() + (outer.width() - width()) / 2, outer.top() + (outer.height() - height()) / 2 + 10);
    }
    FormRound(*this, 11);
    Func_ReadSkin();
    lblTitle->setText(QStringLiteral("좌석설정 순서변경"));
    GiveSwappingLook(*CMD[0], QColor(0, 141, 238));
}

bool frmB좌석설정_순서변경::Func_ReadSkin()
{
    const QString background = gSkinPath + "/0411a.gif";
    if (QFileInfo(background).isFile())
        m_background->setPixmap(QPixmap(background));
    picWait->loadPicture(gSkinPath);
    picWait->centre();
    setUpGrid();
    return true;
}

void frmB좌석설정_순서변경::setUpGrid()
{
    SpreadGrid& grid = *SPR[0];
    LayOutListGrid(grid, {3, GridModel::ModeNormal, 2, 30, 25, 10, 10});
    grid.SetRow(-1);
    grid.SetCol(1);
    grid.SetColHidden(true);
    const std::array<QString, 4> headers{"NO", "AN", "좌석", "순서"};
    const std::array<int, 4> widths{25, 50, 295, 60};
    for (int col = 0; col <= 3; ++col) {
        grid.SetText(col, 0, headers[col]);
        grid.SetColWidth(col, widths[col] * gTwipsX);
    }
    SpreadSetCellType(&grid, 1, 4, QString());
    SpreadSetCellType(&grid, 2, 4, QString());
    SpreadSetCellType(&grid, 3, 7, QString());
    스프레드_색상초기화7(&grid);
    SetHeaderRowOwnerDrawn(grid, grid.MaxCols());
    grid.SetCol(2);
}

void frmB좌석설정_순서변경::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(FormName(), QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(FormName(), QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    QPointer<frmB좌석설정_순서변경> self(this);
    Load_좌석설정();
    if (!self)
        return;
    SPR[0]->SetActiveCell(3, 1);
    SPR[0]->setFocus();
    picWait->hide();
}

void frmB좌석설정_순서변경::lblTerminate_Click()
{
    UnloadForm(FormName());
}

// Sorts the rows by the numbers typed (rows move whole, hidden ones keep their flag) and stores
// their positions; the window closes only when the backend stored them.
void frmB좌석설정_순서변경::CMD_Click(int index)
{
    if (index != 0)
        return;
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (!guard.passed())
        return;
    SpreadGrid& grid = *SPR[0];
    grid.CommitEditing();
    if (!ordersReadable())
        return;
    grid.SetSortKey(1, 3);
    grid.SetSortKeyOrder(1, 1);
    grid.Sort(-1, -1, -1, -1, 0);
    m_Saved = false;
    QPointer<frmB좌석설정_순서변경> self(this);
    Save_순서();
    if (!self || !m_Saved)
        return;
    guard.release();
    UnloadForm(FormName());
}


// A save is refused, with a message naming the table, while an order cell does not read as a
// whole number; nothing is sent then and the cursor stands in that cell.
bool frmB좌석설정_순서변경::ordersReadable()
{
    SpreadGrid& grid = *SPR[0];
    for (int row = 1; row <= grid.MaxRows(); ++row) {
        if (IsWholeNumberText(grid.GetText(3, row)))
            continue;
        QPointer<frmB좌석설정_순서변경> self(this);
        MsgBox("순서 칸에 숫자를 입력하세요! (" + grid.GetText(2, row) + ")", MsgStyle::OkOnly + MsgStyle::Exclamation);
        if (self)
            SPR[0]->SetActiveCell(3, row);
        return false;
    }
    return true;
}

void frmB좌석설정_순서변경::SPR_DrawItem(int index, int col, int row, QPainter& dc, int x, int y, int x2, int y2)
{
    DrawHeaderCell(*SPR[index], col, row, dc, x, y, x2, y2, kHeaderBack);
}

void frmB좌석설정_순서변경::Load_좌석설정()
{
    SpreadGrid& grid = *SPR[0];
    const auto tables = RequestTableListFor(*this, grid, *picWait);
    if (!tables)
        return;
    grid.SetMaxRows(int(tables->size()));
    for (int row = 1; row <= tables->size(); ++row) {
        const TableRecord& table = (*tables)[row - 1];
        grid.SetText(1, row, table.nums);
        grid.SetText(2, row, DisplayName(table));
        grid.SetText(3, row, QString::number(table.isActive() ? row : row + kHiddenOffset));
        if (!table.isActive()) {
            grid.SetRow(row);
            grid.SetRowHidden(true);
        }
    }
    grid.SetReDraw(true);
}

void frmB좌석설정_순서변경::Save_순서()
{
    const SpreadGrid& grid = *SPR[0];
    QString order;
    for (int row = 1; row <= grid.MaxRows(); ++row)
        order += "num[" + grid.GetText(1, row) + "]num sort[" + QString::number(row) + "]sort ";
    QPointer<frmB좌석설정_순서변경> self(this);
    const QString answer = BackendRequest(QStringLiteral("Save_순서() ... "), QStringLiteral("/program/tableqrtablesortedit.php"))
                               .withSuffix(QStringLiteral("_WinHttp_3"))
                               .add(QStringLiteral("sort"), order)
                               .send();
    if (!self)
        return;
    if (IsSuccessAnswer(answer))
        m_Saved = true;
    else
        MsgBox(QStringLiteral("수정에 실패했습니다!"), MsgStyle::OkOnly);
}
