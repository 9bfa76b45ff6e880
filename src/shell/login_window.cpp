#include "shell/login_window.h"

#include "core/answer_grammar.h"
#include "core/companion_starter.h"
#include "core/converters.h"
#include "core/error_line.h"
#include "core/log.h"
#include "core/login_values.h"
#include "platform/message_box.h"
#include "platform/program_exit.h"
#include "platform/program_folder.h"
#include "platform/window_effects.h"
#include "server/admin_shop_list.h"
#include "server/coupon_loader.h"
#include "server/message_credit.h"
#include "server/reservation_settings_loader.h"
#include "server/server_globals.h"
#include "server/shop_switches_loader.h"
#include "server/staff_loader.h"
#include "server/table_loader.h"
#include "shell/main_window.h"
#include "shell/saved_login.h"
#include "shell/self_update.h"
#include "shell/shell_globals.h"
#include "shell/shop_login.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>

int gLoginFailCount = 0;

namespace {

const QString kWindow = QStringLiteral("frmLogin");

QFont fieldFont()
{
    QFont font(QStringLiteral("여기어때 잘난체"), 24);
    font.setBold(true);
    return font;
}

QPixmap skinPicture(const QString& name)
{
    const QString path = gSkinPath + "/" + name;
    return FileExists(path) ? QPixmap(path) : QPixmap();
}

} // namespace

frmLogin::frmLogin() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("LOGIN"));
    buildControls();
}

void frmLogin::buildControls()
{
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, 450, 515);

    ID = new QLineEdit(this);
    ID->setGeometry(51, 243, 342, 38);
    PW = new QLineEdit(this);
    PW->setGeometry(51, 309, 342, 38);
    PW->setEchoMode(QLineEdit::Password);
    for (QLineEdit* box : {ID, PW}) {
        box->setFont(fieldFont());
        box->setFrame(false);
        box->installEventFilter(this);
    }

    const std::array<int, 2> toggleLeft{42, 230};
    for (int i = 0; i < 2; ++i) {
        chkLoadValue[i] = new PictureToggle(this);
        chkLoadValue[i]->setGeometry(toggleLeft[i], 367, 29, 29);
        chkLoadValue[i]->installEventFilter(this);
        QObject::connect(chkLoadValue[i], &QCheckBox::clicked, this, [this, i] { chkLoadValue_Click(i); });
    }
    setTabOrder(ID, PW);
    setTabOrder(PW, chkLoadValue[0]);
    setTabOrder(chkLoadValue[0], chkLoadValue[1]);

    lblLogin = new PictureLabel(this);
    lblLogin->setGeometry(50, 439, 350, 76);
    QObject::connect(lblLogin, &PictureLabel::clicked, this, [this] { lblLogin_Click(); });

    lbl앱이름 = new QLabel(QStringLiteral("ZLM (예약 매니저)"), this);
    lbl앱이름->setGeometry(130, 170, 166, 21);
    lbl앱이름->setFont(QFont(QStringLiteral("나눔고딕"), 9));
    lbl앱이름->setAlignment(Qt::AlignCenter);

    picWait = new QLabel(this);
    picWait->resize(100, 100);
    imgWait = new QLabel(picWait);
    imgWait->setGeometry(16, 16, 64, 64);
    imgWait->setScaledContents(true);
}

void frmLogin::loadPictures()
{
    const QPixmap background = skinPicture(QStringLiteral("0001.gif"));
    if (!background.isNull())
        m_background->setPixmap(background);
    const QPixmap wait = skinPicture(QStringLiteral("0106.gif"));
    if (!wait.isNull())
        imgWait->setPixmap(wait);
}

void frmLogin::Form_Load()
{
    resize(450, 515);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    loadPictures();
    picWait->move((width() - picWait->width()) / 2, (height() - picWait->height()) / 2);
    picWait->hide();
    FormRound(*this, 85);

    lblLogin->setEnabled(false);
    ID->clear();
    PW->clear();
    m_savedLogin = m_ReLogin ? kSavedLoginDefault.split(gSep) : ReadSavedLogin();
    chkLoadValue[0]->setChecked(ToBoolean(m_savedLogin[0]));
    chkLoadValue[1]->setChecked(ToBoolean(m_savedLogin[1]));
}

void frmLogin::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    if (m_savedLogin.size() != 4)
        return;
    if (ToBoolean(m_savedLogin[0])) {
        ID->setText(m_savedLogin[2]);
        PW->setText(m_savedLogin[3]);
    }
    if (ToBoolean(m_savedLogin[1])) {
        ID->setEnabled(false);
        PW->setEnabled(false);
        QPointer<frmLogin> self(this);
        Delay(100);
        if (self)
            lblLogin_Click();
        return;
    }
    lblLogin->setEnabled(true);
}

void frmLogin::chkLoadValue_Click(int index)
{
    if (index == 1)
        chkLoadValue[0]->setChecked(true);
}

void frmLogin::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!m_ReLogin) {
        EndProgram(0);
        return;
    }
    // Closed without logging in: the next re-login loads a fresh window with empty fields.
    UnloadForm(FormName());
}

bool frmLogin::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    if (watched == PW) {
        if (lblLogin->isEnabled())
            lblLogin_Click();
        return false;
    }
    focusNextChild();
    QCoreApplication::processEvents();
    return true;
}

void frmLogin::lblLogin_Click()
{
    QPointer<frmLogin> self(this);
    picWait->raise();
    picWait->show();
    QCoreApplication::processEvents();
    if (!self)
        return;
    const QString answer = PostShopLogin(ID->text(), PW->text());
    if (!self)
        return;
    picWait->hide();
    if (IsShopLoginSuccess(answer))
        loginSucceeded(answer);
    else
        loginFailed();
}

void frmLogin::enableInput()
{
    ID->setEnabled(true);
    PW->setEnabled(true);
    lblLogin->setEnabled(true);
}

void frmLogin::loginFailed()
{
    ++gLoginFailCount;
    if (gLoginFailCount >= 3) {
        MsgBox(QStringLiteral("로그인에 3번 실패하여 종료합니다."), MsgStyle::OkOnly + MsgStyle::Critical);
        EndProgram(0);
        return;
    }
    QPointer<frmLogin> self(this);
    MsgBox(QStringLiteral("로그인에 실패했습니다."), MsgStyle::OkOnly);
    gStoreName.clear();
    if (!self)
        return;
    if (m_ReLogin)
        Form<frmMainMDI>().ShowLoginLink(false);
    enableInput();
}

void frmLogin::loginSucceeded(const QString& answer)
{
    QPointer<frmLogin> self(this);
    if (!m_ReLogin)
        WriteSavedLogin(ComposeSavedLogin(chkLoadValue[0]->isChecked(), chkLoadValue[1]->isChecked(),
                                          ID->text(), PW->text()));
    if (const auto number = GetField(answer, QStringLiteral("번호["), QStringLiteral("]번호")))
        gShopNo = *number;
    if (const auto name = GetField(answer, QStringLiteral("storename["), QStringLiteral("]storename")))
        gStoreName = *name;
    gShopID = ID->text();
    gShopPW = PW->text();
    readShopTelephone();

    if (self)
        hide();
    QCoreApplication::processEvents();
    VMR_자동_업그레이드();
    Load_포스종류();
    Load_쿠폰();
    Read_설정();
    Read_직원();
    Read_좌석();

    frmMainMDI& main = Form<frmMainMDI>();
    main.ShowLoginLink(true);
    if (m_ReLogin) {
        main.ShowShopHeader();
    } else {
        main.m_FirstActivated = true;
        QPointer<frmMainMDI> shown(&main);
        ShowFormModeless(main);
        const int credit = ToLong(VMR_남은문자());
        if (shown)
            shown->WriteCreditLabels(credit);
    }
    if (!FileExists(AppFile(QStringLiteral("DenyExecDeamon.txt"))) && gRobotUse)
        VMR_로봇_죽었으면_살리기();
    if (self)
        UnloadForm(FormName());
}

void frmLogin::readShopTelephone()
{
    const auto shop = FindShopRecord(RequestAdminShopList(), gShopID);
    if (!shop)
        return;
    if (const auto tel = shop->get(QStringLiteral("tel["), QStringLiteral("]tel")))
        gShopTel = *tel;
}
