#include "board/board_window.h"

#include "board/board_globals.h"
#include "core/converters.h"
#include "core/error_line.h"
#include "core/main_picture_lists.h"
#include "core/screen_values.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "platform/mdi_child.h"
#include "platform/vb_color.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {

const QString kWindow = QStringLiteral("frmB예약관리");
const QColor kBoardBack(238, 240, 244);
const QColor kGreyText(122, 122, 122);
const QColor kPanelBack(242, 242, 242);

void setColors(QWidget& box, const QColor& back, const QColor& text)
{
    QPalette palette = box.palette();
    if (back.isValid())
        palette.setColor(QPalette::Base, back);
    if (text.isValid())
        palette.setColor(QPalette::Text, text);
    box.setPalette(palette);
}

// The timetable scale as stored: a whole number, or nothing usable.
bool readScaleKind(int& kind)
{
    const QString text = Trim(gIniFrshop.ReadValue(QStringLiteral("SET"), QStringLiteral("SchScaleKind"), 1).toString());
    if (text.isEmpty() || !IsNumber(text))
        return false;
    kind = ToLong(text);
    return true;
}

} // namespace

frmB예약관리::frmB예약관리() : QWidget(MdiClientArea())
{
    setWindowTitle(QStringLiteral("예약관리"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBoardBack);
    setPalette(palette);
    setFont(QFont(QStringLiteral("나눔고딕"), 9));
    setMouseTracking(true);
    buildControls();
    m_panel = std::make_unique<BoardMemberPanel>(BoardMemberControls{
        this, txtS[0], {txtA[0], txtA[1]}, txtA2[0], picA[0], CMD[20], lb직전예약, lb총예약수, lb총예약인원, lb예약취소,
        lb노쇼, SPR[2], SPR[3], {picFrame[0], picFrame[1], picFrame[2]}, picWait, &ImgBtn});
    connectControls();
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void frmB예약관리::Form_Load()
{
    m_EventPrevent = true;
    Trace(kWindow, QStringLiteral("Form_Load"), QStringLiteral("Enter"));
    if (QWidget* main = FindForm(QStringLiteral("frmMainMDI")))
        setWindowIcon(main->windowIcon());
    // The client area's size, centred in it.
    setGeometry(0, 0, gMDIClientW / qMax(1, gTwipsX), gMDIClientH / qMax(1, gTwipsY));
    Func_ReadSkin();
    if (!readScaleKind(gSchScaleKind)) {
        gSchScaleKind = 1;
        LogError(kWindow, QStringLiteral("Form_Load"), 6, 13, QStringLiteral("Type mismatch"));
    }
    Form_Resize();
    prepareButtons();
    fillBookColors();
    lb건수->clear();
    입력란_초기화();
    picDummy->hide();
    Close->start();
    m_EventPrevent = false;
}

void frmB예약관리::prepareButtons()
{
    const MainPictureLists* main = MainPictures();
    for (PanelButton* button : CMD) {
        const QColor blue = buttonColor(button->index());
        if (button->index() == 9) {
            button->setCaption(QString());
            button->setFrameLine(0);
            if (main)
                button->setPicture(main->ImgBtn.Item(1));
        } else {
            button->setTextColor(Qt::white);
            button->setFaceColor(blue);
            button->setFrameLine(3);
        }
        button->setFrameColor(blue);
        button->setCorner(3);
    }
    for (PictureLabel* header : lblCMD)
        header->setFrameShape(QFrame::NoFrame);
}

void frmB예약관리::fillBookColors()
{
    mBookColor = {VbRGB(255, 243, 215), VbRGB(255, 215, 253), VbRGB(204, 153, 255), VbRGB(68, 200, 245),
                  VbRGB(102, 255, 153), VbRGB(242, 199, 83),  VbRGB(153, 204, 255), VbRGB(102, 255, 255),
                  VbRGB(215, 255, 222), VbRGB(255, 204, 153), VbRGB(198, 218, 211), VbRGB(215, 189, 179),
                  VbRGB(150, 213, 210), VbRGB(244, 239, 134), VbRGB(197, 222, 146)};
}

void frmB예약관리::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    const QDateTime now = CurrentClock().now();
    currDate = now.date();
    currTimeT = now.toString(QStringLiteral("HH:mm"));
    sprCAL->SetTag(currDate.toString(QStringLiteral("yyyy-MM-dd")));
    날짜라벨_표시(sprCAL->Tag());
    mListDay[0] = currDate;
    mListDay[1] = mListDay[0];
    QPointer<frmB예약관리> self(this);
    CalcDraw(currDate);
    Load_CID(currDate, false);
    if (!self)
        return;
    예약_검색(false);
    if (!self)
        return;
    시간대_리스트_토글(2);
    QCoreApplication::processEvents();
    if (!self)
        return;
    txtS[0]->setFocus();
}

// Enter in the booking search box searches every day; Enter in the member search box searches
// members. The key goes on to the control afterwards.
void frmB예약관리::Form_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    QWidget* active = QApplication::focusWidget();
    if (!active)
        return;
    if (active == txt검색)
        예약_검색(true);
    else if (active == txtS[0])
        회원검색A(false);
}

bool frmB예약관리::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watched == QApplication::focusWidget())
            Form_KeyPress(13);
    }
    return QWidget::eventFilter(watched, event);
}

void frmB예약관리::mouseMoveEvent(QMouseEvent* event)
{
    if (picDummy->isVisible())
        picDummy->hide();
    QWidget::mouseMoveEvent(event);
}

void frmB예약관리::connectControls()
{
    for (int i = 0; i < 2; ++i) {
        QObject::connect(txtA[i], &PlaceholderBox::gotFocus, this, [this, i] { txtA_GotFocus(i); });
        QObject::connect(txtA[i], &PlaceholderBox::lostFocus, this, [this, i] { txtA_LostFocus(i); });
    }
    QObject::connect(txtA2[0], &CrLfTextBox::gotFocus, this, [this] { txtA2_GotFocus(0); });
    QObject::connect(txtA2[0], &CrLfTextBox::lostFocus, this, [this] { txtA2_LostFocus(0); });
    QObject::connect(picA[0], &PictureLabel::clicked, this, [this] { picA_Click(0); });
    QObject::connect(imgCMD, &PictureLabel::clicked, this, [this] { imgCMD_Click(); });
    QObject::connect(sspMonth, &PictureLabel::clicked, this, [this] { sspMonth_Click(); });
    sprCAL->Click = [this](int col, int row) { sprCAL_Click(col, row); };
    for (PanelButton* button : CMD) {
        const int i = button->index();
        QObject::connect(button, &PanelButton::clicked, this, [this, i] { CMD_Click(i); });
        QObject::connect(button, &PanelButton::doubleClicked, this, [this, i] { CMD_DblClick(i); });
        QObject::connect(button, &PanelButton::mouseDown, this, [this, i] { CMD_MouseDown(i); });
        QObject::connect(button, &PanelButton::mouseUp, this, [this, i] { CMD_MouseUp(i); });
    }
    for (PictureLabel* area : lblCMD) {
        const int i = area->index();
        QObject::connect(area, &PictureLabel::clicked, this, [this, i] { lblCMD_Click(i); });
    }
    for (int i = 0; i < 4; ++i) {
        SPR[i]->Click = [this, i](int col, int row) { SPR_Click(i, col, row); };
        SPR[i]->DrawItem = [this, i](int col, int row, QPainter& dc, int x, int y, int x2, int y2) {
            SPR_DrawItem(i, col, row, dc, x, y, x2, y2);
        };
    }
    SpreadGrid& graph = *sprGraph[0];
    graph.Click = [this](int col, int row) { sprGraph_Click(col, row); };
    graph.MouseMove = [this](int button, int shift, int x, int y) { sprGraph_MouseMove(button, shift, x, y); };
    graph.TextTipFetch = [this](int col, int row, int& multiLine, int& tipWidth, QString& tipText, bool& showTip) {
        sprGraph_TextTipFetch(col, row, multiLine, tipWidth, tipText, showTip);
    };
    QObject::connect(Close, &QTimer::timeout, this, [this] { Close_Timer(); });
    QObject::connect(Blink, &QTimer::timeout, this, [this] { Blink_Timer(); });
}

// Name and phone boxes: black text and the focused look while they have the focus; the phone box
// of a found member (locked) is grey behind, an editable one pale yellow.
void frmB예약관리::txtA_GotFocus(int index)
{
    PlaceholderBox& box = *txtA[index];
    QColor back;
    if (index == 1)
        back = box.isReadOnly() ? QColor(224, 224, 224) : QColor(255, 255, 192);
    setColors(box, back, Qt::black);
    box.setFrame(true);
    box.raise();
}

void frmB예약관리::txtA_LostFocus(int index)
{
    PlaceholderBox& box = *txtA[index];
    QColor text = kGreyText;
    if (index == 1 && box.isReadOnly())
        text = QColor(37, 103, 182);
    setColors(box, index == 1 ? kPanelBack : QColor(), text);
    box.setFrame(false);
    box.raise();
}

void frmB예약관리::txtA2_GotFocus(int index)
{
    CrLfTextBox& box = *txtA2[index];
    if (box.text() == box.toolTip())
        box.setText(QString());
    setColors(box, QColor(255, 255, 192), Qt::black);
    box.setFrameShape(QFrame::Box);
}

void frmB예약관리::txtA2_LostFocus(int index)
{
    CrLfTextBox& box = *txtA2[index];
    if (box.text().isEmpty())
        box.setText(box.toolTip());
    setColors(box, kPanelBack, QColor(0, 112, 192));
    box.setFrameShape(QFrame::NoFrame);
}

// The caution mark flips between "N" (picture 1) and "Y" (picture 2).
void frmB예약관리::picA_Click(int index)
{
    if (index != 0)
        return;
    PictureLabel& mark = *picA[0];
    mark.setTag(mark.tag() == QStringLiteral("N") ? QStringLiteral("Y") : QStringLiteral("N"));
    mark.showPicture(ImgBtn, mark.tag() == QStringLiteral("N") ? 1 : 2);
}

bool frmB예약관리::입력란_초기화()
{
    return m_panel->입력란_초기화();
}

bool frmB예약관리::회원검색A(bool bAll)
{
    return m_panel->회원검색A(bAll);
}

bool frmB예약관리::회원정보A_Clear(bool bKeepCounters)
{
    return m_panel->회원정보A_Clear(bKeepCounters);
}

bool frmB예약관리::회원정보A_NumT(const QString& numt)
{
    return m_panel->회원정보A_NumT(numt);
}

bool frmB예약관리::회원정보A_Save()
{
    return m_panel->회원정보A_Save();
}

bool frmB예약관리::준회원등록B()
{
    return m_panel->준회원등록B();
}

bool frmB예약관리::회원정보_Load_PhoneT(const QString& phone)
{
    return m_panel->회원정보_Load_PhoneT(phone);
}
