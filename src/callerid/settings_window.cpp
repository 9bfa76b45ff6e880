#include "callerid/settings_window.h"

#include "callerid/caller_id_settings.h"
#include "callerid/caller_id_values.h"
#include "callerid/service_control.h"
#include "callerid/service_controls.h"
#include "callerid/service_relogin.h"
#include "core/button_guard.h"
#include "core/error_line.h"
#include "core/file_exists.h"
#include "core/log.h"
#include "core/screen_values.h"
#include "platform/message_box.h"
#include "platform/rounded_region.h"
#include "platform/send_keys.h"
#include "platform/window_effects.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

const QString kWindow = QStringLiteral("frmzCID_설정");
const QColor kButtonBlue(0, 141, 238);
const QColor kConnectedGreen(0, 192, 0);
const QColor kDisconnectedRed(192, 0, 0);
constexpr int kLines = 4;

// The login and logout buttons of each line.
constexpr std::array<int, kLines> kLoginButton{7, 10, 12, 14};
constexpr std::array<int, kLines> kLogoutButton{8, 11, 13, 15};

QPixmap skinPicture(const QString& name)
{
    const QString path = gSkinPath + "/" + name;
    return FileExists(path) ? QPixmap(path) : QPixmap();
}

QLabel* caption(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

QCheckBox* checkBox(QWidget* parent, const QString& text, const QRect& place)
{
    auto* check = new QCheckBox(text, parent);
    check->setGeometry(place);
    return check;
}

void columnFrame(QWidget* parent, const QRect& place)
{
    auto* frame = new QFrame(parent);
    frame->setGeometry(place);
    frame->setFrameShape(QFrame::Box);
}

QLineEdit* box(QWidget* parent, const QRect& place)
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(place);
    return edit;
}

QLabel* statusLabel(QWidget* parent, const QRect& place)
{
    auto* label = new QLabel(parent);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void setTextColor(QLabel& label, const QColor& color)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, color);
    label.setPalette(palette);
}

int lineOfButton(int index, const std::array<int, kLines>& buttons)
{
    const auto found = std::find(buttons.begin(), buttons.end(), index);
    return found == buttons.end() ? -1 : int(found - buttons.begin());
}

} // namespace

frmzCID_설정::frmzCID_설정() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("CID 설정"));
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, 600, 450);
    m_background->setStyleSheet(QStringLiteral("background: white; border: 1px solid rgb(210, 210, 210); border-top: 40px solid rgb(28, 46, 92);"));
    lblTitle = caption(this, QString(), QRect(20, 12, 300, 26));
    lblTitle->setFont(QFont(QStringLiteral("나눔고딕"), 13, QFont::Bold));
    setTextColor(*lblTitle, Qt::white);
    lblTerminate = new PictureLabel(this);
    lblTerminate->setGeometry(540, 0, 60, 40);
    QObject::connect(lblTerminate, &PictureLabel::clicked, this, [this] { lblTerminate_Click(); });
    buildKtColumn();
    buildLgColumn();
    caption(this, QStringLiteral("고객전화 수신시 전화번호로 자동으로 고객을 검색합니다."), QRect(30, 392, 400, 20));
    buildButton(0, this, QStringLiteral("저    장"), QRect(465, 398, 115, 36));
    buildExtraLines();

    picWait = new QLabel(this);
    picWait->resize(100, 100);
    imgWait = new QLabel(picWait);
    imgWait->setGeometry(16, 16, 64, 64);
    imgWait->setScaledContents(true);
    EnterMovesFocus(*this);
}

void frmzCID_설정::buildKtColumn()
{
    columnFrame(this, QRect(20, 55, 270, 325));
    KT_사용 = checkBox(this, QStringLiteral("KT OpenAPI"), QRect(35, 70, 120, 22));
    KT_자동로그인 = checkBox(this, QStringLiteral("자동로그인"), QRect(170, 70, 105, 22));
    caption(this, QStringLiteral("아이디"), QRect(35, 105, 65, 24));
    kt_open_api_ID = box(this, QRect(105, 105, 170, 24));
    caption(this, QStringLiteral("비밀번호"), QRect(35, 135, 65, 24));
    kt_open_api_PW = box(this, QRect(105, 135, 170, 24));
    static const std::array<QString, 6> captions{"로그인", "로그아웃", "도움말", "환경설정", "회선청약", "비밀번호 찾기"};
    for (int i = 0; i < 6; ++i)
        buildButton(i + 1, this, captions[i], QRect(35 + (i % 2) * 122, 175 + (i / 2) * 38, 117, 32));
    kt_open_api_MSG = statusLabel(this, QRect(35, 295, 240, 75));
}

void frmzCID_설정::buildLgColumn()
{
    columnFrame(this, QRect(305, 55, 275, 325));
    LG_사용 = checkBox(this, QStringLiteral("LGU+ OpenAPI"), QRect(320, 70, 130, 22));
    LG_자동로그인 = checkBox(this, QStringLiteral("자동로그인"), QRect(460, 70, 105, 22));
    caption(this, QStringLiteral("아이디"), QRect(320, 105, 65, 24));
    lg_open_api_ID[0] = box(this, QRect(390, 105, 175, 24));
    caption(this, QStringLiteral("비밀번호"), QRect(320, 135, 65, 24));
    lg_open_api_PW[0] = box(this, QRect(390, 135, 175, 24));
    caption(this, QStringLiteral("IP(DCS)"), QRect(320, 165, 65, 24));
    lg_open_api_IP[0] = box(this, QRect(390, 165, 175, 24));
    buildButton(7, this, QStringLiteral("로그인"), QRect(320, 205, 120, 32));
    buildButton(8, this, QStringLiteral("로그아웃"), QRect(445, 205, 120, 32));
    buildButton(9, this, QStringLiteral("회선추가"), QRect(320, 243, 245, 32));
    lg_open_api_MSG[0] = statusLabel(this, QRect(320, 295, 245, 75));
}

void frmzCID_설정::buildExtraLines()
{
    picLGU = new QLabel(this);
    picLGU->setAutoFillBackground(true);
    picLGU->setStyleSheet(QStringLiteral("background: rgb(244, 246, 250);"));
    setTextColor(*caption(picLGU, QStringLiteral("회선 추가"), QRect(16, 0, 300, 34)), Qt::white);
    cmd회선추가 = new PictureLabel(picLGU);
    cmd회선추가->setGeometry(438, 0, 60, 34);
    QObject::connect(cmd회선추가, &PictureLabel::clicked, this, [this] { cmd회선추가_Click(); });
    for (int line = 1; line < kLines; ++line) {
        const int top = 40 + (line - 1) * 78;
        const QString number = QString::number(line + 1);
        caption(picLGU, "아이디" + number, QRect(15, top, 62, 24));
        lg_open_api_ID[line] = box(picLGU, QRect(80, top, 150, 24));
        caption(picLGU, "비밀번호" + number, QRect(245, top, 70, 24));
        lg_open_api_PW[line] = box(picLGU, QRect(318, top, 160, 24));
        lg_open_api_MSG[line] = statusLabel(picLGU, QRect(15, top + 32, 250, 36));
        buildButton(kLoginButton[line], picLGU, QStringLiteral("로그인"), QRect(275, top + 32, 100, 30));
        buildButton(kLogoutButton[line], picLGU, QStringLiteral("로그아웃"), QRect(380, top + 32, 100, 30));
    }
}

void frmzCID_설정::buildButton(int index, QWidget* parent, const QString& caption, const QRect& place)
{
    auto* button = new PanelButton(parent, index);
    button->setGeometry(place);
    button->setCaption(caption);
    CMD[index] = button;
    QObject::connect(button, &PanelButton::clicked, this, [this, index] { CMD_Click(index); });
    // Pressing swaps the face and text colours while the mouse button is held.
    const auto swap = [button] {
        if (!button->isEnabled())
            return;
        const QColor face = button->faceColor();
        button->setFaceColor(button->textColor());
        button->setTextColor(face);
    };
    QObject::connect(button, &PanelButton::mouseDown, this, [swap] { swap(); });
    QObject::connect(button, &PanelButton::mouseUp, this, [button] {
        button->setFaceColor(kButtonBlue);
        button->setTextColor(Qt::white);
    });
}

void frmzCID_설정::styleButton(PanelButton& button)
{
    button.setFaceColor(kButtonBlue);
    button.setTextColor(Qt::white);
    button.setFrameColor(kButtonBlue);
    button.setFrameLine(3);
    button.setCorner(3);
}

void frmzCID_설정::Form_Load()
{
    resize(600, 450);
    placeOnMainWindow();
    FormRound(*this, 7);
    Func_ReadSkin();
    picWait->move((width() - picWait->width()) / 2, (height() - picWait->height()) / 2);
    picWait->hide();
    lblTitle->setText(QStringLiteral("C I D   설 정"));
    picLGU->setGeometry(45, 85, 498, 279);
    picLGU->setMask(RoundedRegion(498, 279, 12));
    picLGU->hide();
    picLGU->raise();
    for (PanelButton* button : CMD)
        styleButton(*button);
}

void frmzCID_설정::placeOnMainWindow()
{
    const QWidget* main = FindForm(QStringLiteral("frmMainMDI"));
    if (!main)
        return;
    const QRect frame = main->geometry();
    move(frame.x() + (frame.width() - width()) / 2, frame.y() + (frame.height() - height()) / 2 + 10);
}

bool frmzCID_설정::Func_ReadSkin()
{
    const QPixmap background = skinPicture(QStringLiteral("0414c.gif"));
    if (!background.isNull()) {
        m_background->setStyleSheet(QString());
        m_background->setPixmap(background);
    }
    const QPixmap extraLines = skinPicture(QStringLiteral("0417.gif"));
    if (!extraLines.isNull()) {
        picLGU->setStyleSheet(QString());
        picLGU->setPixmap(extraLines);
    }
    const QPixmap wait = skinPicture(QStringLiteral("0106.gif"));
    if (!wait.isNull())
        imgWait->setPixmap(wait);
    return true;
}

void frmzCID_설정::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    Load_설정();
    showServiceStates();
}

bool frmzCID_설정::Load_설정()
{
    KT_자동로그인->setChecked(gCIDktAutoLogin);
    LG_자동로그인->setChecked(gCIDlgAutoLogin);
    KT_사용->setChecked(gCIDUseKT);
    LG_사용->setChecked(gCIDUseLG);
    kt_open_api_ID->setText(gCIDktID);
    kt_open_api_PW->setText(gCIDktPW);
    for (int line = 0; line < kLines; ++line) {
        lg_open_api_ID[line]->setText(gCIDlgID[line]);
        lg_open_api_PW[line]->setText(gCIDlgPW[line]);
    }
    lg_open_api_IP[0]->setText(gCIDlgIP[0]);
    picWait->hide();
    return true;
}

bool frmzCID_설정::Save_설정()
{
    QPointer<frmzCID_설정> self(this);
    if (MsgBox(QStringLiteral("설정을 저장하시겠습니까?"), MsgStyle::YesNo) != MsgResult::Yes || !self)
        return true;
    gCIDUseKT = KT_사용->isChecked();
    gCIDUseLG = LG_사용->isChecked();
    gCIDktAutoLogin = KT_자동로그인->isChecked();
    gCIDlgAutoLogin = LG_자동로그인->isChecked();
    gCIDktID = kt_open_api_ID->text();
    gCIDktPW = kt_open_api_PW->text();
    for (int line = 0; line < kLines; ++line) {
        gCIDlgID[line] = lg_open_api_ID[line]->text();
        gCIDlgPW[line] = lg_open_api_PW[line]->text();
    }
    gCIDlgIP[0] = lg_open_api_IP[0]->text();
    WriteCallerIdSettings();
    CID_ReStart();
    if (self && gCIDUseKT)
        showKtLoginResult();
    if (self)
        Load_설정();
    return true;
}

// The KT label ends with what the restart's login answered ("비밀번호 오류" ...), as after the login
// button; the event of the restart's own logout, waiting to be handled, is handled before.
void frmzCID_설정::showKtLoginResult()
{
    const QString result = gCIDktStatus;
    WriteLog("Save_설정() ... " + result);
    QPointer<frmzCID_설정> self(this);
    QCoreApplication::processEvents();
    if (self)
        kt_open_api_MSG->setText(result);
}

void frmzCID_설정::CMD_Click(int index)
{
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (guard.passed())
        runCommand(index);
}

void frmzCID_설정::runCommand(int index)
{
    switch (index) {
    case 0: Save_설정(); return;
    case 1:
        gCIDktID = kt_open_api_ID->text();
        gCIDktPW = kt_open_api_PW->text();
        {
            QPointer<frmzCID_설정> self(this);
            kt_open_api_Login();
            if (self)
                kt_open_api_MSG->setText(gCIDktStatus);
        }
        return;
    case 2: kt_open_api_Logout(); return;
    case 3: kt_open_api_Help(); return;
    case 4: kt_open_api_Config(); return;
    case 5: kt_open_api_LineJoin(); return;
    case 6: kt_open_api_FindPW(); return;
    case 9: picLGU->setVisible(picLGU->isHidden()); return;
    default: break;
    }
    if (const int line = lineOfButton(index, kLoginButton); line >= 0)
        lineLogin(line);
    else if (const int out = lineOfButton(index, kLogoutButton); out >= 0)
        lineLogout(out);
}

void frmzCID_설정::lineLogin(int line)
{
    gCIDlgID[line] = lg_open_api_ID[line]->text();
    gCIDlgPW[line] = lg_open_api_PW[line]->text();
    if (line == 0)
        gCIDlgIP[0] = lg_open_api_IP[0]->text();
    QPointer<frmzCID_설정> self(this);
    CMD_Click(kLogoutButton[line]);
    QCoreApplication::processEvents();
    if (!self)
        return;
    gCIDlgJobKind = 2;
    gCIDlgStatus[line].clear();
    lg_open_api_MSG[line]->clear();
    LGUBaseOpenApiX(line).LoginServer(gCIDlgID[line], gCIDlgPW[line], line == 0 ? gCIDlgIP[0] : QString());
}

void frmzCID_설정::lineLogout(int line)
{
    StopLgRelogin(line);
    gCIDlgJobKind = 4;
    gCIDlgStatus[line].clear();
    lg_open_api_MSG[line]->clear();
    LGUBaseOpenApiX(line).DisconnectServer();
}

void frmzCID_설정::cmd회선추가_Click()
{
    picLGU->hide();
}

void frmzCID_설정::lblTerminate_Click()
{
    UnloadForm(FormName());
}

void frmzCID_설정::showLineState(int line, const QString& text, bool connected)
{
    lg_open_api_MSG[line]->setText(text);
    setTextColor(*lg_open_api_MSG[line], connected ? kConnectedGreen : kDisconnectedRed);
}

void frmzCID_설정::showServiceStates()
{
    kt_open_api_MSG->setText(gCIDktStatus);
    for (int line = 0; line < kLines; ++line)
        showLineState(line, gCIDlgStatus[line], gCIDlgStatus[line] == kCidConnected);
}

frmzCID_설정* frmzCID_설정::Visible()
{
    auto* window = dynamic_cast<frmzCID_설정*>(FindForm(FormName()));
    return window && window->isVisible() ? window : nullptr;
}
