#include "config/tables_window.h"

#include "core/button_guard.h"
#include "core/error_line.h"
#include "core/grid_helpers.h"
#include "core/list_grid.h"
#include "core/screen_values.h"
#include "platform/header_cell.h"
#include "platform/mdi_child.h"
#include "platform/message_box.h"
#include "platform/panel_button_look.h"
#include "server/server_globals.h"
#include "server/table_loader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

namespace {

const QColor kBlue(0, 141, 238);
const QColor kLightGrey(234, 234, 234);
const QColor kHeaderBack(232, 246, 255);
const QString kOrderWindow = QStringLiteral("frmB좌석설정_순서변경");

QFont labelFont(double size, bool bold = false)
{
    QFont font(QStringLiteral("나눔고딕"));
    font.setPointSizeF(size);
    font.setBold(bold);
    return font;
}

// A rectangle shape: a border line that lets clicks through to what lies beneath.
QFrame* makeShape(QWidget* parent, const QRect& place, const QColor& colour)
{
    auto* shape = new QFrame(parent);
    shape->setGeometry(place);
    shape->setStyleSheet(QStringLiteral("QFrame { border: 1px solid %1; background: transparent; }").arg(colour.name()));
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    return shape;
}

// A frame with a caption label filling it.
std::pair<QFrame*, QLabel*> makeTitleBar(QWidget* parent, const QRect& place, const QColor& back,
                                         const QColor& text, const QString& caption, bool bold)
{
    auto* frame = new QFrame(parent);
    frame->setGeometry(place);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, back);
    frame->setPalette(palette);
    auto* label = new QLabel(caption, frame);
    label->setGeometry(10, 0, place.width() - 20, place.height());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFont(labelFont(10, bold));
    label->setStyleSheet(QStringLiteral("color: %1;").arg(text.name()));
    return {frame, label};
}

// Whether the shop's tables come from a link: then they are added and hidden there, not here.
bool TablesComeFromLink()
{
    return gPosKind != -1 || gQRCheckYN;
}

} // namespace

frmB좌석설정::frmB좌석설정() : QWidget(MdiClientArea())
{
    setWindowTitle(QStringLiteral("좌석설정"));
    buildControls();
}

void frmB좌석설정::buildControls()
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(238, 240, 244));
    setPalette(palette);
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, 1022, 654);

    TmpBD[3] = makeShape(this, QRect(50, 20, 611, 572), kLightGrey);
    std::tie(frInfo[4], lblInfo[0]) = makeTitleBar(this, QRect(50, 20, 611, 30), kBlue, Qt::white,
                                                   QStringLiteral("만들어진 테이블"), true);
    BD[0] = makeShape(this, QRect(50, 49, 611, 542), kLightGrey);
    SPR[0] = new SpreadGrid(this);
    SPR[0]->setObjectName(QStringLiteral("SPR"));
    SPR[0]->setGeometry(51, 50, 609, 540);
    SPR[0]->Click = [this](int col, int row) { SPR_Click(0, col, row); };
    SPR[0]->DrawItem = [this](int col, int row, QPainter& dc, int x, int y, int x2, int y2) {
        SPR_DrawItem(0, col, row, dc, x, y, x2, y2);
    };

    for (int i = 0; i < 4; ++i) {
        CMD[i] = new PanelButton(nullptr, i);
        CMD[i]->setObjectName(QStringLiteral("CMD"));
    }
    CMD[3]->setParent(this);
    CMD[3]->setGeometry(535, 600, 125, 37);
    CMD[3]->setCaption(QStringLiteral("순서 변경"));

    buildPanel(0, QStringLiteral("좌석 추가"));
    buildPanel(1, QStringLiteral("좌석 수정"));

    for (PanelButton* button : CMD) {
        button->setFont(labelFont(10, true));
        const int index = button->index();
        QObject::connect(button, &PanelButton::clicked, this, [this, index] { CMD_Click(index); });
    }
    picWait = new WaitPicture(this);
}

// The add panel (0) and the edit panel (1): the add panel's boxes end in 1, the edit panel's in 2.
void frmB좌석설정::buildPanel(int panel, const QString& title)
{
    QWidget* box = pF[panel] = new QWidget(this);
    box->setGeometry(680, panel == 0 ? 215 : 430, 331, 207);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, Qt::white);
    box->setPalette(palette);
    TmpBD[panel == 0 ? 4 : 0] = makeShape(box, QRect(0, 0, 331, 207), QColor(160, 160, 160));
    const int bar = panel == 0 ? 5 : 0;
    std::tie(frInfo[bar], lblInfo[panel == 0 ? 4 : 1]) =
        makeTitleBar(box, QRect(0, 0, 331, 30), QColor(240, 248, 255), QColor(80, 80, 80), title, true);

    const int firstLabel = panel == 0 ? 0 : 2;
    const QStringList captions{QStringLiteral("좌석 이름:"), QStringLiteral("위치 설명:")};
    for (int i = 0; i < 2; ++i) {
        const int top = i == 0 ? 43 : 70;
        auto* bullet = new QFrame(box);
        bullet->setGeometry(18, top + 6, 5, 5);
        bullet->setStyleSheet(QStringLiteral("background: %1;").arg(kBlue.name()));
        QLabel* label = CAT_Label[firstLabel + i] = new QLabel(captions[i], box);
        label->setGeometry(28, top, 80, 18);
        label->setFont(labelFont(9));
    }
    auto* name = new TextBox(box);
    name->setGeometry(95, 40, 225, 27);
    auto* location = new CrLfTextBox(box);
    location->setGeometry(25, 92, 295, 62);
    auto* printer = new TextBox(box);
    printer->setGeometry(panel == 0 ? QRect(25, 160, 125, 27) : QRect(95, 65, 125, 27));
    printer->hide();
    for (QWidget* input : {static_cast<QWidget*>(name), static_cast<QWidget*>(location)})
        input->setFont(labelFont(10));

    PanelButton* action = CMD[panel];
    action->setParent(box);
    action->setGeometry(195, 160, 125, 37);
    action->setCaption(panel == 0 ? QStringLiteral("추 가") : QStringLiteral("수 정"));
    if (panel == 0) {
        좌석이름1 = name;
        위치설명1 = location;
        계산서프린터1 = printer;
        return;
    }
    좌석이름2 = name;
    위치설명2 = location;
    계산서프린터2 = printer;
    CMD[2]->setParent(box);
    CMD[2]->setGeometry(25, 160, 125, 37);
    CMD[2]->setCaption(QStringLiteral("삭  제"));
}

void frmB좌석설정::Form_Load()
{
    Trace(FormName(), QStringLiteral("Form_Load"), QStringLiteral("Enter"));
    if (QWidget* main = FindForm(QStringLiteral("frmMainMDI")))
        setWindowIcon(main->windowIcon());
    setGeometry((gMDIClientW - gFormStdW) / 2 / gTwipsX, (gMDIClientH - gFormStdH) / 2 / gTwipsY,
                gFormStdW / gTwipsX, gFormStdH / gTwipsY);
    Func_ReadSkin();
    for (PanelButton* button : CMD)
        GiveSwappingLook(*button, kBlue);
    if (TablesComeFromLink()) {
        pF[0]->hide();
        좌석이름2->setEnabled(false);
        CMD[2]->hide();
    }
}

bool frmB좌석설정::Func_ReadSkin()
{
    const QString background = gSkinPath + "/MDI_InnerA.gif";
    if (QFileInfo(background).isFile())
        m_background->setPixmap(QPixmap(background));
    picWait->loadPicture(gSkinPath);
    picWait->centre();
    setUpGrid();
    return true;
}

void frmB좌석설정::setUpGrid()
{
    SpreadGrid& grid = *SPR[0];
    const bool noPos = gPosKind == -1;
    LayOutListGrid(grid, {8, GridModel::ModeSingleSelect, 3, 35, 30, 11, 10});
    grid.SetRow(-1);
    for (int col : {1, 6, 5, 7, 8}) {
        grid.SetCol(col);
        grid.SetColHidden(true);
    }
    if (noPos) {
        grid.SetCol(2);
        grid.SetColHidden(true);
    }
    const QStringList headers{"그룹 이름", "좌석 이름", "위치 설명", "계산서프린터", "QR", "생성일자", "주문하기"};
    for (int i = 0; i < headers.size(); ++i)
        grid.SetText(i + 2, 0, headers[i]);
    const std::array<int, 9> widths{35, 35, 80, noPos ? 160 : 120, noPos ? 390 : 350, 100, 110, 180, 100};
    for (int col = 0; col <= 8; ++col) {
        if (noPos && col == 2)
            continue;
        grid.SetColWidth(col, widths[col] * gTwipsX);
    }
    SpreadSetCellType(&grid, 2, 4, QString());
    SpreadSetCellType(&grid, 3, 4, QString());
    SpreadSetCellType(&grid, 4, 3, QString());
    for (int col = 5; col <= 8; ++col)
        SpreadSetCellType(&grid, col, 4, QString());
    스프레드_색상초기화7(&grid);
    SetHeaderRowOwnerDrawn(grid, grid.MaxCols());
    grid.SetCol(3);
}

void frmB좌석설정::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(FormName(), QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(FormName(), QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    Load_설정();
}

void frmB좌석설정::SPR_Click(int index, int col, int row)
{
    QPointer<frmB좌석설정> self(this);
    SpreadGrid& grid = *SPR[index];
    QCoreApplication::processEvents();
    if (!self || row < 1 || row > grid.MaxRows() || col < 1 || col > grid.MaxCols())
        return;
    QCoreApplication::processEvents();
    // The list may have been reloaded meanwhile: a row that is gone chooses nothing.
    if (!self || row > grid.MaxRows())
        return;
    좌석이름1->clear();
    위치설명1->setText(QString());
    계산서프린터1->clear();
    좌석이름2->setTag(grid.GetText(1, row));
    좌석이름2->setText(grid.GetText(3, row));
    위치설명2->setText(grid.GetText(4, row));
    계산서프린터2->setText(grid.GetText(5, row));
}

void frmB좌석설정::SPR_DrawItem(int index, int col, int row, QPainter& dc, int x, int y, int x2, int y2)
{
    DrawHeaderCell(*SPR[index], col, row, dc, x, y, x2, y2, kHeaderBack);
}

// Every action ends with the program-wide table list reloaded and the button enabled again, also
// after a refusal, a message or a failed request.
void frmB좌석설정::CMD_Click(int index)
{
    if (index < 0 || index >= int(CMD.size()))
        return;
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (!guard.passed())
        return;
    switch (index) {
    case 0:
        좌석_추가();
        break;
    case 1:
        좌석_수정();
        break;
    case 2:
        좌석_삭제();
        break;
    case 3:
        openOrderWindow();
        break;
    }
    Read_좌석();
}

void frmB좌석설정::openOrderWindow()
{
    if (SPR[0]->MaxRows() < 2) {
        MsgBox(QStringLiteral("대상이 없습니다!"), MsgStyle::OkOnly);
        return;
    }
    QWidget* order = FormByName(kOrderWindow);
    FormEvents* events = FormEventsByName(kOrderWindow);
    if (!order || !events)
        return;
    QPointer<frmB좌석설정> self(this);
    events->m_FirstActivated = true;
    ShowFormModal(*order);
    if (self)
        Load_설정();
}

