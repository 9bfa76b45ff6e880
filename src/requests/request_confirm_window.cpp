#include "requests/request_confirm_window.h"

#include "core/error_line.h"
#include "core/screen_values.h"
#include "platform/message_box.h"
#include "platform/window_effects.h"
#include "requests/request_completion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

namespace {

const QString kWindow = QStringLiteral("frmz승인_고객요청_승인");
const QColor kBlue(0, 141, 238);
const QColor kGrey(128, 128, 128);

QLabel* makeLabel(QWidget* parent, const QRect& place, const QString& family, double points)
{
    auto* label = new QLabel(parent);
    label->setGeometry(place);
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(true);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

void setTextColor(QLabel& label, const QColor& color)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, color);
    label.setPalette(palette);
}

} // namespace

frmz승인_고객요청_승인::frmz승인_고객요청_승인() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("고객요청 확인"));
    setWindowModality(Qt::ApplicationModal);
    buildControls();
}

void frmz승인_고객요청_승인::buildControls()
{
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, 500, 570);
    const QString jalnan = QStringLiteral("여기어때 잘난체");
    const QString extraBold = QStringLiteral("나눔고딕 ExtraBold");
    lb이름 = makeLabel(this, QRect(160, 62, 307, 34), jalnan, 18);
    // As wide as the window leaves it, so that the whole date and time fit in the Nanum face.
    lb시간 = makeLabel(this, QRect(50, 143, 400, 29), extraBold, 14.25);
    lb이름->setWordWrap(false);
    lb시간->setWordWrap(false);
    lb테이블 = makeLabel(this, QRect(20, 260, 180, 99), jalnan, 24);
    lb테이블->setAlignment(Qt::AlignCenter);
    setTextColor(*lb테이블, Qt::white);
    lb메모 = makeLabel(this, QRect(220, 245, 240, 89), extraBold, 20.25);
    lblLabel = makeLabel(this, QRect(5, 410, 490, 33), extraBold, 15.75);
    lblLabel->setAlignment(Qt::AlignCenter);
    lblLabel->setText(QStringLiteral("고객요청이 제공되었으면 '완료'를 눌러 주세요."));
    setTextColor(*lblLabel, QColor(192, 0, 0));
    const std::array<QRect, 2> places{QRect(280, 490, 167, 54), QRect(55, 490, 167, 54)};
    const std::array<QString, 2> captions{QStringLiteral("완 료"), QStringLiteral("닫 기")};
    for (int i = 0; i < 2; ++i) {
        CMD[i] = new PanelButton(this, i);
        CMD[i]->setGeometry(places[i]);
        CMD[i]->setCaption(captions[i]);
        CMD[i]->setFont(lblLabel->font());
        QObject::connect(CMD[i], &PanelButton::clicked, this, [this, i] { CMD_Click(i); });
        QObject::connect(CMD[i], &PanelButton::mouseDown, this, [this, i] { CMD_MouseDown(i); });
        QObject::connect(CMD[i], &PanelButton::mouseUp, this, [this, i] { CMD_MouseUp(i); });
    }
    lblTerminate = new PictureLabel(this);
    lblTerminate->setGeometry(435, 15, 60, 55);
    QObject::connect(lblTerminate, &PictureLabel::clicked, this, [this] { lblTerminate_Click(); });
    picWait = new WaitPicture(this);
}

void frmz승인_고객요청_승인::Form_Load()
{
    Trace(kWindow, QStringLiteral("Form_Load"), QStringLiteral("Enter"));
    resize(500, 570);
    if (const QWidget* main = FindForm(QStringLiteral("frmMainMDI")))
        move(main->x() + (main->width() - width()) / 2, main->y() + (main->height() - height()) / 2);
    FormRound(*this, 7);
    Func_ReadSkin();
    for (int i = 0; i < 2; ++i) {
        const bool complete = i == 0;
        CMD[i]->setFaceColor(complete ? kBlue : QColor(Qt::white));
        CMD[i]->setTextColor(complete ? QColor(Qt::white) : QColor(Qt::black));
        CMD[i]->setFrameColor(complete ? kBlue : kGrey);
        CMD[i]->setFrameLine(3);
        CMD[i]->setCorner(3);
    }
    for (QLabel* label : {lb이름, lb시간, lb테이블, lb메모})
        label->clear();
}

bool frmz승인_고객요청_승인::Func_ReadSkin()
{
    const QString background = gSkinPath + QStringLiteral("/QA0014.gif");
    if (QFileInfo::exists(background))
        m_background->setPixmap(QPixmap(background));
    picWait->loadPicture(gSkinPath);
    picWait->centre();
    return true;
}

void frmz승인_고객요청_승인::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    lb이름->setText(m_이름);
    lb시간->setText(m_시간);
    lb테이블->setText(m_테이블);
    lb메모->setText(m_메모);
}

bool frmz승인_고객요청_승인::Check_고객요청()
{
    return CompleteTableRequest(*picWait, m_NumT);
}

// While the completion request runs, the window ignores its buttons: a pumped second press would
// send twice, and a close would unload the window under its own handler.
void frmz승인_고객요청_승인::CMD_Click(int index)
{
    if (m_completing)
        return;
    if (index == 1) {
        close고객요청();
        return;
    }
    QPointer<frmz승인_고객요청_승인> self(this);
    m_completing = true;
    const bool done = Check_고객요청();
    if (!self)
        return;
    m_completing = false;
    if (!done) {
        MsgBox(kCompletionFailed, MsgStyle::OkOnly);
        return;
    }
    if (auto* list = dynamic_cast<RequestListLink*>(FindForm(QStringLiteral("frmz승인_고객요청"))))
        list->m_Confirmed = true;
    close고객요청();
}

void frmz승인_고객요청_승인::lblTerminate_Click()
{
    if (!m_completing)
        UnloadForm(FormName());
}

void frmz승인_고객요청_승인::close고객요청()
{
    UnloadForm(FormName());
    QCoreApplication::processEvents();
}

void frmz승인_고객요청_승인::CMD_MouseDown(int index)
{
    PanelButton& button = *CMD[index];
    if (!button.isEnabled())
        return;
    button.setFaceColor(index == 0 ? QColor(Qt::white) : kGrey);
    button.setTextColor(index == 0 ? kBlue : QColor(Qt::white));
    button.repaint();
}

void frmz승인_고객요청_승인::CMD_MouseUp(int index)
{
    PanelButton& button = *CMD[index];
    if (!button.isEnabled())
        return;
    button.setFaceColor(index == 0 ? kBlue : QColor(Qt::white));
    button.setTextColor(index == 0 ? QColor(Qt::white) : kGrey);
    button.repaint();
}
