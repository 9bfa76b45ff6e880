#include "booking/entry_window.h"

#include "core/button_guard.h"
#include "core/converters.h"
#include "core/date_time.h"
#include "core/error_line.h"
#include "core/file_exists.h"
#include "core/screen_values.h"
#include "core/skin_pictures.h"
#include "customer/member_grids.h"
#include "platform/combo_display.h"
#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/placeholder_box.h"
#include "platform/send_keys.h"
#include "platform/spread_grid.h"
#include "platform/widget_look.h"
#include "platform/window_effects.h"
#include "server/server_globals.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>

namespace {

const QString kWindow = QStringLiteral("frmB예약_등록B");
const QColor kPanelGrey(242, 242, 242);
const QColor kPlaceholderGrey(224, 224, 224);

void setItems(QComboBox& combo, const QStringList& items)
{
    QStringList current;
    for (int i = 0; i < combo.count(); ++i)
        current.append(combo.itemText(i));
    if (current == items)
        return;
    combo.clear();
    combo.addItems(items);
}

const QStringList kMinuteItems{QStringLiteral("00분"), QStringLiteral("10분"), QStringLiteral("20분"),
                               QStringLiteral("30분"), QStringLiteral("40분"), QStringLiteral("50분")};

QStringList hourItems(int first, int last)
{
    QStringList items;
    for (int h = first; h <= last; ++h)
        items.append(ZeroPad(QString::number(h), 2) + QStringLiteral("시"));
    return items;
}

} // namespace

frmB예약_등록B::frmB예약_등록B() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("예약 등록"));
    buildControls();
    QObject::connect(lblTerminate, &PictureLabel::clicked, this, [this] { lblTerminate_Click(); });
    QObject::connect(lblCMD, &PictureLabel::clicked, this, [this] { lblCMD_Click(); });
    QObject::connect(picA[0], &PictureLabel::clicked, this, [this] { picA_Click(); });
    for (PanelButton* b : CMD2)
        QObject::connect(b, &PanelButton::clicked, this, [this, b] { CMD2_Click(b->index()); });
    for (PanelButton* b : CMD)
        QObject::connect(b, &PanelButton::clicked, this, [this, b] { CMD_Click(b->index()); });
    for (PanelButton* b : CMD3)
        QObject::connect(b, &PanelButton::clicked, this, [this, b] { CMD3_Click(b->index()); });
    connectButtonLooks();
    connectInputs();
    qApp->installEventFilter(this);
}

void frmB예약_등록B::Form_Load()
{
    Trace(kWindow, QStringLiteral("Form_Load"), QStringLiteral("Enter"));
    m_EventPrevent = true;
    placeWindow();
    FormRound(*this, 11);
    Func_ReadSkin();
    txt인원_총인원Box->setGeometry(150, 2, 55, 32);
    txt인원_총인원Box->setFrame(true);
    txt인원_총인원Box->setReadOnly(false);
    if (FileExists(gSkinPath + "/02001.gif"))
        pic총인원->setPixmap(QPixmap(gSkinPath + "/02001.gif"));
    m_CurBkNumT = m_BkNumT;

    txtS[0]->setToolTip(QStringLiteral("번호를 입력하세요"));
    for (PlaceholderBox* box : txtS) {
        SetBackColor(*box, Qt::white);
        box->showPlaceholder(box->toolTip());
    }
    for (int i = 0; i < 2; ++i) {
        txtA[i]->clear();
        SetBackColor(*txtA[i], kPanelGrey);
        const QColor color = i == 0 ? QColor(122, 122, 122) : QColor(37, 103, 182);
        txtA[i]->setTextColor(color);
        txtA[i]->setPlaceholderColor(color);
    }
    txtA2[0]->setText(QString());
    SetBackColor(*txtA2[0], kPanelGrey);
    SetForeColor(*txtA2[0], QColor(0, 112, 192));
    SetBackColor(*picA[0], kPanelGrey);

    placePanels();
    for (int i = 0; i < int(txtB.size()); ++i) {
        txtB[i]->setToolTip(kMemberPanelBPlaceholders[i]);
        SetBackColor(*txtB[i], Qt::white);
        txtB[i]->setTextColor(kPlaceholderGrey);
    }
    txtB2[0]->setToolTip(kMemberMemoPlaceholder);
    SetBackColor(*txtB2[0], Qt::white);
    SetForeColor(*txtB2[0], kPlaceholderGrey);
    setModeCaption();
    picFrame[3]->setGeometry(picFrame[4]->geometry());
    picFrame[3]->setMask(picFrame[4]->mask());
    picFrame[3]->hide();

    for (QLabel* party : {pic총인원, pic남여, pic대소}) {
        party->move(103, 83);
        party->hide();
    }
    for (QLineEdit* box : {txt인원_총인원Box, txt인원_남성Box, txt인원_여성Box, txt인원_대인Box, txt인원_소인Box, txt모임명Box}) {
        box->setEnabled(true);
        SetBackColor(*box, Qt::white);
    }
    for (int i = 0; i < int(txtC.size()); ++i) {
        txtC[i]->setToolTip(kCarPlaceholders[i]);
        SetBackColor(*txtC[i], Qt::white);
        txtC[i]->setTextColor(kPlaceholderGrey);
    }
    fillSettingLists();
    giveButtonsTheirLook();
}

void frmB예약_등록B::placeWindow()
{
    resize(740, 690);
    if (const QWidget* main = FindForm(QStringLiteral("frmMainMDI"))) {
        const QRect m = main->geometry();
        move(m.left() + (m.width() - width()) / 2, m.top() + (m.height() - height()) / 2 + 10);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

bool frmB예약_등록B::Func_ReadSkin()
{
    int step = 1;
    try {
        const QString wait = gSkinPath + "/0106.gif";
        if (FileExists(wait))
            imgWait->setPixmap(LoadSkinPicture(wait));
        step = 2;
        picWait->move((width() - picWait->width()) / 2, (height() - picWait->height()) / 2);
        picWait->hide();
        step = 3;
        FillSkinList(ImgBtn, gSkinPath, NumberedSkinNames(QStringLiteral("btnD"), 4));
        step = 4;
        LayoutMemberListGrid(*SPR[0]);
        step = 5;
        LayoutHistoryGrid(*SPR[1]);
    } catch (const SkinError& e) {
        LogError(kWindow, QStringLiteral("Func_ReadSkin"), step, e.number, e.description);
        return false;
    }
    return true;
}

// The table, hour and staff lists and the party panel follow the shop's current settings at every
// opening; a list whose items did not change keeps its choice.
void frmB예약_등록B::fillSettingLists()
{
    fillLists();
    for (int i = 0; i < int(CMD3.size()); ++i)
        CMD3[i]->setCaption(i < gStaff.size() ? gStaff[i] : QString());
    showPartyPanel(gPersonType);
}

// The table, hour and minute lists without the items a loaded reservation added to them.
void frmB예약_등록B::fillLists()
{
    QStringList tables{QString()};
    for (const SeatRecord& seat : gSeat)
        tables.append(seat.name);
    for (QComboBox* combo : cob좌석Box) {
        setItems(*combo, tables);
        ComboDisplayNo2(*this, *combo, 25);
    }
    setItems(*예약시Box, hourItems(gSchHour[0], gSchHour[1] - 1));
    setItems(*종료시Box, hourItems(gSchHour[0], gSchHour[1]));
    ComboDisplayNo2(*this, *예약시Box, 25);
    ComboDisplayNo2(*this, *종료시Box, 25);
    for (QComboBox* minutes : {예약분Box, 종료분Box})
        setItems(*minutes, kMinuteItems);
}

void frmB예약_등록B::showPartyPanel(const QString& scheme)
{
    m_PartyScheme = scheme;
    pic총인원->setVisible(scheme == QStringLiteral("0"));
    pic남여->setVisible(scheme == QStringLiteral("1"));
    pic대소->setVisible(scheme == QStringLiteral("2"));
}

void frmB예약_등록B::setModeCaption()
{
    if (m_ModeA == 0)
        lbl예약모드->setText(QStringLiteral("예약등록"));
    else if (m_ModeA == 1)
        lbl예약모드->setText(QStringLiteral("예약수정"));
}

// A search that turns the window into a new reservation shows it in the caption.
void frmB예약_등록B::SetEntryMode(int mode)
{
    m_ModeA = mode;
    setModeCaption();
}

bool frmB예약_등록B::화면_초기화()
{
    m_CurBkNumT = m_BkNumT;
    setModeCaption();
    회원정보AB_Clear();
    for (QLineEdit* box : partyBoxes()) {
        box->clear();
        SetWidgetTag(*box, QString());
    }
    fillSettingLists();
    for (int i = 0; i < int(cob좌석Box.size()); ++i) {
        cob좌석Box[i]->setCurrentIndex(0);
        txt인원Box[i]->clear();
    }
    for (QLineEdit* box : {txt성함Box, txt모임명Box, txt매니저명}) {
        box->clear();
        SetWidgetTag(*box, QString());
    }
    txt요청사항Box->setText(QString());
    txt요청사항Box->setTag(QString());
    picFrame[0]->show();
    for (int i = 0; i < int(picFrame.size()); ++i)
        picFrame[i]->setVisible(i == 0);
    for (SpreadGrid* grid : SPR)
        grid->SetMaxRows(0);
    CMD[4]->setEnabled(true);
    return true;
}

void frmB예약_등록B::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    QPointer<frmB예약_등록B> self(this);
    화면_초기화();
    const int mode = m_ModeA;
    if (mode == 1 || mode == 3 || (mode == 0 && !m_CustPhoneT.isEmpty())) {
        txtS[0]->setText(m_CustPhoneT);
        m_SearchOpensReservation = true;
        회원검색A(false);
        if (!self)
            return;
        m_SearchOpensReservation = false;
        if (mode == 3)
            OpenMemberPanelB();
    }
    QCoreApplication::processEvents();
    if (!self)
        return;
    focusAfterOpening();
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("End"));
    m_EventPrevent = false;
}

void frmB예약_등록B::focusAfterOpening()
{
    if (IsBlankOrPlaceholder(*txtA[0])) {
        txtS[0]->setFocus();
        return;
    }
    if (!pic총인원->isHidden())
        txt인원_총인원Box->setFocus();
    else if (!pic남여->isHidden())
        txt인원_남성Box->setFocus();
    else
        txt인원_대인Box->setFocus();
}

void frmB예약_등록B::OpenMemberPanelB()
{
    lbl회원모드->setText(QStringLiteral("회원수정"));
    CMD[1]->show();
    picFrame[3]->hide();
    picFrame[4]->show();
}

void frmB예약_등록B::lblCMD_Click()
{
    if (IsNewMember())
        return;
    lbl회원모드->setText(QStringLiteral("회원수정"));
    CMD[1]->show();
    const bool reservationShown = !picFrame[3]->isHidden();
    picFrame[3]->setVisible(!reservationShown);
    picFrame[4]->setVisible(reservationShown);
}

void frmB예약_등록B::picA_Click()
{
    const bool on = picA[0]->tag() == QStringLiteral("N");
    picA[0]->setTag(on ? QStringLiteral("Y") : QStringLiteral("N"));
    picA[0]->showPicture(ImgBtn, on ? 2 : 1);
}

void frmB예약_등록B::CMD2_Click(int index)
{
    ButtonGuard guard(CMD2[index], QStringLiteral("CMD2"), index);
    if (!guard.passed())
        return;
    if (index == 0)
        회원검색A(false);
    else if (index == 1 || index == 2)
        cancelOrNoShow(guard, index == 1);
    else if (index == 3)
        OpenMemberPanelB();
}

void frmB예약_등록B::SPR_Click(int index, int col, int row)
{
    if (index < 0 || index > 1)
        return;
    const SpreadGrid& grid = *SPR[index];
    if (row < 1 || row > grid.MaxRows() || col < 1 || col > grid.MaxCols())
        return;
    QPointer<frmB예약_등록B> self(this);
    QCoreApplication::processEvents();
    if (!self)
        return;
    if (index == 0)
        MemberRowClicked(row);
    else
        history_Click(row);
}

void frmB예약_등록B::lblTerminate_Click()
{
    QPointer<frmB예약_등록B> self(this);
    Delay(100);
    if (self)
        hide();
}

// The Enter key: the search box searches and leaves the focus where the search put it, the memo
// boxes of the member keep it, Ctrl+Enter breaks the line of the request box, the last box of
// member panel B wraps to the first, every other control moves on.
bool frmB예약_등록B::Form_KeyPress(QWidget* focused, Qt::KeyboardModifiers modifiers)
{
    if (focused == txtS[0]) {
        회원검색A(false);
        return true;
    }
    if (focused == txtA2[0] || focused == txtB2[0])
        return false;
    if (focused == txt요청사항Box && modifiers.testFlag(Qt::ControlModifier))
        return false;
    if (focused == txtB[7]) {
        QPointer<frmB예약_등록B> self(this);
        QCoreApplication::processEvents();
        if (self)
            txtB[0]->setFocus();
        return true;
    }
    SendKeysWS(QStringLiteral("{TAB}"), false);
    QCoreApplication::processEvents();
    return true;
}

bool frmB예약_등록B::eventFilter(QObject* watched, QEvent* event)
{
    if (digitKeyPress(watched, event))
        return true;
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || widget->window() != this)
        return false;
    return Form_KeyPress(widget, key->modifiers());
}

void frmB예약_등록B::mousePressEvent(QMouseEvent* event)
{
    m_drag.press(*this, event->globalPosition().toPoint());
}

void frmB예약_등록B::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.move(event->globalPosition().toPoint());
}

void frmB예약_등록B::mouseReleaseEvent(QMouseEvent*)
{
    m_drag.release();
}


QDate frmB예약_등록B::예약일() const { return 예약일Box->date(); }
QDate frmB예약_등록B::종료일() const { return 종료일Box->date(); }
QString frmB예약_등록B::예약시() const { return 예약시Box->currentText(); }
QString frmB예약_등록B::예약분() const { return 예약분Box->currentText(); }
QString frmB예약_등록B::종료시() const { return 종료시Box->currentText(); }
QString frmB예약_등록B::종료분() const { return 종료분Box->currentText(); }
QString frmB예약_등록B::txt성함() const { return txt성함Box->text(); }
QString frmB예약_등록B::txt모임명() const { return txt모임명Box->text(); }
QString frmB예약_등록B::txt요청사항() const { return txt요청사항Box->text(); }
int frmB예약_등록B::cob좌석Count() const { return int(cob좌석Box.size()); }
QString frmB예약_등록B::cob좌석(int index) const { return cob좌석Box[index]->currentText(); }
QString frmB예약_등록B::txt인원(int index) const { return txt인원Box[index]->text(); }
QString frmB예약_등록B::txt인원_총인원() const { return txt인원_총인원Box->text(); }
QString frmB예약_등록B::txt인원_남성() const { return txt인원_남성Box->text(); }
QString frmB예약_등록B::txt인원_여성() const { return txt인원_여성Box->text(); }
QString frmB예약_등록B::txt인원_대인() const { return txt인원_대인Box->text(); }
QString frmB예약_등록B::txt인원_소인() const { return txt인원_소인Box->text(); }
QString frmB예약_등록B::partyScheme() const { return m_PartyScheme; }
