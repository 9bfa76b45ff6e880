#include "callerid/call_history_window.h"

#include "core/button_guard.h"
#include "core/date_time.h"
#include "core/error_line.h"
#include "core/number_format.h"
#include "core/screen_values.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/panel_button_look.h"
#include "platform/pop_up.h"
#include "platform/send_keys.h"
#include "server/coupon_sms.h"
#include "server/main_credit_labels.h"
#include "server/message_credit.h"
#include "server/saved_messages.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>

namespace {

const QString kWindow = QStringLiteral("frmB전화수신이력B");
const QColor kBlue(0, 141, 238);
const QColor kFrameGrey(176, 176, 176);
constexpr int kCalendarButton = 3;
constexpr int kSendButton = 13;

PanelButton* button(QWidget* parent, int index, const QString& caption, const QRect& place)
{
    auto* made = new PanelButton(parent, index);
    made->setCaption(caption);
    made->setGeometry(place);
    return made;
}

QLabel* label(QWidget* parent, const QRect& place, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* made = new QLabel(parent);
    made->setGeometry(place);
    made->setAlignment(alignment);
    return made;
}

QFrame* greyFrame(QWidget* parent, const QRect& place)
{
    auto* frame = new QFrame(parent);
    frame->setGeometry(place);
    frame->setStyleSheet(QStringLiteral("border: 1px solid rgb(176,176,176); background: transparent;"));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

// The calendar button's picture: a small month sheet with its binding bar.
QPixmap calendarPicture(const QSize& size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QRect sheet(size.width() / 2 - 11, size.height() / 2 - 10, 22, 20);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(sheet);
    painter.fillRect(QRect(sheet.left(), sheet.top(), sheet.width(), 5), Qt::white);
    for (int i = 1; i <= 3; ++i)
        painter.drawLine(sheet.left() + 5 * i + 1, sheet.top() + 9, sheet.left() + 5 * i + 1, sheet.bottom() - 3);
    return picture;
}

QString countText(int part, int all)
{
    return FormatNumber(part) + "/" + FormatNumber(all);
}

} // namespace

frmB전화수신이력B::frmB전화수신이력B() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("전화 수신 이력"));
    buildControls();
}

void frmB전화수신이력B::buildControls()
{
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, 1022, 654);
    m_background->setScaledContents(true);
    lblTitle = label(this, QRect(405, 10, 505, 26));
    CMD[0] = button(this, 0, QStringLiteral("X"), QRect(962, 6, 54, 37));
    buildDayBar();
    buildList();
    buildMessagePanel();
    buildCalendarPanel();
    connectButtons();
    picShadow = new QWidget(this);
    picShadow->hide();
    picWait = new WaitPicture(this);
}

void frmB전화수신이력B::buildDayBar()
{
    CMD[1] = button(this, 1, QStringLiteral("◀"), QRect(7, 6, 64, 37));
    CMD[2] = button(this, 2, QStringLiteral("▶"), QRect(223, 6, 64, 37));
    sspDay = button(this, 0, QString(), QRect(72, 6, 150, 37));
    sspDay->setObjectName(QStringLiteral("sspDay"));
    QObject::connect(sspDay, &PanelButton::doubleClicked, this, [this] { sspDay_DblClick(); });
    CMD[kCalendarButton] = button(this, kCalendarButton, QString(), QRect(289, 6, 64, 37));
    CMD[kCalendarButton]->setPicture(calendarPicture(CMD[kCalendarButton]->size()));
}

void frmB전화수신이력B::buildList()
{
    SPR[0] = new SpreadGrid(this);
    SPR[0]->setObjectName(QStringLiteral("SPR"));
    SPR[0]->setGeometry(8, 47, 345, 550);
    SPR[0]->Click = [this](int col, int row) { SPR_Click(0, col, row); };
    SPR[0]->DrawItem = [this](int col, int row, QPainter& dc, int x, int y, int x2, int y2) {
        SPR_DrawItem(0, col, row, dc, x, y, x2, y2);
    };
    BD[0] = greyFrame(this, QRect());
    Chk전체선택 = new QCheckBox(this);
    Chk전체선택->setGeometry(52, 50, 18, 18);
    QObject::connect(Chk전체선택, &QCheckBox::clicked, this, [this] { Chk전체선택_Click(); });
    CMD[6] = button(this, 6, QStringLiteral("▲"), QRect(202, 601, 74, 45));
    CMD[7] = button(this, 7, QStringLiteral("▼"), QRect(279, 601, 74, 45));
    Picture2 = new QWidget(this);
    Picture2->setGeometry(7, 601, 192, 45);
    for (int i = 0; i < 4; ++i)
        lbInfoCID[i] = label(Picture2, QRect(4 + (i % 2) * 94, 2 + (i / 2) * 21, 90, 20));
}

void frmB전화수신이력B::buildCalendarPanel()
{
    picCalcBack = new QWidget(this);
    picCalcBack->resize(361, 346);
    picCalcBack->setAutoFillBackground(true);
    picCalcBack->hide();
    CMD[4] = button(picCalcBack, 4, QStringLiteral("◀"), QRect(5, 5, 64, 37));
    CMD[5] = button(picCalcBack, 5, QStringLiteral("▶"), QRect(292, 5, 64, 37));
    sspMonth = button(picCalcBack, 0, QString(), QRect(72, 5, 217, 37));
    QObject::connect(sspMonth, &PanelButton::clicked, this, [this] { sspMonth_Click(); });
    sprCAL = new SpreadGrid(picCalcBack);
    sprCAL->setObjectName(QStringLiteral("sprCAL"));
    sprCAL->setGeometry(5, 47, 351, 294);
    sprCAL->Click = [this](int col, int row) { sprCAL_Click(col, row); };
    picCalBorder = new QWidget(picCalcBack);
    picCalBorder->setAutoFillBackground(true);
    QPalette palette = picCalBorder->palette();
    palette.setColor(QPalette::Window, QColor(255, 0, 0));
    picCalBorder->setPalette(palette);
    picCalBorder->setAttribute(Qt::WA_TransparentForMouseEvents);
    picCalBorder->hide();
}

void frmB전화수신이력B::buildMessagePanel()
{
    picSmsBack = new QLabel(this);
    picSmsBack->setGeometry(360, 45, 656, 601);
    picSmsBack->setScaledContents(true);
    for (int i = 0; i < 4; ++i) {
        opt문자[i] = new QRadioButton(QStringLiteral("문자\n%1").arg(i + 1), picSmsBack);
        opt문자[i]->setGeometry(15, 20 + 135 * i, 56, 59);
        CMD[8 + i] = button(picSmsBack, 8 + i, QStringLiteral("저 장"), QRect(15, 95 + 135 * i, 52, 35));
        txt문자[i] = new CrLfTextBox(picSmsBack);
        txt문자[i]->setObjectName(QStringLiteral("txt문자%1").arg(i + 1));
        txt문자[i]->setGeometry(70, 10 + 135 * i, 264, 129);
        txt문자[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        BE[i] = greyFrame(picSmsBack, QRect(10, 10 + 135 * i, 325, 130));
    }
    CMD[12] = button(picSmsBack, 12, QStringLiteral("적용하기"), QRect(10, 552, 322, 40));
    txt보낼문자 = new CrLfTextBox(picSmsBack);
    txt보낼문자->setObjectName(QStringLiteral("txt보낼문자"));
    txt보낼문자->setGeometry(361, 89, 269, 435);
    txt보낼문자->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txt보낼문자->setStyleSheet(QStringLiteral("QPlainTextEdit { background: rgb(255,242,204); }"));
    QObject::connect(txt보낼문자, &QPlainTextEdit::textChanged, this, [this] { txt보낼문자_Change(); });
    전송건수 = label(picSmsBack, QRect(475, 20, 147, 21), Qt::AlignRight | Qt::AlignVCenter);
    글자크기 = label(picSmsBack, QRect(350, 54, 97, 21));
    전송가능건수 = label(picSmsBack, QRect(425, 54, 212, 21), Qt::AlignRight | Qt::AlignVCenter);
    CMD[kSendButton] = button(picSmsBack, kSendButton, QStringLiteral("전    송"), QRect(400, 542, 192, 40));
}

void frmB전화수신이력B::connectButtons()
{
    for (PanelButton* each : CMD) {
        QObject::connect(each, &PanelButton::clicked, this, [this, each] { CMD_Click(each->index()); });
        QObject::connect(each, &PanelButton::doubleClicked, this, [this, each] { CMD_DblClick(each->index()); });
    }
}

void frmB전화수신이력B::Form_Load()
{
    Trace(kWindow, QStringLiteral("Form_Load"), QStringLiteral("Enter"));
    resize(gFormStdW / gTwipsX, gFormStdH / gTwipsY);
    CenterOnMainWindow(*this, 10);
    Func_ReadSkin();
    lblTitle->setText(QStringLiteral("전화 수신 이력"));
    const SavedMessages texts = ReadSavedMessages();
    for (int i = 0; i < 4; ++i)
        txt문자[i]->setText(texts[i]);
    opt문자[0]->setChecked(true);
    글자크기->setText(QStringLiteral("- SMS"));
    전송가능건수->setText(QStringLiteral("/"));
    전송건수->setText(QStringLiteral("/"));
    QPointer<frmB전화수신이력B> self(this);
    const int credit = VMR_남은문자();
    if (!self)
        return;
    showCredit(credit);
    giveButtonLooks();
    BD[0]->setGeometry(SPR[0]->geometry().adjusted(-1, -1, 1, 1));
    BD[0]->raise();
    Chk전체선택->raise();
    const QRect calendarButton = CMD[kCalendarButton]->geometry();
    picCalcBack->move(calendarButton.right() + 2, calendarButton.top());
    picCalcBack->hide();
    for (QLabel* info : lbInfoCID)
        info->clear();
    EnterMovesFocus(*this);
}

void frmB전화수신이력B::giveButtonLooks()
{
    for (PanelButton* each : CMD) {
        if (each->index() == kCalendarButton)
            GivePressLook(*each, {QColor(172, 221, 255), Qt::white}, {Qt::white, kBlue}, kBlue);
        else if (each->index() == kSendButton)
            GivePressLook(*each, {QColor(240, 240, 240), Qt::black}, {kBlue, Qt::white}, QColor(240, 240, 240));
        else
            GiveSwappingLook(*each, kBlue);
    }
}

void frmB전화수신이력B::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    sspDay_DblClick();
}

void frmB전화수신이력B::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    UnloadForm(FormName());
}

QDate frmB전화수신이력B::shownDay() const
{
    return QDate::fromString(sspDay->tag(), QStringLiteral("yyyy-MM-dd"));
}

void frmB전화수신이력B::showDay(const QDate& day)
{
    sspDay->setTag(day.toString(QStringLiteral("yyyy-MM-dd")));
    sspDay->setCaption(day.toString(QStringLiteral("yy.MM.dd")) + " (" + GetWeekdayKor(day) + ")");
}

// Today, and its calls: the label alone would name a day the list does not show.
void frmB전화수신이력B::sspDay_DblClick()
{
    showDay(CurrentClock().now().date());
    Load_CID(shownDay(), false);
}

void frmB전화수신이력B::stepDay(int days)
{
    showDay(shownDay().addDays(days));
    Load_CID(shownDay(), false);
}

void frmB전화수신이력B::showCredit(int credit)
{
    전송가능건수->setText(countText(credit / 20, credit / 45));
    WriteMainCreditLabels(credit);
}

void frmB전화수신이력B::txt보낼문자_Change()
{
    글자크기->setText(MessageSizeCaption(LenMbcs(txt보낼문자->text())));
}

void frmB전화수신이력B::CMD_Click(int index)
{
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (!guard.passed())
        return;
    switch (index) {
    case 0:
        guard.release();
        UnloadForm(FormName());
        break;
    case 1:
    case 2:
        stepDay(index == 1 ? -1 : 1);
        break;
    case kCalendarButton:
        picCalcBack->raise();
        picCalcBack->setVisible(!picCalcBack->isVisible());
        CalcDraw(shownDay());
        break;
    case 4:
    case 5:
        CalcDraw(QDate::fromString(sprCAL->Tag(), QStringLiteral("yyyy-MM-dd")).addMonths(index == 4 ? -1 : 1));
        break;
    case 6:
    case 7:
        stepRow(index);
        break;
    case 8:
    case 9:
    case 10:
    case 11:
        saveTemplate(index - 7);
        break;
    case 12:
        applyTemplate();
        break;
    case kSendButton:
        Send_문자();
        break;
    default:
        break;
    }
}

void frmB전화수신이력B::CMD_DblClick(int index)
{
    if ((index >= 1 && index <= 2) || (index >= 4 && index <= 7))
        CMD_Click(index);
}

void frmB전화수신이력B::saveTemplate(int number)
{
    if (!WriteSavedMessage(number, txt문자[number - 1]->text())) {
        LogError(kWindow, QStringLiteral("CMD_Click"), 3, 75, QStringLiteral("Path/File access error"));
        return;
    }
    MsgBox(QStringLiteral("저장되었습니다."), MsgStyle::OkOnly);
}

void frmB전화수신이력B::applyTemplate()
{
    for (int i = 0; i < 4; ++i) {
        if (opt문자[i]->isChecked()) {
            txt보낼문자->setText(txt문자[i]->text());
            return;
        }
    }
}
