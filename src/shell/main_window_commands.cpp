#include "shell/main_window.h"

#include "core/converters.h"
#include "core/install_values.h"
#include "core/login_values.h"
#include "core/settings.h"
#include "messaging/message_history_window.h"
#include "platform/mdi_child.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "platform/program_launcher.h"
#include "platform/rounded_region.h"
#include "platform/window_effects.h"
#include "server/server_globals.h"
#include "shell/login_window.h"

#include <QPointer>

namespace {

const QString kSet = QStringLiteral("SET");
// The remote-support client in the program folder.
const QString kRemoteSupportProgram = QStringLiteral("VmrRemoteSupport");

void writePixels(const QString& key, int pixels)
{
    gIniFrshop.WriteValue(kSet, key, pixels);
}

} // namespace

void frmMainMDI::lbl로그아웃_Click()
{
    if (lbl로그아웃->text() == QStringLiteral("로그아웃")) {
        if (MsgBox(QStringLiteral("로그아웃 하시겠습니까?"), MsgStyle::YesNo) != MsgResult::Yes)
            return;
        UnloadMdiChildren();
        gShopID.clear();
        gShopPW.clear();
        gStoreName.clear();
        lbl상호->setText(gStoreName);
        ShowLoginLink(false);
        return;
    }
    QPointer<frmMainMDI> self(this);
    frmLogin::m_ReLogin = true;
    frmLogin& login = Form<frmLogin>();
    login.m_FirstActivated = true;
    ShowFormModal(login);
    if (!self || gShopID.isEmpty())
        return;
    TopCMD_Click(5);
    if (self)
        TopCMD_Click(0);
}

void frmMainMDI::showOverHalfTransparent(const QString& title, const std::function<void()>& showModal)
{
    QPointer<frmMainMDI> self(this);
    SetTranslucent(*this, 50);
    lbl현재작업->setTag(lbl현재작업->text());
    lbl현재작업->setText(title);
    // Also when the window fails: the main window must not stay half transparent.
    const auto restore = [this, self] {
        if (!self)
            return;
        lbl현재작업->setText(lbl현재작업->tag());
        SetTranslucent(*this, 0);
    };
    try {
        showModal();
    } catch (...) {
        restore();
        throw;
    }
    restore();
    if (self)
        Highlight_TopCMD();
}

void frmMainMDI::lbl문자내역_Click()
{
    showOverHalfTransparent(QStringLiteral("[ 문자내역 ]"), [] {
        frmz문자내역& history = Form<frmz문자내역>();
        history.m_FirstActivated = true;
        ShowFormModal(history);
    });
}

void frmMainMDI::lblCID설정_Click()
{
    showOverHalfTransparent(QStringLiteral("[ CID 설정 ]"), [] {
        const QString name = QStringLiteral("frmzCID_설정");
        QWidget* window = FormByName(name);
        if (!window)
            return;
        FormEventsByName(name)->m_FirstActivated = true;
        ShowFormModal(*window);
    });
}

void frmMainMDI::lbl다운로드_Click()
{
    OpenUrl("http://" + DownloadHost() + "/cc/VomariZLM_Last.EXE");
}

void frmMainMDI::lblManual_Click()
{
    OpenUrl("https://" + BackendHost() + "/down/zlm메뉴얼.pdf");
}

void frmMainMDI::lblAS_Click()
{
    StartProgram(AppFile(kRemoteSupportProgram), {}, AppPath());
}

void frmMainMDI::lblMinimize_Click()
{
    lbMiniView_DblClick();
}

void frmMainMDI::lblMaximize_Click()
{
    if (isMaximized()) {
        showNormal();
        return;
    }
    saveFullGeometry();
    showMaximized();
}

void frmMainMDI::lblTerminate_Click()
{
    mnuExit_Click();
}

void frmMainMDI::cmdRefresh_Click()
{
    const bool on = cmdRefresh->tag() == QStringLiteral("On");
    cmdRefresh->setTag(on ? QString() : QStringLiteral("On"));
    cmdRefresh->showPicture(ImgBtn3, on ? 15 : 14);
}

void frmMainMDI::cmdAlarm_Click()
{
}

void frmMainMDI::lbMiniView_DblClick()
{
    if (width() >= 500)
        toMiniIcon();
    else
        toFullWindow();
}

void frmMainMDI::toMiniIcon()
{
    if (isMaximized())
        showNormal();
    m_FloatingButton = true;
    const int left = ToLong(gIniFrshop.ReadValue(kSet, QStringLiteral("MiniIconX"), x()));
    const int top = ToLong(gIniFrshop.ReadValue(kSet, QStringLiteral("MiniIconY"), y()));
    saveFullGeometry();
    setGeometry(left, top, 72, 61);
    setMask(RoundedRegion(71, 60, 20).translated(1, 1));
    SetTopMost(*this);
    BG[0]->resize(BG[0]->width(), 59);
    BG[0]->showPicture(ImgIcon, 3);
    BG[1]->hide();
    showTopBarGroups(false);
    if (ImgIcon.Has(4))
        CMD[0]->setPicture(ImgIcon.Item(4));
    sspTEL->show();
    sspTel_Info->setText(shopFeatures());
    sspTel_Info->show();
    CMD[0]->show();
    CMD[1]->hide();
}

void frmMainMDI::toFullWindow()
{
    m_FloatingButton = false;
    writePixels(QStringLiteral("MiniIconX"), x());
    writePixels(QStringLiteral("MiniIconY"), y());
    clearMask();
    setGeometry(savedFullGeometry());
    SetNoTopMost(*this);
    BG[0]->resize(BG[0]->width(), 39);
    BG[0]->showPicture(ImgIcon, 1);
    BG[1]->show();
    showTopBarGroups(true);
    sspTEL->hide();
    CMD[0]->hide();
    CMD[1]->hide();
}

void frmMainMDI::showTopBarGroups(bool shown)
{
    for (QWidget* group : {static_cast<QWidget*>(lbl상호), static_cast<QWidget*>(imgMenu[1]),
                           static_cast<QWidget*>(picMenu[0]), static_cast<QWidget*>(picMenu[1])})
        group->setVisible(shown);
}

QString frmMainMDI::shopFeatures() const
{
    QStringList features;
    if (gEzPosCheck)
        features << QStringLiteral("EZ");
    if (gOkPosCheck)
        features << QStringLiteral("OK");
    if (gGolfCheck)
        features << QStringLiteral("GOLF");
    if (gRobotUse)
        features << QStringLiteral("KT로봇");
    return features.join(QStringLiteral(", "));
}
