#include "stats/statistics_window.h"

#include "core/converters.h"
#include "core/error_line.h"
#include "core/file_exists.h"
#include "core/grid_helpers.h"
#include "core/login_values.h"
#include "core/number_format.h"
#include "core/screen_values.h"
#include "platform/clock.h"
#include "platform/header_cell.h"
#include "platform/mdi_child.h"
#include "platform/panel_button_look.h"
#include "platform/pop_up.h"
#include "server/main_credit_labels.h"
#include "server/message_credit.h"
#include "server/saved_messages.h"

#include <QKeyEvent>
#include <QPointer>

namespace {

const QString kWindow = QStringLiteral("frmz통계B");
const QColor kBlue(0, 141, 238);
const QColor kPale(240, 240, 240);
// For the labels that lie over others on a page (the switch, the message kind): the page's
// background would cover what lies below.
const QString kClear = QStringLiteral("background: transparent;");

// The fixed KakaoTalk guide message whose placeholders the preview fills.
QString TalkTemplate()
{
    const QStringList lines{QStringLiteral("안녕하세요. 고객님!"),
                            QStringLiteral("저희  #{매장명}를 이용해주셔서 깊은 감사를 드립니다"),
                            QString(),
                            QStringLiteral("#{머리말}"),
                            QString(),
                            QStringLiteral("■ 상   호 : #{매장명}"),
                            QStringLiteral("■ 전화번호 : #{전화번호}"),
                            QString(),
                            QStringLiteral("▶ 매장시간안내"),
                            QStringLiteral("#{매장안내}"),
                            QString(),
                            QStringLiteral("* 해당 메세지는#{매장명}를 예약방문하신 고객님께 드리는 안내 메세지입니다.")};
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

struct ColumnSetUp {
    QString header;
    int width;
    int kind;
};

// Columns 0 to 12 of both customer grids: header, width in pixels and cell kind.
const std::array<ColumnSetUp, 13> kColumns{{{QStringLiteral("NO"), 30, 0},
                                            {QStringLiteral("AN"), 35, 4},
                                            {QStringLiteral(" "), 30, 14},
                                            {QStringLiteral("고객명"), 60, 4},
                                            {QStringLiteral("등급"), 55, 4},
                                            {QStringLiteral("휴대번호"), 110, 4},
                                            {QStringLiteral("성별"), 30, 4},
                                            {QStringLiteral("나이"), 30, 7},
                                            {QStringLiteral("생일"), 45, 4},
                                            {QStringLiteral("재방문"), 40, 4},
                                            {QStringLiteral("방문수"), 45, 7},
                                            {QStringLiteral("총방문수"), 50, 7},
                                            {QStringLiteral("메모"), 200, 3}}};

QLabel* label(QWidget* parent, const QString& text, const QRect& place)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    return l;
}

QFrame* captionFrame(QWidget* parent, const QString& caption, const QRect& place, int captionWidth)
{
    auto* frame = new QFrame(parent);
    frame->setGeometry(place);
    frame->setFrameShape(QFrame::Box);
    auto* c = label(frame, caption, QRect(1, 1, captionWidth, place.height() - 2));
    c->setAlignment(Qt::AlignCenter);
    c->setStyleSheet(QStringLiteral("background: rgb(230,236,245);"));
    return frame;
}

CrLfTextBox* textBox(QWidget* parent, const QString& name, const QRect& place)
{
    auto* box = new CrLfTextBox(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

// A page of the message area: the two-part switch 카카오톡 | 문자 drawn on top with the page's own
// part lit, the rest plain.
QWidget* page(QWidget* parent, bool talkLit)
{
    auto* p = new QWidget(parent);
    p->setGeometry(477, 100, 536, 546);
    // The bottom-left corner is left to the link image box, which stays whichever page is shown.
    p->setMask(QRegion(0, 0, 537, 547).xored(QRegion(0, 456, 255, 90)));
    p->setAutoFillBackground(true);
    p->setStyleSheet(QStringLiteral("background: rgb(246,248,251);"));
    const QString lit = QStringLiteral("background: rgb(0,141,238); color: white; font-weight: bold;");
    const QString dim = QStringLiteral("background: rgb(220,224,230); color: rgb(90,90,90);");
    auto* talk = label(p, QStringLiteral("카카오톡"), QRect(301, 7, 101, 42));
    auto* sms = label(p, QStringLiteral("문자"), QRect(402, 7, 101, 42));
    for (QLabel* part : {talk, sms})
        part->setAlignment(Qt::AlignCenter);
    talk->setStyleSheet(talkLit ? lit : dim);
    sms->setStyleSheet(talkLit ? dim : lit);
    return p;
}

} // namespace

frmz통계B::frmz통계B() : QWidget(MdiClientArea())
{
    setWindowTitle(QStringLiteral("예약 통계"));
    buildControls();
}

void frmz통계B::buildControls()
{
    m_background = label(this, QString(), QRect(0, 0, 1022, 654));
    for (int i = 0; i < 17; ++i) {
        CMD[i] = new PanelButton(this, i);
        QObject::connect(CMD[i], &PanelButton::clicked, this, [this, i] { CMD_Click(i); });
    }
    auto* period = captionFrame(this, QStringLiteral("기 간"), QRect(10, 10, 270, 39), 38);
    for (int i = 0; i < 2; ++i) {
        기간[i] = new QDateEdit(period);
        기간[i]->setObjectName(QStringLiteral("기간%1").arg(i));
        기간[i]->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        기간[i]->setCalendarPopup(true);
        기간[i]->setGeometry(i == 0 ? 50 : 167, 5, 100, 29);
    }
    label(period, QStringLiteral("~"), QRect(152, 5, 14, 29));
    const std::array<QString, 3> presets{QStringLiteral("1주"), QStringLiteral("2주"), QStringLiteral("1달")};
    for (int i = 0; i < 3; ++i) {
        CMD[i]->setCaption(presets[i]);
        CMD[i]->setGeometry(285 + 65 * i, 15, 60, 29);
    }
    auto* visits = captionFrame(this, QStringLiteral("방문수"), QRect(485, 10, 170, 39), 55);
    txt방문수 = new QLineEdit(visits);
    txt방문수->setGeometry(60, 5, 50, 29);
    label(visits, QStringLiteral("회 이상"), QRect(115, 5, 50, 29));
    CMD[3]->setCaption(QStringLiteral("검색하기"));
    CMD[3]->setGeometry(660, 10, 80, 39);
    label(this, QStringLiteral("전체\r\n검색"), QRect(805, 10, 45, 39))->setAlignment(Qt::AlignCenter);
    CMD[4]->setCaption(QStringLiteral("전 체\r\n검 색"));
    CMD[4]->setGeometry(855, 10, 75, 39);
    buildFigures();

    SPR[0] = new SpreadGrid(this);
    SPR[0]->setObjectName(QStringLiteral("SPR0"));
    SPR[0]->setGeometry(15, 130, 459, 470);
    auto* outline = new QFrame(this);
    outline->setFrameShape(QFrame::Box);
    outline->setGeometry(14, 129, 461, 472);
    outline->stackUnder(SPR[0]);
    SPR[1] = new SpreadGrid(this);
    SPR[1]->setGeometry(95, 665, 459, 515);
    SPR[1]->hide();
    SPR[0]->Click = [this](int col, int row) { SPR_Click(col, row); };
    SPR[0]->DblClick = [this](int col, int row) { SPR_DblClick(col, row); };
    Chk전체선택 = new QCheckBox(this);
    Chk전체선택->setObjectName(QStringLiteral("Chk전체선택"));
    Chk전체선택->setGeometry(52, 133, 18, 18);
    QObject::connect(Chk전체선택, &QCheckBox::clicked, this, [this] { Chk전체선택_Click(); });

    buildSmsPage();
    buildTalkPage();
    buildLinkImage();
    // The members-only button and the title share the strip below the list.
    CMD[5]->setCaption(QStringLiteral("등록된\r\n회   원"));
    CMD[5]->setGeometry(10, 607, 75, 39);
    lblTitle = label(this, QString(), QRect(95, 608, 235, 36));
    lblTerminate = NewCloseLabel(this, QRect(957, 5, 60, 45), QColor(90, 90, 90));
    lblTerminate->setCursor(Qt::PointingHandCursor);
    QObject::connect(lblTerminate, &PictureLabel::clicked, this, [this] { lblTerminate_Click(); });
    picWait = new WaitPicture(this);
}

void frmz통계B::buildFigures()
{
    const std::array<QString, 6> captions{QStringLiteral("정회원"),   QStringLiteral("준회원"),
                                          QStringLiteral("방문회원"), QStringLiteral("방문비율"),
                                          QStringLiteral("신규회원"), QStringLiteral("재방문회원")};
    const std::array<int, 6> lefts{10, 115, 220, 325, 465, 605};
    const std::array<int, 6> widths{103, 103, 103, 138, 138, 138};
    for (int i = 0; i < 6; ++i) {
        // Each caption as wide as its text, the rest to the figure: a five-digit count still fits.
        const int captionWidth = fontMetrics().horizontalAdvance(captions[i]) + 10;
        auto* frame = captionFrame(this, captions[i], QRect(lefts[i], 55, widths[i], 40), captionWidth);
        lblNO[i] = label(frame, QString(), QRect(captionWidth + 2, 1, widths[i] - captionWidth - 4, 38));
        lblNO[i]->setObjectName(QStringLiteral("lblNO%1").arg(i));
        lblNO[i]->setAlignment(Qt::AlignCenter);
        lblNO[i]->setWordWrap(true);
    }
    label(this, QStringLiteral("   전체\r\n검색내"), QRect(790, 55, 60, 39));
    txt검색내검색 = new QLineEdit(this);
    txt검색내검색->setObjectName(QStringLiteral("txt검색내검색"));
    txt검색내검색->setGeometry(855, 60, 86, 29);
    txt검색내검색->installEventFilter(this);
    CMD[14]->setCaption(QStringLiteral("검 색"));
    CMD[14]->setGeometry(945, 60, 65, 29);
    lblInfo = label(this, QString(), QRect(14, 100, 461, 30));
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
}

void frmz통계B::buildSmsPage()
{
    picFrame[0] = page(this, false);
    QWidget* p = picFrame[0];
    for (int i = 0; i < 4; ++i) {
        auto* outline = new QFrame(p);
        outline->setFrameShape(QFrame::Box);
        outline->setGeometry(10, 10 + 100 * i, 245, 95);
        opt문자[i] = new QRadioButton(QStringLiteral("문자\n  %1").arg(i + 1), p);
        opt문자[i]->setGeometry(15, 15 + 100 * i, 56, 39);
        txt문자[i] = textBox(p, QStringLiteral("txt문자%1").arg(i), QRect(70, 10 + 100 * i, 184, 94));
        CMD[6 + i]->setParent(p);
        CMD[6 + i]->setCaption(QStringLiteral("저 장"));
        CMD[6 + i]->setGeometry(15, 65 + 100 * i, 52, 35);
    }
    CMD[10]->setParent(p);
    CMD[10]->setCaption(QStringLiteral("적  용"));
    CMD[10]->setGeometry(10, 409, 244, 40);
    txt보낼문자 = textBox(p, QStringLiteral("txt보낼문자"), QRect(281, 134, 229, 335));
    QObject::connect(txt보낼문자, &QPlainTextEdit::textChanged, this, [this] { txt보낼문자_Change(); });
    글자크기 = label(p, QString(), QRect(270, 99, 97, 21));
    전송가능건수 = label(p, QString(), QRect(305, 99, 212, 21));
    전송가능건수->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    전송가능건수->setStyleSheet(kClear);
    전송건수[0] = label(p, QString(), QRect(355, 65, 147, 21));
    CMD[11]->setParent(p);
    CMD[11]->setCaption(QStringLiteral("전    송"));
    CMD[11]->setGeometry(300, 487, 192, 40);
    lblCMD[0] = label(p, QString(), QRect(301, 7, 202, 42));
}

void frmz통계B::buildTalkPage()
{
    picFrame[1] = page(this, true);
    QWidget* p = picFrame[1];
    const std::array<QString, 2> captions{QStringLiteral("안내 내용 (머리말)"), QStringLiteral("영업 시간 안내")};
    for (int i = 0; i < 2; ++i) {
        auto* outline = new QFrame(p);
        outline->setFrameShape(QFrame::Box);
        outline->setGeometry(10, 10 + 200 * i, 245, 195);
        label(p, captions[i], QRect(15, 15 + 200 * i, 230, 22));
        txt톡[i] = textBox(p, QStringLiteral("txt톡%1").arg(i), QRect(10, 40 + 200 * i, 244, 164));
    }
    CMD[12]->setParent(p);
    CMD[12]->setCaption(QStringLiteral("적  용"));
    CMD[12]->setGeometry(10, 409, 244, 40);
    txt보낼톡 = textBox(p, QStringLiteral("txt보낼톡"), QRect(276, 99, 239, 380));
    txt보낼톡->setReadOnly(true);
    톡가능건수 = label(p, QString(), QRect(280, 65, 77, 21));
    전송건수[1] = label(p, QString(), QRect(360, 65, 147, 21));
    CMD[13]->setParent(p);
    CMD[13]->setCaption(QStringLiteral("전    송"));
    CMD[13]->setGeometry(300, 487, 192, 40);
    lblCMD[1] = label(p, QString(), QRect(301, 7, 202, 42));
    for (int i = 0; i < 2; ++i) {
        lblCMD[i]->setStyleSheet(kClear);
        lblCMD[i]->setCursor(Qt::PointingHandCursor);
        lblCMD[i]->installEventFilter(this);
    }
}

void frmz통계B::Form_Load()
{
    Trace(kWindow, QStringLiteral("Form_Load"), QStringLiteral("Enter"));
    resize(gFormStdW / gTwipsX, gFormStdH / gTwipsY);
    move((gMDIClientW - gFormStdW) / 2 / gTwipsX, (gMDIClientH - gFormStdH) / 2 / gTwipsY);
    Func_ReadSkin();
    lblTitle->setText(m_Kind + QStringLiteral(" 통계"));
    if (!showLinkImage())
        return;
    txt검색내검색->clear();
    const SavedMessages texts = ReadSavedMessages();
    for (int i = 0; i < 4; ++i)
        txt문자[i]->setText(texts[i]);
    opt문자[0]->setChecked(true);
    글자크기->setText(QStringLiteral("- SMS"));
    전송가능건수->setText(QStringLiteral("/"));
    톡가능건수->clear();
    전송건수[0]->setText(QStringLiteral("/"));
    전송건수[1]->setText(전송건수[0]->text());
    m_카톡템플릿 = TalkTemplate();
    QPointer<frmz통계B> self(this);
    Load_카톡설정();
    if (!self)
        return;
    showTalkPreview();
    const int credit = ToLong(VMR_남은문자());
    if (!self)
        return;
    ShowCredit(credit);
    picFrame[0]->hide();
    picFrame[1]->show();
    for (PanelButton* button : CMD)
        if (button->index() == 11)
            GivePressLook(*button, {kPale, Qt::black}, {kBlue, Qt::white}, kPale);
        else
            GiveSwappingLook(*button, kBlue);
    for (QLabel* figure : lblNO)
        figure->clear();
    lblInfo->clear();
    const QDate today = CurrentClock().now().date();
    기간[1]->setDate(today);
    기간[0]->setDate(today.addDays(-6));
}

bool frmz통계B::Func_ReadSkin()
{
    const QString background = gSkinPath + "/MDI_InnerA.gif";
    if (FileExists(background))
        m_background->setPixmap(QPixmap(background));
    picWait->loadPicture(gSkinPath);
    picWait->centre();
    for (SpreadGrid* grid : SPR)
        setUpGrid(*grid);
    return true;
}

void frmz통계B::setUpGrid(SpreadGrid& grid)
{
    grid.SetReDraw(false);
    grid.SetMaxRows(0);
    grid.SetMaxCols(12);
    grid.SetOperationMode(GridModel::ModeSingleSelect);
    grid.SetScrollBars(3);
    grid.SetRowHeight(-1, 25 * gTwipsX);
    grid.SetRowHeight(0, 25 * gTwipsY);
    grid.SetCol(-1);
    grid.SetRow(-1);
    grid.SetFontSize(10);
    grid.SetCol(0);
    grid.SetFontSize(8);
    grid.SetColsFrozen(3);
    for (int col = 0; col <= 12; ++col) {
        grid.SetText(col, 0, kColumns[col].header);
        grid.SetColWidth(col, kColumns[col].width * gTwipsX);
        if (col >= 1)
            SpreadSetCellType(&grid, col, kColumns[col].kind, QString());
    }
    for (int col : {1, 6, 7, 8}) {
        grid.SetCol(col);
        grid.SetColHidden(true);
    }
    스프레드_색상초기화7(&grid);
    SetHeaderRowOwnerDrawn(grid, 12);
    grid.DrawItem = [&grid](int col, int row, QPainter& dc, int x, int y, int x2, int y2) {
        DrawHeaderCell(grid, col, row, dc, x, y, x2, y2, kBlue, Qt::white);
    };
    grid.SetCol(3);
    grid.SetReDraw(true);
}

void frmz통계B::ShowCredit(int credit)
{
    전송가능건수->setText(FormatNumber(credit / 20) + "/" + FormatNumber(credit / 45));
    톡가능건수->setText(FormatNumber(credit / 15));
    WriteMainCreditLabels(credit);
}

void frmz통계B::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    기간[0]->setFocus();
}

bool frmz통계B::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txt검색내검색 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CMD_Click(14);
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < 2; ++i)
            if (watched == lblCMD[i]) {
                lblCMD_Click(i);
                return true;
            }
        if (watched == img링크이미지) {
            img링크이미지_Click();
            return true;
        }
        if (watched == lbl사이트주소) {
            lbl사이트주소_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
