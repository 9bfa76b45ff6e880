#include "board/board_window.h"

#include <QFont>

// The board's controls at their design places; the layout pass moves and sizes the rest.

namespace {

const QColor kBarColor(238, 240, 244);
const QColor kFrameLine(176, 176, 176);

QFrame* panel(QWidget* parent, const QString& name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setAutoFillBackground(true);
    return frame;
}

QFrame* frameLine(QWidget* parent, const QString& name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Box);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, kFrameLine);
    frame->setPalette(palette);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

QLabel* label(QWidget* parent, const QString& name, const QRect& place, const QString& text = QString())
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(place);
    return l;
}

} // namespace

void frmB예약관리::buildControls()
{
    buildBars();
    buildLists();
    buildMemberPanel();

    picDummy = label(this, QStringLiteral("picDummy"), QRect(0, 0, 160, 60));
    picDummy->setAutoFillBackground(true);
    picDummy->setFrameShape(QFrame::Box);
    picDummy->setAlignment(Qt::AlignCenter);
    picDummy->hide();
    picShadow = label(this, QStringLiteral("picShadow"), QRect());
    picShadow->hide();
    picWait = new WaitPicture(this);
    imgWait = picWait->imgWait;

    Close = new QTimer(this);
    Close->setObjectName(QStringLiteral("Close"));
    Close->setInterval(250);
    Blink = new QTimer(this);
    Blink->setObjectName(QStringLiteral("Blink"));
    Blink->setInterval(500);
}

void frmB예약관리::buildBars()
{
    for (int i = 0; i < 21; ++i) {
        CMD[i] = new PanelButton(this, i);
        CMD[i]->setObjectName(QStringLiteral("CMD"));
    }
    for (int i = 0; i < 3; ++i)
        cmdLayer[i] = panel(this, QStringLiteral("cmdLayer"));
    picLayer[0] = panel(this, QStringLiteral("picLayer"));
    picLayer[1] = panel(this, QStringLiteral("picLayer"));
    picLayer[99] = panel(this, QStringLiteral("picLayer"));
    picLayer[99]->hide();

    // Day bar and command bar.
    const auto place = [this](int index, QWidget* parent, const QRect& rect, const QString& caption) {
        CMD[index]->setParent(parent);
        CMD[index]->setGeometry(rect);
        CMD[index]->setCaption(caption);
    };
    place(14, cmdLayer[0], QRect(4, 2, 39, 39), QStringLiteral("<"));
    sspDay = new PictureLabel(cmdLayer[0]);
    sspDay->setObjectName(QStringLiteral("sspDay"));
    sspDay->setGeometry(43, 2, 100, 39);
    sspDay->setAlignment(Qt::AlignCenter);
    sspDay->setFont(QFont(QStringLiteral("나눔고딕"), 12, QFont::Bold));
    place(15, cmdLayer[0], QRect(143, 2, 59, 39), QStringLiteral("오늘"));
    place(16, cmdLayer[0], QRect(205, 2, 39, 39), QStringLiteral(">"));
    place(13, cmdLayer[2], QRect(0, 2, 79, 39), QStringLiteral("수신이력"));
    place(9, cmdLayer[2], QRect(105, 0, 94, 44), QString());
    imgCMD = new PictureLabel(cmdLayer[2]);
    imgCMD->setObjectName(QStringLiteral("imgCMD"));
    imgCMD->setGeometry(205, 3, 82, 38);
    imgCMD->setAlignment(Qt::AlignCenter);
    imgCMD->setText(QStringLiteral("시간 배율"));
    place(18, cmdLayer[2], QRect(295, 2, 39, 39), QStringLiteral("▶"));

    // The calendar panel.
    place(6, picLayer[1], QRect(0, 2, 64, 37), QStringLiteral("◀"));
    sspMonth = new PictureLabel(picLayer[1]);
    sspMonth->setObjectName(QStringLiteral("sspMonth"));
    sspMonth->setGeometry(65, 2, 135, 37);
    sspMonth->setAlignment(Qt::AlignCenter);
    sspMonth->setFont(QFont(QStringLiteral("나눔고딕"), 13, QFont::Bold));
    place(7, picLayer[1], QRect(196, 2, 64, 37), QStringLiteral("▶"));
    place(8, picLayer[1], QRect(270, 2, 74, 37), QStringLiteral("전체보기"));
    sprCAL = new SpreadGrid(picLayer[1]);
    sprCAL->setObjectName(QStringLiteral("sprCAL"));
    sprCAL->setGeometry(1, 44, 342, 225);
    BD[1] = frameLine(picLayer[1], QStringLiteral("BD"));
    picCalBorder = panel(picLayer[1], QStringLiteral("picCalBorder"));
    QPalette red = picCalBorder->palette();
    red.setColor(QPalette::Window, QColor(255, 0, 0));
    picCalBorder->setPalette(red);
    picCalBorder->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The timetable panel and the time bar behind it.
    sprGraph[0] = new SpreadGrid(picLayer[0]);
    sprGraph[0]->setObjectName(QStringLiteral("sprGraph"));
    sprGraph[0]->move(2, 1);
    BD[2] = frameLine(picLayer[0], QStringLiteral("BD"));
    frInfo[3] = panel(this, QStringLiteral("frInfo"));
    frInfo[3]->setGeometry(821, 795, 100, 40);
    lbInfoCID[1] = label(frInfo[3], QStringLiteral("lbInfoCID"), QRect(0, 0, 100, 40), QStringLiteral("시 간 대"));
    place(10, this, QRect(740, 795, 79, 40), QStringLiteral("- 축소"));
    place(11, this, QRect(900, 795, 79, 40), QStringLiteral("확대 +"));
    place(17, picLayer[99], QRect(6, 4, 74, 34), QStringLiteral("검색"));
}

void frmB예약관리::buildLists()
{
    frLabel[12] = label(this, QStringLiteral("frLabel"), QRect(10, 55, 67, 27), QStringLiteral("입  력"));
    frLabel[12]->setAlignment(Qt::AlignCenter);
    txt검색 = new QLineEdit(this);
    txt검색->setObjectName(QStringLiteral("txt검색"));
    txt검색->setGeometry(78, 55, 184, 27);
    CMD[0]->setGeometry(265, 55, 90, 27);
    CMD[0]->setCaption(QStringLiteral("검 색"));
    CMD[1]->setGeometry(380, 51, 89, 35);
    CMD[1]->setCaption(QStringLiteral("노-쇼 처리"));
    CMD[2]->setGeometry(474, 51, 89, 35);
    CMD[2]->setCaption(QStringLiteral("예약취소"));
    CMD[3]->setGeometry(568, 51, 89, 35);
    CMD[3]->setCaption(QStringLiteral("예약수정"));
    TmpBD[1] = frameLine(this, QStringLiteral("TmpBD"));
    TmpBD[1]->setGeometry(5, 50, 355, 37);
    SPR[0] = new SpreadGrid(this);
    BD[0] = frameLine(this, QStringLiteral("BD"));
    picStatus = panel(this, QStringLiteral("picStatus"));
    picStatus->setGeometry(6, 610, 508, 37);
    lb건수 = label(picStatus, QStringLiteral("lb건수"), QRect(10, 9, 467, 33));
    CMD[4]->resize(74, 37);
    CMD[4]->setCaption(QStringLiteral("▲"));
    CMD[5]->resize(74, 37);
    CMD[5]->setCaption(QStringLiteral("▼"));
}

void frmB예약관리::buildMemberPanel()
{
    QWidget* column = cmdLayer[1];
    txtS[0] = new PlaceholderBox(column);
    txtS[0]->setObjectName(QStringLiteral("txtS"));
    txtS[0]->setGeometry(6, 4, 184, 29);
    CMD[19]->setParent(column);
    CMD[19]->setGeometry(196, 2, 74, 34);
    CMD[19]->setCaption(QStringLiteral("검색"));
    CMD[12]->setParent(column);
    CMD[12]->setGeometry(274, 2, 69, 34);
    CMD[12]->setCaption(QStringLiteral("예약하기"));
    for (int i = 0; i < 2; ++i) {
        txtA[i] = new PlaceholderBox(column);
        txtA[i]->setObjectName(QStringLiteral("txtA"));
    }
    txtA[0]->setGeometry(6, 45, 145, 26);
    txtA[1]->setGeometry(146, 45, 160, 26);
    for (int i = 0; i < 4; ++i) {
        lblCMD[i] = new PictureLabel(column, i);
        lblCMD[i]->setObjectName(QStringLiteral("lblCMD"));
        lblCMD[i]->setAlignment(Qt::AlignCenter);
    }
    lblCMD[3]->setGeometry(305, 45, 36, 36);
    lblCMD[3]->setText(QStringLiteral("예약"));
    txtA2[0] = new CrLfTextBox(column);
    txtA2[0]->setObjectName(QStringLiteral("txtA2"));
    txtA2[0]->setGeometry(36, 75, 300, 41);
    picA[0] = new PictureLabel(column, 0);
    picA[0]->setObjectName(QStringLiteral("picA"));
    picA[0]->setGeometry(201, 120, 71, 26);
    picA[0]->setAutoFillBackground(true);
    CMD[20]->setParent(column);
    CMD[20]->setGeometry(276, 120, 60, 25);
    CMD[20]->setCaption(QStringLiteral("수정"));

    const QFont counterFont(QStringLiteral("나눔고딕"), 12);
    lb직전예약 = label(column, QStringLiteral("lb직전예약"), QRect(6, 150, 334, 22));
    lb총예약수 = label(column, QStringLiteral("lb총예약수"), QRect(6, 174, 80, 22));
    lb총예약인원 = label(column, QStringLiteral("lb총예약인원"), QRect(90, 174, 80, 22));
    lb예약취소 = label(column, QStringLiteral("lb예약취소"), QRect(174, 174, 80, 22));
    lb노쇼 = label(column, QStringLiteral("lb노쇼"), QRect(258, 174, 80, 22));
    for (QLabel* counter : {lb직전예약, lb총예약수, lb총예약인원, lb예약취소, lb노쇼})
        counter->setFont(counterFont);

    static const std::array<QString, 3> headers{QStringLiteral("통화목록"), QStringLiteral("예약이력"),
                                                QStringLiteral("검색결과")};
    for (int i = 0; i < 3; ++i) {
        picFrame[i] = panel(column, QStringLiteral("picFrame"));
        imgMid[i] = label(picFrame[i], QStringLiteral("imgMid"), QRect());
        imgBot[i] = label(picFrame[i], QStringLiteral("imgBot"), QRect());
        SPR[i + 1] = new SpreadGrid(picFrame[i]);
        lblCMD[i]->setParent(picFrame[i]);
        lblCMD[i]->setGeometry(260, 0, 81, 36);
        lblCMD[i]->setText(headers[i]);
    }
    for (int i = 0; i < 4; ++i) {
        SPR[i]->setObjectName(QStringLiteral("SPR"));
        SPR[i]->SetName(QStringLiteral("SPR"));
    }
}
