#include "config/staff_window.h"

#include "core/button_guard.h"
#include "core/converters.h"
#include "core/error_line.h"
#include "core/file_exists.h"
#include "core/grid_helpers.h"
#include "core/screen_values.h"
#include "platform/header_cell.h"
#include "platform/message_box.h"
#include "platform/panel_button_look.h"
#include "platform/pop_up.h"
#include "platform/window_effects.h"
#include "server/staff_loader.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>

namespace {

const QString kWindow = QStringLiteral("frmB직원등록");
const QColor kBlue(0, 141, 238);

} // namespace

frmB직원등록::frmB직원등록() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("직원 등록"));
    buildControls();
}

void frmB직원등록::buildControls()
{
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, 670, 710);
    m_background->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblTitle = NewTitleLabel(this, QRect(13, 2, 306, 36));
    lblTerminate = NewCloseLabel(this, QRect(610, 0, 60, 40));
    lblTerminate->setCursor(Qt::PointingHandCursor);
    QObject::connect(lblTerminate, &PictureLabel::clicked, this, [this] { lblTerminate_Click(); });

    SPR[0] = new SpreadGrid(this);
    SPR[0]->setObjectName(QStringLiteral("SPR"));
    SPR[0]->setGeometry(63, 66, 541, 417);
    SPR[0]->Click = [this](int col, int row) { SPR_Click(col, row); };
    SPR[0]->DrawItem = [this](int col, int row, QPainter& dc, int x, int y, int x2, int y2) {
        DrawHeaderCell(*SPR[0], col, row, dc, x, y, x2, y2, kBlue, Qt::white);
    };

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(13, 548, 524, 32);
    Frame1 = new QGroupBox(QStringLiteral(" 수정 "), this);
    Frame1->setGeometry(13, 589, 641, 101);
    Frame1->setStyleSheet(QStringLiteral("QGroupBox { background: rgb(238,240,244); color: rgb(0,0,192); }"));
    Label2 = new QLabel(Frame1);
    Label2->setGeometry(18, 25, 602, 29);
    Text2 = new QLineEdit(Frame1);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(8, 55, 513, 32);

    const std::array<QString, 6> captions{QStringLiteral("▲"),       QStringLiteral("▼"),       QStringLiteral("등록하기"),
                                          QStringLiteral("수정하기"), QStringLiteral("삭제하기"), QStringLiteral("순서저장")};
    const std::array<QRect, 6> places{QRect(10, 485, 80, 45),  QRect(95, 485, 80, 45),  QRect(550, 545, 100, 40),
                                      QRect(535, 51, 100, 40), QRect(350, 485, 100, 45), QRect(180, 485, 100, 45)};
    for (int i = 0; i < 6; ++i) {
        CMD[i] = new PanelButton(i == 3 ? static_cast<QWidget*>(Frame1) : this, i);
        CMD[i]->setCaption(captions[i]);
        CMD[i]->setGeometry(places[i]);
        QObject::connect(CMD[i], &PanelButton::clicked, this, [this, i] { CMD_Click(i); });
        QObject::connect(CMD[i], &PanelButton::doubleClicked, this, [this, i] { CMD_DblClick(i); });
    }
    picWait = new WaitPicture(this);
}

void frmB직원등록::Form_Load()
{
    resize(670, 710);
    CenterOnMainWindow(*this, 10);
    FormRound(*this, 7);
    Func_ReadSkin();
    lblTitle->setText(QStringLiteral("직원 등록"));
    for (PanelButton* button : CMD)
        GiveSwappingLook(*button, kBlue);
}

bool frmB직원등록::Func_ReadSkin()
{
    const QString background = gSkinPath + "/0401a.gif";
    if (FileExists(background))
        m_background->setPixmap(QPixmap(background));
    picWait->loadPicture(gSkinPath);
    picWait->centre();
    setUpGrid();
    return true;
}

void frmB직원등록::setUpGrid()
{
    SpreadGrid& grid = *SPR[0];
    grid.SetMaxRows(0);
    grid.SetMaxCols(2);
    grid.SetOperationMode(GridModel::ModeSingleSelect);
    grid.SetScrollBars(2);
    grid.SetRowHeight(-1, 39 * gTwipsY);
    grid.SetRowHeight(0, 25 * gTwipsY);
    for (const auto& [row, col] : {std::pair{-1, -1}, std::pair{-1, 0}, std::pair{0, -1}}) {
        grid.SetRow(row);
        grid.SetCol(col);
        grid.SetFontSize(11);
    }
    grid.SetCol(1);
    grid.SetColHidden(true);
    const QStringList headers{"NO", "AN", "직원명"};
    const std::array<int, 3> widths{35, 35, 500};
    for (int col = 0; col <= 2; ++col) {
        grid.SetText(col, 0, headers[col]);
        grid.SetColWidth(col, widths[col] * gTwipsX);
    }
    SpreadSetCellType(&grid, 1, 4, QString());
    SpreadSetCellType(&grid, 2, 3, QString());
    스프레드_색상초기화7(&grid);
    SetHeaderRowOwnerDrawn(grid, grid.MaxCols());
    grid.SetCol(2);
}

void frmB직원등록::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    QPointer<frmB직원등록> self(this);
    Load_직원();
    if (!self)
        return;
    QCoreApplication::processEvents();
    if (self)
        Text1->setFocus();
}

void frmB직원등록::lblTerminate_Click()
{
    UnloadForm(FormName());
}

void frmB직원등록::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    UnloadForm(FormName());
}

void frmB직원등록::SPR_Click(int col, int row)
{
    QPointer<frmB직원등록> self(this);
    QCoreApplication::processEvents();
    if (!self || row < 1 || row > SPR[0]->MaxRows() || col < 1 || col > SPR[0]->MaxCols())
        return;
    SPR[0]->SetRow(row);
    const QString number = SPR[0]->GetText(1, row);
    const QString name = SPR[0]->GetText(2, row);
    Text1->clear();
    m_text2Tag = number;
    Text2->setText(name);
    Label2->setText(name);
    m_rowChosen = true;
}

void frmB직원등록::CMD_Click(int index)
{
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (!guard.passed())
        return;
    switch (index) {
    case 0:
        moveSelected(-1);
        break;
    case 1:
        moveSelected(1);
        break;
    case 2:
        add();
        break;
    case 3:
        rename();
        break;
    case 4:
        remove();
        break;
    case 5:
        saveOrder();
        break;
    }
}

void frmB직원등록::CMD_DblClick(int index)
{
    if (index == 0 || index == 1)
        CMD_Click(index);
}

void frmB직원등록::moveSelected(int step)
{
    SpreadGrid& grid = *SPR[0];
    if (grid.MaxRows() < 2)
        return;
    const int row = grid.SelBlockRow();
    const int target = row + step;
    if (target < 1 || target > grid.MaxRows())
        return;
    grid.SwapRows(row, row, target);
    grid.SetRow(target);
    grid.SetActiveCell(2, target);
    m_rowChosen = true;
}

void frmB직원등록::add()
{
    if (Text1->text().isEmpty()) {
        MsgBox(QStringLiteral("빈 직원은 추가가 불가능합니다!"), MsgStyle::OkOnly);
        return;
    }
    QPointer<frmB직원등록> self(this);
    Add_직원();
    if (self && reload())
        clearBoxes();
}

void frmB직원등록::rename()
{
    if (Text2->text().isEmpty() || m_text2Tag.isEmpty()) {
        MsgBox(QStringLiteral("빈 직원은 수정이 불가능합니다!"), MsgStyle::OkOnly);
        return;
    }
    QPointer<frmB직원등록> self(this);
    Modify_직원();
    if (self && reload())
        clearBoxes();
}

// Only a name clicked or moved since the last reload is deleted; otherwise the press does nothing.
void frmB직원등록::remove()
{
    SpreadGrid& grid = *SPR[0];
    if (grid.MaxRows() < 1 || !m_rowChosen)
        return;
    grid.SetCol(1);
    QPointer<frmB직원등록> self(this);
    Delete_직원(ToLong(grid.GetText(1, grid.Row())));
    if (self && reload())
        clearBoxes();
}

void frmB직원등록::saveOrder()
{
    if (SPR[0]->MaxRows() < 2) {
        MsgBox(QStringLiteral("순서를 정할 수 없습니다!"), MsgStyle::OkOnly);
        return;
    }
    QPointer<frmB직원등록> self(this);
    ReOrder_직원();
    if (self)
        reload();
}

// False when the window went during one of the two requests.
bool frmB직원등록::reload()
{
    QPointer<frmB직원등록> self(this);
    Load_직원();
    if (!self)
        return false;
    Read_직원();
    return !self.isNull();
}

void frmB직원등록::clearBoxes()
{
    Text1->clear();
    Text2->clear();
    m_text2Tag.clear();
    Label2->clear();
}

void frmB직원등록::mousePressEvent(QMouseEvent* event)
{
    m_drag.press(*this, event->globalPosition().toPoint());
}

void frmB직원등록::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.move(event->globalPosition().toPoint());
}

void frmB직원등록::mouseReleaseEvent(QMouseEvent*)
{
    m_drag.release();
}
