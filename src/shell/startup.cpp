#include "shell/startup.h"

#include "core/file_services.h"
#include "core/log.h"
#include "core/machine_identity.h"
#include "core/settings.h"
#include "core/system_info.h"
#include "platform/message_box.h"
#include "platform/program_exit.h"
#include "platform/program_folder.h"
#include "callerid/caller_id_settings.h"
#include "shell/command_line.h"
#include "shell/login_window.h"
#include "shell/schema_upgrade.h"
#include "shell/second_copy.h"
#include "shell/shell_globals.h"
#include "shell/window_makers.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

int twipsPerPixel(qreal dotsPerInch)
{
    return dotsPerInch > 0 ? qRound(1440.0 / dotsPerInch) : 15;
}

void setScreenScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    gTwipsX = twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 0);
    gTwipsY = twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 0);
    gTwipsX2 = gTwipsX;
    gTwipsY2 = gTwipsY;
    gFormStdW = gTwipsX * 1022;
    gFormStdH = gTwipsY * 654;
}

void setFolders()
{
    gSkinPath = AppFile(QStringLiteral("skin"));
    gSoundPath = AppFile(QStringLiteral("sound"));
    gMenuImgPath = AppFile(QStringLiteral("menu_img"));
    if (!FolderExists(gMenuImgPath)) {
        QString folder = gMenuImgPath;
        MakeDirectory(folder);
    }
}

void writeStartUpEntries()
{
    gVersionText = QStringLiteral("%1.%2.0.%3 #25").arg(VMR_VERSION_MAJOR).arg(VMR_VERSION_MINOR).arg(VMR_VERSION_REVISION);
    WriteLog(QString(40, QLatin1Char('=')));
    WriteLog("Version: " + gVersionText);
    gOS = GetWindowsVersionName() + (Is64BitOS() ? QStringLiteral(", 64비트") : QStringLiteral(", 32비트"));
    WriteLog("OS: " + gOS);
    const QString adapters = "NIC: " + GetNICInfo() + "\r\n";
    gMAC = GetMACAddress();
    WriteLog(adapters + "MAC: " + gMAC);
}

void pruneLogs()
{
    for (const char* pattern : {"??????.log", "??????_WinHttp.log", "??????_XmlHttp.log", "??????_WinHttp_1.log",
                                "??????_WinHttp_2.log", "??????_WinHttp_3.log", "??????_WinHttp_4.log"})
        로그_파일_삭제(QString::fromLatin1(pattern));
}

} // namespace

void Main()
{
    Main_Command_Argument_취득(QCoreApplication::arguments().mid(1).join(QLatin1Char(' ')));
    if (IsAnotherCopyRunning()) {
        const QString text = QStringLiteral("이미 실행중이어서 종료합니다!");
        MsgBox(text, MsgStyle::OkOnly + MsgStyle::Critical);
        WriteLog(text);
        EndProgram(0);
        return;
    }
    setScreenScale();
    gIniFrshop.setFileName(AppFile(QStringLiteral("Frshop.cfg")));
    setFolders();
    writeStartUpEntries();
    Upgrade_자료구조변경(AppPath());
    ReadCallerIdSettings();
    pruneLogs();
    RegisterWindowMakers();

    frmLogin::m_ReLogin = false;
    frmLogin& login = Form<frmLogin>();
    login.m_FirstActivated = true;
    ShowFormModeless(login);
}
