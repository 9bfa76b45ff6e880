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
const QColor kButtonBlue(0, 141, 238);
const QColor kButtonSteel(79, 129, 189);
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
        const bool steel = button->index() == 18 || button->index() == 19;
        const QColor blue = steel ? kButtonSteel : kButtonBlue;
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
    txtS[0]->setPlaceholderColor(QColor(224, 224, 224));
    txtS[0]->showPlaceholder(QStringLiteral("번호를 입력하세요"));
    for (PlaceholderBox* box : txtS) {
        setColors(*box, Qt::white, QColor(224, 224, 224));
        box->setText(box->toolTip());
    }
    txtA[0]->showPlaceholder(QStringLiteral("이름 입력하세요"));
    setColors(*txtA[0], kPanelBack, kGreyText);
    txtA[1]->showPlaceholder(QStringLiteral("휴대번호 입력"));
    setColors(*txtA[1], kPanelBack, QColor(37, 103, 182));
    for (PlaceholderBox* box : txtA) {
        box->setPlaceholderColor(kGreyText);
        box->setFilledColor(kGreyText);
        box->setFrame(false);
    }
    txtA2[0]->setToolTip(QStringLiteral("요청사항 입력하세요"));
    txtA2[0]->setText(txtA2[0]->toolTip());
    setColors(*txtA2[0], kPanelBack, QColor(0, 112, 192));
    txtA2[0]->setFrameShape(QFrame::NoFrame);
    QPalette mark = picA[0]->palette();
    mark.setColor(QPalette::Window, kPanelBack);
    picA[0]->setPalette(mark);
    picFrame[0]->hide();
    picFrame[1]->hide();
    picFrame[0]->show();
    return true;
}

// The member panel's searches, the booking list and the call list come with their own parts.
bool frmB예약관리::회원검색A(bool)
{
    return false;
}

bool frmB예약관리::회원정보A_Clear(bool)
{
    return false;
}

bool frmB예약관리::회원정보A_NumT(const QString&)
{
    return false;
}

bool frmB예약관리::회원정보A_Save()
{
    return false;
}

bool frmB예약관리::준회원등록B()
{
    return false;
}

bool frmB예약관리::회원정보_Load_PhoneT(const QString&)
{
    return false;
}

bool frmB예약관리::예약_검색(bool)
{
    return false;
}

bool frmB예약관리::Load_CID(const QDate&, bool)
{
    return false;
}
