#include "booking/entry_window.h"

#include "customer/member_grids.h"
#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/placeholder_box.h"
#include "platform/spread_grid.h"
#include "platform/widget_look.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>

// The controls of the entry window, made in one place under the names and indexes the window's
// procedures use. Places inside the panels are this window's own; the slots and the party panels'
// spot are fixed.

namespace {

const QString kBodyFace = QStringLiteral("나눔고딕");
const QString kDisplayFace = QStringLiteral("여기어때 잘난체");

QLabel* label(QWidget* parent, const QString& text, const QRect& place, int points = 11)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    l->setFont(QFont(kBodyFace, points));
    return l;
}

PlaceholderBox* placeholderBox(QWidget* parent, const QRect& place, const QString& face = kBodyFace)
{
    auto* box = new PlaceholderBox(parent);
    box->setGeometry(place);
    box->setFont(QFont(face, 12));
    return box;
}

QLineEdit* textBox(QWidget* parent, const QRect& place)
{
    auto* box = new QLineEdit(parent);
    box->setGeometry(place);
    box->setFont(QFont(kBodyFace, 12));
    return box;
}

CrLfTextBox* memoBox(QWidget* parent, const QRect& place)
{
    auto* box = new CrLfTextBox(parent);
    box->setGeometry(place);
    box->setFont(QFont(kBodyFace, 11));
    return box;
}

QComboBox* comboBox(QWidget* parent, const QRect& place)
{
    auto* box = new QComboBox(parent);
    box->setGeometry(place);
    box->setFont(QFont(kBodyFace, 12));
    return box;
}

QDateEdit* datePicker(QWidget* parent, const QRect& place)
{
    auto* picker = new QDateEdit(parent);
    picker->setGeometry(place);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setFont(QFont(kBodyFace, 12));
    return picker;
}

PanelButton* button(QWidget* parent, int index, const QString& caption, const QRect& place)
{
    auto* b = new PanelButton(parent, index);
    b->setGeometry(place);
    b->setCaption(caption);
    b->setFont(QFont(kBodyFace, 12, QFont::Bold));
    return b;
}

QWidget* panel(QWidget* parent)
{
    auto* p = new QWidget(parent);
    p->setAutoFillBackground(true);
    return p;
}

} // namespace

void frmB예약_등록B::buildControls()
{
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, 740, 690);
    m_background->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QWidget*& frame : picFrame)
        frame = panel(this);
    buildLeftColumn();
    buildMemberPanelB(*picFrame[4]);
    buildReservationPanel(*picFrame[3]);

    auto* notice = label(picFrame[2], QStringLiteral("검색한 정보와\n일치하는\n회원이 없습니다."), QRect(0, 80, 340, 100), 14);
    notice->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 2; ++i) {
        SPR[i] = new SpreadGrid(picFrame[i]);
        SPR[i]->setGeometry(0, 0, 340, 260);
        SPR[i]->DrawItem = [this, i](int col, int row, QPainter& dc, int x, int y, int x2, int y2) {
            DrawMemberGridHeader(*SPR[i], col, row, dc, x, y, x2, y2);
        };
        SPR[i]->Click = [this, i](int col, int row) { SPR_Click(i, col, row); };
    }

    lblTerminate = new PictureLabel(this);
    lblTerminate->setText(QStringLiteral("✕"));
    lblTerminate->setGeometry(700, 8, 30, 30);
    lblTerminate->setFont(QFont(kBodyFace, 16));
    lblTerminate->setAlignment(Qt::AlignCenter);
    lblTerminate->setCursor(Qt::PointingHandCursor);

    auto* wait = new QLabel(this);
    wait->resize(100, 100);
    imgWait = new QLabel(wait);
    imgWait->setGeometry(0, 0, 100, 100);
    imgWait->setScaledContents(true);
    picWait = wait;
}

void frmB예약_등록B::buildLeftColumn()
{
    txtS[0] = placeholderBox(this, QRect(24, 20, 240, 36), kDisplayFace);
    CMD2[0] = button(this, 0, QStringLiteral("검 색"), QRect(270, 20, 94, 36));
    CMD2[0]->setFont(QFont(kDisplayFace, 12));

    txtA[0] = placeholderBox(this, QRect(24, 64, 160, 32), kDisplayFace);
    txtA[1] = placeholderBox(this, QRect(190, 64, 174, 32), kDisplayFace);
    picA[0] = new PictureLabel(this);
    picA[0]->setGeometry(24, 102, 32, 32);
    picA[0]->setScaledContents(true);
    lb직전예약 = label(this, QString(), QRect(62, 102, 200, 32), 12);
    lblCMD = new PictureLabel(this);
    lblCMD->setText(QStringLiteral("회원정보 ▶"));
    lblCMD->setGeometry(270, 102, 94, 32);
    lblCMD->setFont(QFont(kBodyFace, 11));
    lblCMD->setCursor(Qt::PointingHandCursor);

    const QStringList counterNames{QStringLiteral("예약"), QStringLiteral("인원"), QStringLiteral("취소"),
                                   QStringLiteral("노쇼")};
    std::array<QLabel**, 4> counters{&lb총예약수, &lb총예약인원, &lb예약취소, &lb노쇼};
    for (int i = 0; i < 4; ++i) {
        label(this, counterNames[i], QRect(24 + i * 86, 138, 34, 24), 10);
        *counters[i] = label(this, QString(), QRect(58 + i * 86, 138, 48, 24), 12);
        (*counters[i])->setFont(QFont(kDisplayFace, 12));
    }

    txtA2[0] = memoBox(this, QRect(24, 168, 340, 100));
    CMD[0] = button(this, 0, QStringLiteral("수정"), QRect(284, 274, 80, 32));

    const QStringList captions{QStringLiteral("예약취소"), QStringLiteral("NO-SHOW"), QStringLiteral("회원수정"),
                               QStringLiteral("변경기록"), QStringLiteral("문자전송")};
    for (int i = 1; i <= 5; ++i)
        CMD2[i] = button(this, i, captions[i - 1], QRect(24 + (i - 1) * 69, 314, 64, 36));
}

void frmB예약_등록B::buildMemberPanelB(QWidget& panel)
{
    lbl회원모드 = label(&panel, QStringLiteral("회원등록"), QRect(10, 5, 200, 30), 16);
    lbl회원모드->setFont(QFont(kDisplayFace, 16));
    for (int i = 0; i < int(txtB.size()); ++i)
        txtB[i] = placeholderBox(&panel, QRect(10, 45 + i * 38, 320, 32));
    txtB2[0] = memoBox(&panel, QRect(10, 350, 320, 120));
    const QStringList captions{QStringLiteral("삭 제"), QStringLiteral("저 장"), QStringLiteral("닫 기")};
    for (int i = 1; i <= 3; ++i)
        CMD[i] = button(&panel, i, captions[i - 1], QRect(10 + (i - 1) * 110, 480, 100, 36));
}

// A caption column on the left names every row; the inputs stand to its right.
void frmB예약_등록B::buildReservationPanel(QWidget& panel)
{
    lbl예약모드 = label(&panel, QString(), QRect(10, 5, 200, 30), 16);
    lbl예약모드->setFont(QFont(kDisplayFace, 16));
    const int left = 62;
    label(&panel, QStringLiteral("예약"), QRect(10, 45, 50, 30), 11);
    예약일Box = datePicker(&panel, QRect(left, 45, 118, 30));
    예약시Box = comboBox(&panel, QRect(184, 45, 70, 30));
    예약분Box = comboBox(&panel, QRect(258, 45, 70, 30));
    label(&panel, QStringLiteral("인원"), QRect(10, 83, 50, 34), 11);
    buildPartyPanels(panel);
    label(&panel, QStringLiteral("종료"), QRect(10, 121, 50, 30), 11);
    종료일Box = datePicker(&panel, QRect(left, 121, 118, 30));
    종료시Box = comboBox(&panel, QRect(184, 121, 70, 30));
    종료분Box = comboBox(&panel, QRect(258, 121, 70, 30));
    label(&panel, QStringLiteral("테이블"), QRect(10, 160, 50, 30), 11);
    for (int i = 0; i < 6; ++i) {
        const int x = left + (i % 2) * 135;
        const int top = 160 + (i / 2) * 36;
        cob좌석Box[i] = comboBox(&panel, QRect(x, top, 80, 30));
        txt인원Box[i] = textBox(&panel, QRect(x + 84, top, 47, 30));
    }
    label(&panel, QStringLiteral("연락처"), QRect(10, 272, 50, 30), 11);
    txt연락처 = textBox(&panel, QRect(left, 272, 112, 30));
    label(&panel, QStringLiteral("성함"), QRect(178, 272, 36, 30), 11);
    txt성함Box = textBox(&panel, QRect(214, 272, 112, 30));
    label(&panel, QStringLiteral("모임명"), QRect(10, 308, 50, 30), 11);
    txt모임명Box = textBox(&panel, QRect(left, 308, 264, 30));
    label(&panel, QStringLiteral("요청사항"), QRect(10, 344, 50, 30), 10);
    txt요청사항Box = memoBox(&panel, QRect(left, 344, 264, 76));
    label(&panel, QStringLiteral("접수직원"), QRect(10, 426, 50, 30), 10);
    txt매니저명 = textBox(&panel, QRect(left, 426, 264, 30));
    for (int i = 0; i < 8; ++i)
        CMD3[i] = button(&panel, i, QString(), QRect(10 + (i % 4) * 80, 462 + (i / 4) * 32, 76, 28));
    label(&panel, QStringLiteral("차량"), QRect(10, 528, 50, 28), 11);
    for (int i = 0; i < 3; ++i)
        txtC[i] = placeholderBox(&panel, QRect(left + i * 89, 528, 85, 28));
    CMD[4] = button(&panel, 4, QStringLiteral("저 장"), QRect(10, 562, 320, 34));
}

void frmB예약_등록B::buildPartyPanels(QWidget& panel)
{
    auto partyPanel = [&panel]() {
        auto* p = new QLabel(&panel);
        p->resize(230, 36);
        return p;
    };
    pic총인원 = partyPanel();
    pic남여 = partyPanel();
    pic대소 = partyPanel();
    label(pic총인원, QStringLiteral("총 인원"), QRect(80, 2, 65, 32), 11);
    txt인원_총인원Box = textBox(pic총인원, QRect(0, 0, 0, 0));
    label(pic남여, QStringLiteral("남"), QRect(0, 2, 20, 32), 11);
    txt인원_남성Box = textBox(pic남여, QRect(22, 2, 55, 32));
    label(pic남여, QStringLiteral("여"), QRect(125, 2, 20, 32), 11);
    txt인원_여성Box = textBox(pic남여, QRect(150, 2, 55, 32));
    label(pic대소, QStringLiteral("대인"), QRect(0, 2, 30, 32), 11);
    txt인원_대인Box = textBox(pic대소, QRect(32, 2, 55, 32));
    label(pic대소, QStringLiteral("소인"), QRect(115, 2, 30, 32), 11);
    txt인원_소인Box = textBox(pic대소, QRect(150, 2, 55, 32));
}

void frmB예약_등록B::placePanels()
{
    for (int i = 0; i <= 2; ++i) {
        picFrame[i]->setGeometry(24, 359, 340, 260);
        picFrame[i]->hide();
    }
    for (int i = 3; i <= 4; ++i) {
        picFrame[i]->setGeometry(375, 20, 340, 600);
        picFrame[i]->hide();
    }
    picFrame[0]->show();
    const QRegion whole(0, 0, 341, 601);
    const QRegion corner(230, 0, 341 - 230, 40);
    picFrame[4]->setMask(whole.xored(corner));
}

void frmB예약_등록B::giveButtonsTheirLook()
{
    struct Look {
        QColor text;
        QColor face;
        int corner;
        QColor frame;
    };
    auto apply = [](PanelButton* b, const Look& look) {
        b->setTextColor(look.text);
        b->setFaceColor(look.face);
        b->setCorner(look.corner);
        b->setFrameColor(look.frame);
        b->setFrameLine(3);
    };
    const Look blue{Qt::white, QColor(0, 141, 238), 5, QColor(0, 141, 238)};
    for (PanelButton* b : CMD)
        apply(b, blue);
    apply(CMD2[0], {QColor(0, 112, 192), Qt::white, 5, QColor(184, 184, 184)});
    for (int i = 1; i <= 5; ++i)
        apply(CMD2[i], {QColor(192, 192, 192), Qt::white, 5, QColor(184, 184, 184)});
    for (PanelButton* b : CMD3)
        apply(b, {Qt::white, QColor(128, 128, 128), 3, QColor(128, 128, 128)});
}
