#include "shell/main_window.h"

#include "callerid/service_control.h"
#include "core/converters.h"
#include "core/error_line.h"
#include "core/file_exists.h"
#include "core/grid_helpers.h"
#include "core/log.h"
#include "core/login_values.h"
#include "core/number_format.h"
#include "core/settings.h"
#include "platform/mdi_child.h"
#include "platform/message_box.h"
#include "platform/outside_events.h"
#include "platform/pictures.h"
#include "platform/program_exit.h"
#include "platform/vb_color.h"
#include "platform/window_effects.h"
#include "server/call_backlog.h"
#include "shell/saved_login.h"
#include "shell/shell_globals.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSizeGrip>

namespace {

const QString kWindow = QStringLiteral("frmMainMDI");
const QString kSet = QStringLiteral("SET");
constexpr int kTopBarHeight = 39;
constexpr int kStripHeight = 74;
constexpr int kMinimumWidth = 1024;
constexpr int kMinimumHeight = 768;

void setTextColor(QLabel& label, const QColor& color)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, color);
    label.setPalette(palette);
}

// A whole number of pixels from section "SET"; the default, with an error line, when the stored
// text is not a number.
int readSetPixels(const QString& key, int defaultValue)
{
    const QString text = gIniFrshop.ReadValue(kSet, key, defaultValue).toString();
    if (!Trim(text).isEmpty() && IsNumber(Trim(text)))
        return ToLong(text);
    LogError(kWindow, QStringLiteral("MDIForm_Load"), 2, 13, "Type mismatch: [SET] " + key + "=" + text);
    return defaultValue;
}

} // namespace

frmMainMDI::frmMainMDI() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("ZLM"));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("MDIClient"));
    buildTopBar();
    buildCommands();
    connectCommands();
    auto* grip = new QSizeGrip(this);
    grip->setObjectName(QStringLiteral("sizeGrip"));
}

// The grids stop drawing their check cells from this window's pictures.
frmMainMDI::~frmMainMDI()
{
    if (BoundImgGlobal() == &imgGlobal)
        BindImgGlobal(nullptr);
}

void frmMainMDI::buildTopBar()
{
    for (int i = 0; i < 2; ++i) {
        BG[i] = new PictureLabel(this, i);
        BG[i]->setScaledContents(false);
        BG[i]->setAutoFillBackground(true);
        BG[i]->installEventFilter(this);
    }
    // The mini icon and the caller card grow the top bar over the strip.
    BG[0]->raise();
    // The filler lies under the shop name, which runs over it.
    imgMenu[0] = new QLabel(BG[0]);
    imgMenu[0]->hide();
    imgMenu[1] = new QLabel(BG[0]);
    imgMenu[1]->setScaledContents(true);
    lbl상호 = new QLabel(BG[0]);
    lbl상호->setIndent(124);
    for (int i = 0; i < 2; ++i)
        picMenu[i] = new QLabel(BG[0]);
    picMenu[0]->resize(550, kTopBarHeight);
    picMenu[1]->resize(255, kTopBarHeight);

    lbMiniView = new PictureLabel(BG[0]);
    lbMiniView->setGeometry(0, 0, 120, 120);
    lbMiniView->installEventFilter(this);
    for (int i = 0; i < 2; ++i)
        CMD[i] = new PanelButton(BG[0], i);
    sspTEL = new PanelButton(BG[0]);
    sspTel_Info = new QLabel(BG[0]);

    lbl버전 = new QLabel(picMenu[1]);
    lbl버전->setGeometry(5, 1, 180, 16);
    for (int i = 0; i < 3; ++i) {
        lbl남은문자[i] = new QLabel(picMenu[1]);
        lbl남은문자[i]->setGeometry(5 + i * 60, 19, 56, 18);
        lbl남은문자[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    cmdRefresh = new PictureLabel(picMenu[1]);
    cmdRefresh->setGeometry(190, 4, 30, 30);
    cmdAlarm = new PictureLabel(picMenu[1]);
    cmdAlarm->setGeometry(222, 4, 30, 30);

    static const std::array<QString, 6> captions{"예약관리", "문자전송", "좌석설정", "예약설정", "예약통계", "고객요청"};
    static const std::array<QColor, 6> textColors{QColor(23, 67, 155), QColor(23, 67, 155), QColor(64, 64, 64),
                                                  QColor(64, 64, 64),  QColor(23, 67, 155), QColor(64, 64, 64)};
    for (int i = 0; i < 6; ++i) {
        TopCMD[i] = new PanelButton(BG[1], i);
        TopCMD[i]->setGeometry(1 + i * 120, 0, 120, 32);
        TopCMD[i]->setCaption(captions[i]);
        TopCMD[i]->setTextColor(textColors[i]);
    }
    lbl현재작업 = new PictureLabel(BG[1]);
    lbl현재작업->setGeometry(731, 0, 280, 32);
    lbl현재작업->installEventFilter(this);
}

void frmMainMDI::buildCommands()
{
    lblClock = new QLabel(picMenu[0]);
    lblClock->setGeometry(0, 0, 100, kTopBarHeight);
    const auto textLabel = [this](const QString& caption, int left, int width) {
        auto* label = new PictureLabel(picMenu[0]);
        label->setText(caption);
        label->setGeometry(left, 10, width, 20);
        return label;
    };
    // Spread over the room between the clock and the picture commands, so that the texts stand
    // apart and the last ends before the download command's caption.
    lbl로그아웃 = textLabel(QString(), 102, 50);
    lblManual = textLabel(QStringLiteral("매뉴얼"), 156, 38);
    lbl문자내역 = textLabel(QStringLiteral("문자내역"), 197, 50);
    lblCID설정 = textLabel(QStringLiteral("CID설정"), 250, 45);
    const std::array<PictureLabel**, 5> hotSpots{&lbl다운로드, &lblAS, &lblMinimize, &lblMaximize, &lblTerminate};
    for (int i = 0; i < 5; ++i) {
        *hotSpots[i] = new PictureLabel(picMenu[0]);
        (*hotSpots[i])->setGeometry(295 + i * 51, 0, 50, 40);
    }
}

void frmMainMDI::connectCommands()
{
    const auto onClick = [this](PictureLabel* label, void (frmMainMDI::*handler)()) {
        QObject::connect(label, &PictureLabel::clicked, this, [this, handler] { (this->*handler)(); });
    };
    onClick(lbl로그아웃, &frmMainMDI::lbl로그아웃_Click);
    onClick(lbl문자내역, &frmMainMDI::lbl문자내역_Click);
    onClick(lblCID설정, &frmMainMDI::lblCID설정_Click);
    onClick(lbl다운로드, &frmMainMDI::lbl다운로드_Click);
    onClick(lblManual, &frmMainMDI::lblManual_Click);
    onClick(lblAS, &frmMainMDI::lblAS_Click);
    onClick(lblMinimize, &frmMainMDI::lblMinimize_Click);
    onClick(lblMaximize, &frmMainMDI::lblMaximize_Click);
    onClick(lblTerminate, &frmMainMDI::lblTerminate_Click);
    onClick(cmdRefresh, &frmMainMDI::cmdRefresh_Click);
    onClick(cmdAlarm, &frmMainMDI::cmdAlarm_Click);
    connectTopButtons();
    connectCallerCard();
}

void frmMainMDI::Form_Load()
{
    m_EventPrevent = true;
    startTimers();
    hookCallEvents();
    setGeometry(readSetPixels(QStringLiteral("X"), 0), readSetPixels(QStringLiteral("Y"), 0),
                readSetPixels(QStringLiteral("W"), kMinimumWidth), readSetPixels(QStringLiteral("H"), kMinimumHeight));
    gMDIClientW = (width() - 2) * gTwipsX;
    gMDIClientH = (height() - 114) * gTwipsY;
    loadTopBarPictures();
    Func_ReadSkin();
    BindImgGlobal(&imgGlobal);
    placeFixedControls();
    prepareTopButtons();
    cmdAlarm->showPicture(ImgBtn3, 13);
    cmdRefresh->setTag(QStringLiteral("On"));
    cmdRefresh->showPicture(ImgBtn3, 14);
    ShowShopHeader();
    lbl로그아웃->setText(QStringLiteral("로그아웃"));
    setTextColor(*lbl로그아웃, Qt::black);
    m_EventPrevent = false;
}

void frmMainMDI::ShowShopHeader()
{
    lbl현재작업->clear();
    lbl상호->setText(gStoreName);
    lbl버전->setText("ZLM v" + gVersionText);
}

bool frmMainMDI::Func_ReadSkin()
{
    return ReadMainWindowSkin(*this, {BG[0], CMD[0], CMD[1]}, gSkinPath);
}

// The pictures the top bar's groups carry by design, each only when its file exists.
void frmMainMDI::loadTopBarPictures()
{
    const std::array<std::pair<QLabel*, QString>, 3> pictures{{{picMenu[0], QStringLiteral("top_commands.gif")},
                                                               {picMenu[1], QStringLiteral("top_status.gif")},
                                                               {imgMenu[1], QStringLiteral("top_filler.gif")}}};
    for (const auto& [label, name] : pictures) {
        const QString path = gSkinPath + "/" + name;
        if (FileExists(path))
            label->setPixmap(QPixmap::fromImage(ReadPicture(path)));
    }
}

void frmMainMDI::placeFixedControls()
{
    BG[0]->setGeometry(0, 0, width(), kTopBarHeight);
    BG[1]->setGeometry(0, kTopBarHeight, width(), kStripHeight);
    CMD[0]->setGeometry(307, 5, 38, 70);
    sspTEL->setGeometry(89, 9, 211, 63);
    sspTEL->setCaption(QString());
    sspTEL->hide();
    sspTel_Info->setGeometry(5, 57, 76, 16);
    sspTel_Info->clear();
    sspTEL->raise();
    CMD[0]->raise();
}

void frmMainMDI::prepareTopButtons()
{
    for (PanelButton* button : TopCMD) {
        const QColor color = button->textColor();
        button->setTag(QString::number(VbRGB(color.red(), color.green(), color.blue())));
        button->setFrameLine(0);
        button->setCorner(5);
    }
}

void frmMainMDI::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("MDIForm_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("MDIForm_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    CID_ReStart();
    QPointer<frmMainMDI> self(this);
    Delay(1000);
    if (!self)
        return;
    if (!gArgQuickDev)
        TopCMD_Click(5);
    if (self)
        TopCMD_Click(0);
}

// The mini icon window is two pixels higher than the top bar's icon picture: the strip below is
// hidden meanwhile and the window continues the picture's last row there, so the icon shows alone.
void frmMainMDI::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_FloatingButton || !ImgIcon.Has(3))
        return;
    const QImage icon = ImgIcon.Item(3).toImage();
    QPainter(this).fillRect(rect(), icon.pixelColor(icon.width() / 2, icon.height() - 1));
}

void frmMainMDI::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_EventPrevent || isMinimized() || m_FloatingButton)
        return;
    if (!isMaximized() && (width() < kMinimumWidth || height() < kMinimumHeight))
        resize(qMax(width(), kMinimumWidth), qMax(height(), kMinimumHeight));
    layoutTopBar();
    gMDIClientW = (width() - 2) * gTwipsX;
    gMDIClientH = (height() - 114) * gTwipsY;
    m_client->setGeometry(1, kTopBarHeight + kStripHeight, width() - 2, height() - 114);
    if (QWidget* grip = findChild<QSizeGrip*>(QStringLiteral("sizeGrip")))
        grip->setGeometry(width() - 16, height() - 16, 16, 16);
    placeChildWindows();
}

void frmMainMDI::layoutTopBar()
{
    const int p = width();
    BG[0]->resize(p, BG[0]->height());
    BG[1]->setGeometry(0, kTopBarHeight, p, kStripHeight);
    picMenu[0]->move(p - 550 - 14, 0);
    picMenu[1]->move(p - 805 - 14, 0);
    imgMenu[1]->setGeometry(219, 0, imgMenu[1]->width(), kTopBarHeight);
    const int filler = picMenu[1]->x() - imgMenu[1]->x();
    if (filler > 1)
        imgMenu[1]->resize(filler, kTopBarHeight);
    lbl상호->setGeometry(0, 0, picMenu[1]->x() + 1, kTopBarHeight);
}

void frmMainMDI::placeChildWindows()
{
    const int clientWidth = m_client->width();
    const int clientHeight = m_client->height();
    for (QWidget* form : LoadedForms()) {
        if (form == this || !form->isVisible() || form->parentWidget() != m_client)
            continue;
        const QString name = form->objectName();
        if (name == QStringLiteral("frmB예약관리") || name == QStringLiteral("z01"))
            form->resize(clientWidth, clientHeight);
        form->move((clientWidth - form->width()) / 2, (clientHeight - form->height()) / 2);
        form->update();
    }
}

bool frmMainMDI::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblClock && event->type() == QEvent::MouseButtonDblClick) {
        lblClock_DblClick();
        return true;
    }
    const bool miniView = watched == lbMiniView;
    if (!miniView && watched != BG[0] && watched != BG[1] && watched != lbl현재작업)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_drag.press(*this, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseMove:
        m_drag.move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (!m_drag.release() && miniView)
            lbMiniView_DblClick();
        return true;
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void frmMainMDI::closeEvent(QCloseEvent* event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    event->ignore();
    showMinimized();
}

void frmMainMDI::WriteCreditLabels(int credit)
{
    const std::array<int, 3> divisors{15, 20, 45};
    const QColor color = credit / 45 >= 500 ? QColor(Qt::black) : QColor(255, 0, 0);
    for (int i = 0; i < 3; ++i) {
        lbl남은문자[i]->setText(FormatNumber(credit / divisors[i], QStringLiteral("#,##0")));
        setTextColor(*lbl남은문자[i], color);
    }
}

void frmMainMDI::ShowLoginLink(bool loggedIn)
{
    lbl로그아웃->setText(loggedIn ? QStringLiteral("로그아웃") : QStringLiteral("로그인"));
    setTextColor(*lbl로그아웃, loggedIn ? QColor(46, 144, 37) : QColor(170, 170, 170));
}

void frmMainMDI::mnuExit_Click()
{
    if (MsgBox(QStringLiteral("종료 하시겠습니까?"), MsgStyle::YesNo) != MsgResult::Yes)
        return;
    if (!gShopID.isEmpty() && !gShopPW.isEmpty() && !gStoreName.isEmpty())
        RewriteSavedLoginAccount(gShopID, gShopPW);
    TrayIconDelete(*this);
    if (!isMinimized() && !isMaximized() && !m_FloatingButton)
        saveFullGeometry();
    // The calls that came meanwhile are handled and every held row is written before the end.
    HandleQueuedOutsideEvents();
    WriteHeldCallsAtEnd();
    m_exiting = true;
    UnloadMdiChildren();
    UnloadForm(FormName());
    EndProgram(0);
}

void frmMainMDI::saveFullGeometry()
{
    gIniFrshop.WriteValue(kSet, QStringLiteral("W"), width());
    gIniFrshop.WriteValue(kSet, QStringLiteral("H"), height());
    gIniFrshop.WriteValue(kSet, QStringLiteral("X"), x());
    gIniFrshop.WriteValue(kSet, QStringLiteral("Y"), y());
}

QRect frmMainMDI::savedFullGeometry() const
{
    const auto read = [](const QString& key, int defaultValue) {
        return ToLong(gIniFrshop.ReadValue(kSet, key, defaultValue));
    };
    return QRect(read(QStringLiteral("X"), 0), read(QStringLiteral("Y"), 0),
                 read(QStringLiteral("W"), kMinimumWidth), read(QStringLiteral("H"), kMinimumHeight));
}
