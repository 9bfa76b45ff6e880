#include "requests/table_requests_window.h"

#include "core/converters.h"
#include "core/error_line.h"
#include "core/main_picture_lists.h"
#include "core/screen_values.h"
#include "core/settings.h"
#include "platform/dialog_conventions.h"
#include "platform/mdi_child.h"
#include "platform/vb_color.h"

#include <QFileInfo>
#include <QPointer>

namespace {

const QString kWindow = QStringLiteral("frmz승인_고객요청");
const QString kConfirmWindow = QStringLiteral("frmz승인_고객요청_승인");
const QString kSet = QStringLiteral("SET");
const QColor kBlue(0, 141, 238);
const QColor kGrey(128, 128, 128);
constexpr QSize kTileSize(335, 112);

QFont boldFont(const QString& family, double points)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void setTextColor(QLabel& label, const QColor& color)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, color);
    label.setPalette(palette);
}

// A view or mode as stored in section "SET": 0 when absent or outside 0..1.
int readStoredSwitch(const QString& key)
{
    const int value = ToLong(gIniFrshop.ReadValue(kSet, key, 0));
    return value < 0 || value > 1 ? 0 : value;
}

// The skin picture of that name, or a null picture when the file is missing.
QPixmap skinPicture(const QString& name)
{
    const QString path = gSkinPath + "/" + name;
    return QFileInfo::exists(path) ? QPixmap(path) : QPixmap();
}

// The look of the window's buttons: white text on blue, a 3-pixel blue inner border, rounded
// corners of that size.
void giveButtonLook(PanelButton& button, int corner)
{
    button.setFaceColor(kBlue);
    button.setTextColor(Qt::white);
    button.setFrameColor(kBlue);
    button.setFrameLine(3);
    button.setCorner(corner);
}

} // namespace

frmz승인_고객요청::frmz승인_고객요청() : QWidget(MdiClientArea())
{
    setWindowTitle(QStringLiteral("고객요청"));
    setAutoFillBackground(true);
    m_background = new QLabel(this);
    buildTiles();
    buildSwitches();
    buildPageBar();
    SPR[0] = new SpreadGrid(this);
    SPR[0]->setGeometry(1055, 0, 300, 200);
    picNotUse = new QLabel(this);
    picNotUse->setGeometry(300, 180, 406, 256);
    imgNotUse = new QLabel(picNotUse);
    imgNotUse->setGeometry(0, 0, 406, 256);
    auto* notUse = new QLabel(QStringLiteral("\"고객요청\"\n사용안함"), picNotUse);
    notUse->setGeometry(0, 60, 406, 136);
    notUse->setAlignment(Qt::AlignCenter);
    notUse->setFont(boldFont(QStringLiteral("나눔고딕"), 24));
    picNotUse->hide();
    picShadow = new QLabel(this);
    picShadow->hide();
    picWait = new WaitPicture(this);
    Timer_Refresh = new QTimer(this);
    Timer_Refresh->setInterval(15000);
    connectControls();
}

void frmz승인_고객요청::buildTiles()
{
    for (int i = 0; i < kTiles; ++i) {
        picA[i] = new PictureLabel(this, i);
        picA[i]->resize(kTileSize);
        lb시간[i] = new PictureLabel(picA[i], i);
        lb시간[i]->setGeometry(29, 5, 188, 23);
        lb시간[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        lb테이블[i] = new PictureLabel(picA[i], i);
        lb테이블[i]->setGeometry(44, 38, 130, 39);
        lb테이블[i]->setFont(boldFont(QStringLiteral("여기어때 잘난체"), 14.25));
        lb메모[i] = new PictureLabel(picA[i], i);
        lb메모[i]->setGeometry(5, 62, 325, 55);
        lb메모[i]->setFont(boldFont(QStringLiteral("나눔스퀘어_ac Bold"), 14.25));
        lb메모[i]->setAlignment(Qt::AlignCenter);
        lb메모[i]->setWordWrap(true);
        CmdTBL[i] = new PanelButton(picA[i], i);
        CmdTBL[i]->setGeometry(245, 32, 85, 30);
        CmdTBL[i]->setCaption(QStringLiteral("완 료"));
        CmdTBL[i]->setFont(boldFont(QStringLiteral("Mapo당인리발전소"), 14.25));
        CmdTBL[i]->hide();
        picA[i]->hide();
    }
}

void frmz승인_고객요청::buildSwitches()
{
    const std::array<QRect, 3> frames{QRect(5, 610, 228, 40), QRect(235, 610, 253, 40), QRect(5, 585, 727, 65)};
    for (int i : {2, 0, 1}) {   // the hint's frame lies under the two switches
        fr설정[i] = new QFrame(this);
        fr설정[i]->setGeometry(frames[i]);
    }
    lbConfirmA = new QLabel(fr설정[2]);
    lbConfirmA->setGeometry(0, 3, 715, 18);
    lbConfirmA->setAlignment(Qt::AlignCenter);
    lbConfirmA->setFont(QFont(QStringLiteral("나눔고딕"), 12));
    setTextColor(*lbConfirmA, QColor(192, 0, 0));
    const auto option = [](QFrame* frame, const QString& text, int left, int width) {
        auto* button = new QRadioButton(text, frame);
        button->setGeometry(left, 10, width, 22);
        return button;
    };
    for (int i = 0; i < 2; ++i)
        (new QLabel(i == 0 ? QStringLiteral("VIEW") : QStringLiteral("MODE"), fr설정[i]))->setGeometry(5, 10, 45, 22);
    optVIEW[0] = option(fr설정[0], QStringLiteral("요청대기"), 50, 85);
    optVIEW[1] = option(fr설정[0], QStringLiteral("요청완료"), 138, 85);
    optMODE[0] = option(fr설정[1], QStringLiteral("바로동작"), 50, 85);
    optMODE[1] = option(fr설정[1], QStringLiteral("확인창 팝업"), 138, 110);
}

void frmz승인_고객요청::buildPageBar()
{
    frLayer = new QFrame(this);
    frLayer->setGeometry(490, 610, 242, 40);
    CMD[0] = new PanelButton(frLayer, 0);
    CMD[0]->setGeometry(5, 5, 65, 30);
    CMD[0]->setCaption(QStringLiteral("◀"));
    cob페이지 = new QComboBox(frLayer);
    cob페이지->setGeometry(70, 5, 102, 30);
    CMD[1] = new PanelButton(frLayer, 1);
    CMD[1]->setGeometry(172, 5, 65, 30);
    CMD[1]->setCaption(QStringLiteral("▶"));
}

// Selecting an option or a page from code raises its handler too, as a click does.
void frmz승인_고객요청::connectControls()
{
    for (int i = 0; i < 2; ++i) {
        QObject::connect(optVIEW[i], &QRadioButton::toggled, this, [this, i](bool on) { if (on) optVIEW_Click(i); });
        QObject::connect(optMODE[i], &QRadioButton::toggled, this, [this, i](bool on) { if (on) optMODE_Click(i); });
        QObject::connect(CMD[i], &PanelButton::clicked, this, [this, i] { CMD_Click(i); });
        QObject::connect(CMD[i], &PanelButton::mouseDown, this, [this, i] { CMD_MouseDown(i); });
        QObject::connect(CMD[i], &PanelButton::mouseUp, this, [this, i] { CMD_MouseUp(i); });
    }
    QObject::connect(cob페이지, &QComboBox::currentIndexChanged, this, [this] { cob페이지_Click(); });
    for (int i = 0; i < kTiles; ++i) {
        for (PictureLabel* part : {picA[i], lb시간[i], lb테이블[i], lb메모[i]})
            QObject::connect(part, &PictureLabel::clicked, this, [this, i] { picA_Click(i); });
        QObject::connect(CmdTBL[i], &PanelButton::clicked, this, [this, i] { CmdTBL_Click(i); });
        QObject::connect(CmdTBL[i], &PanelButton::mouseDown, this, [this, i] { CmdTBL_MouseDown(i); });
        QObject::connect(CmdTBL[i], &PanelButton::mouseUp, this, [this, i] { CmdTBL_MouseUp(i); });
    }
    QObject::connect(Timer_Refresh, &QTimer::timeout, this, [this] { Timer_Refresh_Timer(); });
}

void frmz승인_고객요청::Form_Load()
{
    m_EventPrevent = true;
    Trace(kWindow, QStringLiteral("Form_Load"), QStringLiteral("Enter"));
    if (QWidget* main = FindForm(QStringLiteral("frmMainMDI")))
        setWindowIcon(main->windowIcon());
    const int pixelsX = qMax(1, gTwipsX);
    const int pixelsY = qMax(1, gTwipsY);
    setGeometry((gMDIClientW - gFormStdW) / 2 / pixelsX, (gMDIClientH - gFormStdH) / 2 / pixelsY,
                gFormStdW / pixelsX, gFormStdH / pixelsY);
    m_background->setGeometry(rect());
    Func_ReadSkin();
    m_ConfirmA_View = readStoredSwitch(QStringLiteral("ConfirmA_View"));
    m_ConfirmA_Mode = readStoredSwitch(QStringLiteral("ConfirmA_Mode"));
    optVIEW[m_ConfirmA_View]->setChecked(true);
    optMODE[m_ConfirmA_Mode]->setChecked(true);
    showHint();
    for (PanelButton* button : CMD)
        giveButtonLook(*button, 3);
    placeTiles();
    for (PanelButton* button : CmdTBL)
        giveButtonLook(*button, 5);
    m_EventPrevent = false;
}

bool frmz승인_고객요청::Func_ReadSkin()
{
    const QPixmap background = skinPicture(QStringLiteral("MDI_InnerA.gif"));
    if (!background.isNull())
        m_background->setPixmap(background);
    picWait->loadPicture(gSkinPath);
    picWait->centre();
    picShadow->setGeometry(rect());
    picShadow->hide();
    const QPixmap cover = skinPicture(QStringLiteral("QA0013.gif"));
    if (!cover.isNull())
        imgNotUse->setPixmap(cover);
    return true;
}

// Tile k = column × 5 + row: the first column from top to bottom, then the second and the third.
void frmz승인_고객요청::placeTiles()
{
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 5; ++row) {
            PictureLabel* tile = picA[column * 5 + row];
            tile->move(column * (kTileSize.width() + 4) + 4, row * (kTileSize.height() + 4) + 4);
            tile->hide();
        }
}

void frmz승인_고객요청::showHint()
{
    lbConfirmA->setText(m_ConfirmA_View == 0 ? QStringLiteral("고객요청이 제공되었으면 '완료'를 눌러 주세요.")
                                             : QStringLiteral("고객요청을 완료처리한 내역입니다."));
}

void frmz승인_고객요청::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    QPointer<frmz승인_고객요청> self(this);
    Load_고객요청();
    if (self)
        Timer_Refresh->start();
}

void frmz승인_고객요청::optVIEW_Click(int index)
{
    if (m_EventPrevent)
        return;
    m_ConfirmA_View = index;
    gIniFrshop.WriteValue(kSet, QStringLiteral("ConfirmA_View"), index);
    showHint();
    Load_고객요청();
}

void frmz승인_고객요청::optMODE_Click(int index)
{
    if (m_EventPrevent)
        return;
    m_ConfirmA_Mode = index;
    gIniFrshop.WriteValue(kSet, QStringLiteral("ConfirmA_Mode"), index);
    Load_고객요청();
}

void frmz승인_고객요청::cob페이지_Click()
{
    if (!m_EventPrevent)
        Load_고객요청_페이지();
}

void frmz승인_고객요청::clearTile(int tile)
{
    if (const MainPictureLists* lists = MainPictures())
        picA[tile]->showPicture(lists->ImgTbl, 4);
    picA[tile]->setTag(QString());
    lb시간[tile]->clear();
    lb테이블[tile]->clear();
    lb테이블[tile]->setTag(QString());
    lb메모[tile]->clear();
    CmdTBL[tile]->hide();
}

void frmz승인_고객요청::Load_고객요청_페이지()
{
    for (int tile = 0; tile < kTiles; ++tile)
        clearTile(tile);
    const int page = cob페이지->currentIndex() + 1;
    const int rows = SPR[0]->MaxRows();
    if (page >= 1 && rows >= 1) {
        const int first = (page - 1) * kTiles + 1;
        const int last = qMin(first + kTiles - 1, rows);
        for (int row = first; row <= last; ++row)
            paintRow(row - first, row);
    }
    for (PictureLabel* tile : picA)
        tile->show();
}

void frmz승인_고객요청::paintRow(int tile, int row)
{
    const SpreadGrid& grid = *SPR[0];
    picA[tile]->setTag(grid.GetText(1, row));
    lb시간[tile]->setText(grid.GetText(6, row));
    lb테이블[tile]->setText(grid.GetText(2, row));
    lb테이블[tile]->setTag(grid.GetText(3, row));
    lb메모[tile]->setText(grid.GetText(4, row));
    paintTileStyle(tile);
}

// The style of the current view and mode: completed, pending in the confirmation mode, pending in
// the direct mode.
void frmz승인_고객요청::paintTileStyle(int tile)
{
    const bool completed = m_ConfirmA_View == 1;
    const bool direct = !completed && m_ConfirmA_Mode == 0;
    const int picture = completed ? 3 : (direct ? 1 : 2);
    if (const MainPictureLists* lists = MainPictures())
        picA[tile]->showPicture(lists->ImgTbl, picture);
    setTextColor(*lb시간[tile], completed ? kGrey : QColor(Qt::black));
    setTextColor(*lb메모[tile], completed ? kGrey : QColor(Qt::black));
    setTextColor(*lb테이블[tile], completed ? kGrey : (direct ? kBlue : QColor(Qt::white)));
    lb테이블[tile]->setAlignment((direct ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
    lb테이블[tile]->setGeometry(direct ? QRect(44, 32, 130, 39) : QRect(9, 60, 130, 39));
    lb메모[tile]->setGeometry(direct ? QRect(5, 69, 325, 55) : QRect(141, 47, 185, 55));
    CmdTBL[tile]->setVisible(direct);
}

void frmz승인_고객요청::picA_Click(int index)
{
    if (m_ConfirmA_View == 1 || m_ConfirmA_Mode == 0 || picA[index]->tag().isEmpty())
        return;
    QWidget* window = FormByName(kConfirmWindow);
    auto* confirm = dynamic_cast<RequestConfirmLink*>(window);
    auto* events = dynamic_cast<FormEvents*>(window);
    if (!confirm || !events)
        return;
    m_Confirmed = false;
    events->m_FirstActivated = true;
    confirm->m_NumT = picA[index]->tag();
    confirm->m_이름 = lb테이블[index]->tag();
    confirm->m_시간 = lb시간[index]->text();
    confirm->m_테이블 = lb테이블[index]->text();
    confirm->m_메모 = lb메모[index]->text();
    QPointer<frmz승인_고객요청> self(this);
    ShowModalOverShadow(*picShadow, *window, VbRGB(100, 100, 100));
    if (self && m_Confirmed)
        Load_고객요청();
}
