#include "config/reservation_settings_window.h"

#include "core/button_guard.h"
#include "core/converters.h"
#include "core/error_line.h"
#include "core/file_exists.h"
#include "core/screen_values.h"
#include "messaging/canned_phrases_window.h"
#include "platform/dialog_conventions.h"
#include "platform/mdi_child.h"
#include "platform/panel_button_look.h"
#include "platform/send_keys.h"
#include "server/reservation_settings_loader.h"
#include "server/staff_loader.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QPointer>
#include <QRegularExpressionValidator>

namespace {

const QString kWindow = QStringLiteral("frmB설정");
const QColor kBlue(0, 141, 238);
const QString kTitleFont = QStringLiteral("나눔고딕 ExtraBold");

QLabel* label(QWidget* parent, const QString& text, const QRect& place, const QColor& colour = Qt::black)
{
    auto* caption = new QLabel(text, parent);
    caption->setGeometry(place);
    caption->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
    return caption;
}

QComboBox* combo(QWidget* parent, const QString& name, const QRect& place)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

// A centred box for a count: it takes the digits 0 to 9 only.
QLineEdit* numberBox(QWidget* parent, const QString& name, const QRect& place)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setAlignment(Qt::AlignCenter);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    return box;
}

QFrame* whitePanel(QWidget* parent, const QRect& place)
{
    auto* panel = new QFrame(parent);
    panel->setGeometry(place);
    panel->setStyleSheet(QStringLiteral("QFrame#box { background: white; border: 1px solid rgb(224,224,224); }"));
    panel->setObjectName(QStringLiteral("box"));
    return panel;
}

// The section title: a narrow frame with its caption, one syllable per line.
void sectionTitle(QWidget* parent, const QString& caption, const QRect& place)
{
    QLabel* title = label(parent, caption, place);
    title->setFont(QFont(kTitleFont, 10));
    title->setAlignment(Qt::AlignCenter);
}

// Items numbered from..to by step, each written with width digits.
void fill(QComboBox* box, int from, int to, int step, int width)
{
    box->clear();
    for (int value = from; value <= to; value += step)
        box->addItem(ZeroPad(QString::number(value), width));
    box->setCurrentIndex(0);
    box->setMaxVisibleItems(25);
}

std::array<QRadioButton*, 3> didOptions(QWidget* panel, const QString& name)
{
    const std::array<QString, 3> captions{QStringLiteral("보이기"), QStringLiteral("마스킹 처리"), QStringLiteral("안보이기")};
    const std::array<int, 3> lefts{0, 85, 205};
    auto* group = new QButtonGroup(panel);
    std::array<QRadioButton*, 3> options{};
    for (int i = 0; i < 3; ++i) {
        options[i] = new QRadioButton(captions[i], panel);
        options[i]->setObjectName(name);
        options[i]->setGeometry(lefts[i], 0, 115, 25);
        group->addButton(options[i], i);
    }
    return options;
}

} // namespace

frmB설정::frmB설정() : QWidget(MdiClientArea())
{
    setWindowTitle(QStringLiteral("예약설정"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(238, 240, 244));
    setPalette(palette);
    setFont(QFont(QStringLiteral("나눔고딕"), 9));
    m_background = new QLabel(this);
    buildBasicSection();
    buildNoticeSection();
    buildDidSection();
    buildTemplateSection();
    buildButtons();
    picWait = new WaitPicture(this);
    picShadow = new QLabel(this);
    picShadow->hide();
    setFocusOrder();
}

// Tab (and Enter, sent on as Tab) goes through the inputs in the order staff fill them in; of the
// template boxes only those of the tab shown take the focus.
void frmB설정::setFocusOrder()
{
    QList<QWidget*> order{cob인원구분, txt노쇼한계, 소요시[0], 소요분[0], 소요시간타입[0], 표시간[1], 표시간[0],
                          예약일전, 예약분[0], 예약시[0], 예약분[1], 예약시[1], DID예약자보이기[0], DID예약자보이기[1],
                          optDID이름[0], optDID이름[1], optDID이름[2], optDID모임명[2], optDID모임명[1], optDID모임명[0],
                          알림문자[0], 알림문자[1], 알림문자[2]};
    for (int i = 0; i < int(머리말.size()); ++i)
        order << 머리말[i] << 꼬리말[i];
    order << 지정시간문자 << 예약시간전문자;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmB설정::buildBasicSection()
{
    whitePanel(this, QRect(10, 10, 505, 150));
    sectionTitle(this, QStringLiteral("기\n초\n설\n정"), QRect(10, 10, 30, 150));
    label(this, QStringLiteral("인원 접수방법"), QRect(60, 15, 130, 25));
    cob인원구분 = combo(this, QStringLiteral("cob인원구분"), QRect(200, 15, 97, 25));
    cob인원구분->addItems({QStringLiteral("총인원"), QStringLiteral("남녀"), QStringLiteral("대/소인")});
    label(this, QStringLiteral("NO-SHOW 처리방법"), QRect(60, 45, 130, 25));
    txt노쇼한계 = numberBox(this, QStringLiteral("txt노쇼한계"), QRect(200, 45, 49, 25));
    label(this, QStringLiteral("회 이상시 접수 불가 처리"), QRect(255, 45, 200, 25), QColor(80, 80, 80));

    auto* length = new QFrame(this);
    length->setGeometry(50, 75, 460, 50);
    label(length, QStringLiteral("방문고객"), QRect(10, 2, 60, 22));
    label(length, QStringLiteral("소요시간"), QRect(10, 24, 60, 22));
    소요시간타입[0] = new QRadioButton(length);
    소요시간타입[0]->setObjectName(QStringLiteral("소요시간타입"));
    소요시간타입[0]->setGeometry(75, 10, 130, 25);
    소요시[0] = combo(length, QStringLiteral("소요시"), QRect(210, 10, 54, 25));
    label(length, QStringLiteral("시간"), QRect(268, 10, 30, 25));
    소요분[0] = combo(length, QStringLiteral("소요분"), QRect(301, 10, 54, 25));
    label(length, QStringLiteral("분"), QRect(359, 10, 30, 25));

    label(this, QStringLiteral("스케쥴표 시간범위"), QRect(60, 130, 130, 25));
    표시간[0] = combo(this, QStringLiteral("표시간"), QRect(200, 130, 54, 25));
    label(this, QStringLiteral("시 ~"), QRect(257, 130, 30, 25));
    표시간[1] = combo(this, QStringLiteral("표시간"), QRect(291, 130, 54, 25));
    label(this, QStringLiteral("시 까지"), QRect(348, 130, 60, 25));
}

void frmB설정::buildNoticeSection()
{
    whitePanel(this, QRect(10, 162, 505, 125));
    sectionTitle(this, QStringLiteral("예약\n확인\n알림\n톡\n설정"), QRect(10, 162, 50, 125));
    auto* panel = new QFrame(this);
    panel->setGeometry(67, 171, 447, 90);
    지정시간문자 = new QCheckBox(QStringLiteral("지정시간 알림톡"), panel);
    지정시간문자->setObjectName(QStringLiteral("지정시간문자"));
    지정시간문자->setGeometry(5, 15, 140, 25);
    label(panel, QStringLiteral("예약일"), QRect(155, 15, 45, 25));
    예약일전 = combo(panel, QStringLiteral("예약일전"), QRect(205, 15, 49, 25));
    label(panel, QStringLiteral("일전"), QRect(257, 15, 30, 25));
    예약시간전문자 = new QCheckBox(QStringLiteral("예약시간전 알림톡"), panel);
    예약시간전문자->setObjectName(QStringLiteral("예약시간전문자"));
    예약시간전문자->setGeometry(5, 45, 140, 25);
    label(panel, QStringLiteral("예약일"), QRect(155, 45, 45, 25));
    for (int i = 0; i < 2; ++i) {
        const int top = 15 + 30 * i;
        예약시[i] = combo(panel, QStringLiteral("예약시"), QRect(290, top, 49, 25));
        label(panel, QStringLiteral("시"), QRect(342, top, 18, 25));
        예약분[i] = combo(panel, QStringLiteral("예약분"), QRect(361, top, 49, 25));
        label(panel, i == 0 ? QStringLiteral("분") : QStringLiteral("분전"), QRect(413, top, 30, 25));
    }
    QLabel* note = label(this, QStringLiteral("예약 당일 또는 전날 고객의 예약을 최종 컨펌하고 변경사항 연락 요청."),
                         QRect(80, 263, 441, 20), QColor(192, 0, 0));
    note->setStyleSheet(QStringLiteral("color: rgb(192,0,0); background: rgb(247,247,247);"));
}

void frmB설정::buildDidSection()
{
    whitePanel(this, QRect(10, 290, 505, 125));
    sectionTitle(this, QStringLiteral("예약\nDID\n설정"), QRect(10, 290, 50, 125));
    const std::array<QString, 2> captions{QStringLiteral("예약자 보이기"), QStringLiteral("예약자 안보이기")};
    const std::array<QString, 2> after{QStringLiteral("분 전부터"), QStringLiteral("분 이후부터")};
    for (int i = 0; i < 2; ++i) {
        const int top = 295 + 30 * i;
        label(this, captions[i], QRect(70, top, 110, 25));
        label(this, QStringLiteral("예약시간"), QRect(190, top, 65, 25), QColor(80, 80, 80));
        DID예약자보이기[i] = numberBox(this, QStringLiteral("DID예약자보이기"), QRect(260, top, 49, 25));
        label(this, after[i], QRect(315, top, 100, 25), QColor(80, 80, 80));
    }
    label(this, QStringLiteral("이름"), QRect(70, 355, 50, 25));
    auto* names = new QFrame(this);
    names->setGeometry(125, 355, 365, 25);
    optDID이름 = didOptions(names, QStringLiteral("optDID이름"));
    label(this, QStringLiteral("모임명"), QRect(70, 385, 50, 25));
    auto* groups = new QFrame(this);
    groups->setGeometry(125, 385, 365, 25);
    optDID모임명 = didOptions(groups, QStringLiteral("optDID모임명"));
}

void frmB설정::buildTemplateSection()
{
    whitePanel(this, QRect(520, 10, 495, 590));
    QLabel* title = label(this, QStringLiteral("자동 카톡/문자 설정"), QRect(520, 10, 495, 30));
    title->setFont(QFont(kTitleFont, 11));
    title->setAlignment(Qt::AlignCenter);
    const std::array<QString, 3> switches{QStringLiteral("예약접수시"), QStringLiteral("예약수정시"), QStringLiteral("예약취소시")};
    for (int i = 0; i < 3; ++i) {
        알림문자[i] = new QCheckBox(switches[i], this);
        알림문자[i]->setObjectName(QStringLiteral("알림문자"));
        알림문자[i]->setGeometry(545 + 120 * i, 55, 120, 24);
    }
    const std::array<QString, 6> kinds{QStringLiteral("예약접수"), QStringLiteral("예약확인"), QStringLiteral("예약수정"),
                                       QStringLiteral("예약취소"), QStringLiteral("자동홍보문자"), QStringLiteral("이용안내")};
    const std::array<int, 6> lefts{530, 605, 680, 755, 830, 935};
    for (int i = 0; i < 6; ++i) {
        CMD2[i] = new PanelButton(this, i);
        CMD2[i]->setCaption(kinds[i]);
        CMD2[i]->setGeometry(lefts[i], 115, i == 4 ? 100 : 70, 27);
        QObject::connect(CMD2[i], &PanelButton::clicked, this, [this, i] { CMD2_Click(i); });
        fr알림문자[i] = new QFrame(this);
        fr알림문자[i]->setGeometry(528, 143, 479, 350);
        label(fr알림문자[i], QStringLiteral("머리말"), QRect(2, 12, 65, 20));
        머리말[i] = new CrLfTextBox(fr알림문자[i]);
        머리말[i]->setObjectName(QStringLiteral("머리말"));
        머리말[i]->setGeometry(72, 7, 399, 92);
        label(fr알림문자[i], QStringLiteral("꼬리말"), QRect(2, 107, 65, 20));
        꼬리말[i] = new CrLfTextBox(fr알림문자[i]);
        꼬리말[i]->setObjectName(QStringLiteral("꼬리말"));
        꼬리말[i]->setGeometry(72, 102, 399, 242);
    }
}

void frmB설정::buildButtons()
{
    const std::array<QString, 4> captions{QStringLiteral("저    장"), QStringLiteral("직원 관리"), QStringLiteral("상용구 관리"),
                                          QStringLiteral("저    장")};
    const std::array<QRect, 4> places{QRect(895, 610, 120, 37), QRect(765, 610, 120, 37), QRect(635, 610, 120, 37),
                                      QRect(910, 500, 95, 27)};
    for (int i = 0; i < 4; ++i) {
        CMD[i] = new PanelButton(this, i);
        CMD[i]->setCaption(captions[i]);
        CMD[i]->setGeometry(places[i]);
        QObject::connect(CMD[i], &PanelButton::clicked, this, [this, i] { CMD_Click(i); });
    }
}

void frmB설정::Form_Load()
{
    Trace(kWindow, QStringLiteral("Form_Load"), QStringLiteral("Enter"));
    resize(gFormStdW / gTwipsX, gFormStdH / gTwipsY);
    move((gMDIClientW - gFormStdW) / 2 / gTwipsX, (gMDIClientH - gFormStdH) / 2 / gTwipsY);
    Func_ReadSkin();
    fillComboLists();
    for (PanelButton* button : CMD)
        GiveSwappingLook(*button, kBlue);
    for (PanelButton* tab : CMD2) {
        tab->setFaceColor(kBlue);
        tab->setTextColor(Qt::white);
        tab->setFrameColor(QColor(234, 234, 234));
        tab->setFrameLine(1);
        tab->setCorner(3);
    }
    for (QFrame* frame : fr알림문자)
        frame->move(fr알림문자[0]->pos());
    m_TemplateTab = 0;
    EnterMovesFocus(*this, {QStringLiteral("머리말"), QStringLiteral("꼬리말")});
}

bool frmB설정::Func_ReadSkin()
{
    const QString background = gSkinPath + "/MDI_InnerA.gif";
    m_background->setGeometry(rect());
    if (FileExists(background))
        m_background->setPixmap(QPixmap(background));
    m_background->lower();
    picWait->loadPicture(gSkinPath);
    picWait->centre();
    picShadow->setGeometry(rect());
    picShadow->hide();
    return true;
}

void frmB설정::fillComboLists()
{
    fill(소요시[0], 0, 5, 1, 2);
    fill(소요분[0], 0, 60, 5, 2);
    for (int i = 0; i < 2; ++i) {
        fill(표시간[i], 0, 24, 1, 2);
        fill(예약시[i], 0, 23, 1, 2);
        fill(예약분[i], 0, 50, 10, 2);
    }
    fill(예약일전, 0, 5, 1, 1);
}

// Every path enables the window again: a window left disabled could not be used at all.
void frmB설정::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    QPointer<frmB설정> self(this);
    setEnabled(false);
    QCoreApplication::processEvents();
    for (int i = 0; i < int(fr알림문자.size()) && self; ++i)
        Load_카톡설정(i);
    if (self)
        Load_설정();
    if (!self)
        return;
    CMD2_Click(0);
    setEnabled(true);
}

void frmB설정::CMD2_Click(int index)
{
    m_TemplateTab = index;
    for (int i = 0; i < int(CMD2.size()); ++i) {
        const bool chosen = i == index;
        CMD2[i]->setTextColor(chosen ? QColor(Qt::white) : QColor(187, 187, 187));
        CMD2[i]->setFaceColor(chosen ? kBlue : QColor(Qt::white));
        fr알림문자[i]->setVisible(chosen);
    }
}

void frmB설정::CMD_Click(int index)
{
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (!guard.passed())
        return;
    switch (index) {
    case 0:
        UnloadMdiChildren(this);
        Save_설정();
        Read_설정();
        break;
    case 1:
        openStaff();
        break;
    case 2:
        openPhrases();
        break;
    case 3:
        Save_카톡설정(m_TemplateTab);
        break;
    }
}

void frmB설정::openStaff()
{
    QPointer<frmB설정> self(this);
    QWidget* staff = FormByName(QStringLiteral("frmB직원등록"));
    if (auto* events = dynamic_cast<FormEvents*>(staff)) {
        events->m_FirstActivated = true;
        ShowModalOverShadow(*picShadow, *staff);
    }
    if (self)
        Read_직원();
}

void frmB설정::openPhrases()
{
    QPointer<frmB설정> self(this);
    frmzComment::m_Caller = QStringLiteral("예약");
    QPointer<frmzComment> phrases(&Form<frmzComment>());
    // The load waits for its answer: the window or this one may be gone by then.
    if (!self || !phrases || !IsFormLoaded(frmzComment::FormName()))
        return;
    phrases->setWindowTitle(QStringLiteral("상용구 (수락/거절)"));
    ShowModalOverShadow(*picShadow, *phrases);
}
