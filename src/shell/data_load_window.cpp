#include "shell/data_load_window.h"

#include "core/date_time.h"
#include "core/file_exists.h"
#include "core/file_services.h"
#include "core/install_values.h"
#include "core/log.h"
#include "core/error_line.h"
#include "core/number_format.h"
#include "core/send_once.h"
#include "core/settings.h"
#include "platform/message_box.h"
#include "platform/program_exit.h"
#include "platform/program_folder.h"
#include "platform/window_effects.h"
#include "shell/patch_build.h"
#include "shell/patch_download_timing.h"
#include "shell/patch_downloader.h"
#include "shell/patch_tables.h"
#include "shell/shell_globals.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>

namespace {

constexpr int kWidth = 370;
constexpr int kHeight = 136;
constexpr int kWriteToFileFailed = 3004;

QString skinFile(const QString& name)
{
    return gSkinPath + "/" + name;
}

QString downloadAddress()
{
    return DownloadHost() + "/cc/" + gPatchFile;
}

bool saveFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The download's error line, kept out of the main log as the download's handler does.
void logDownloadError(int number, const QString& description)
{
    LogErrorToIni(frmDataLoad::FormName(), QStringLiteral("VMR_program_patch"), 8, number, description,
                  QStringLiteral("<e>"));
}

} // namespace

frmDataLoad::frmDataLoad()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, kWidth, kHeight);
    pMsgTitle = new QLabel(this);
    pMsgTitle->setGeometry(28, 61, 336, 12);
    pBar = new QProgressBar(this);
    pBar->setGeometry(27, 80, 237, 13);
    pBar->setTextVisible(false);
    pMsgCount = new QLabel(this);
    pMsgCount->setGeometry(274, 78, 75, 15);
    QFont countFont(QStringLiteral("굴림"));
    countFont.setPointSize(9);
    countFont.setBold(true);
    pMsgCount->setFont(countFont);
    pMsgDetail = new QLabel(this);
    pMsgDetail->setGeometry(28, 100, 336, 31);
    cmdEnd = new QPushButton(QStringLiteral("종  료"), this);
    cmdEnd->setGeometry(282, 20, 65, 29);
    QObject::connect(cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });
}

void frmDataLoad::Form_Load()
{
    resize(kWidth, kHeight);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(kWidth / 2, kHeight / 2));
    pMsgTitle->clear();
    pMsgDetail->clear();
    pMsgCount->clear();
    if (FileExists(skinFile("01001.jpg")))
        m_background->setPixmap(QPixmap(skinFile("01001.jpg")));
    QString buttonStyle;
    const QList<QPair<QString, QString>> states = {
        {"QPushButton", "btn0.jpg"}, {"QPushButton:hover", "btn1.jpg"}, {"QPushButton:pressed", "btn2.jpg"}};
    for (const auto& [state, picture] : states)
        if (FileExists(skinFile(picture)))
            buttonStyle += state + " { border-image: url(" + skinFile(picture) + "); }";
    cmdEnd->setStyleSheet(buttonStyle);
    FormRound(*this, 12);
    QApplication::restoreOverrideCursor();
}

void frmDataLoad::Form_Activate()
{
    if (!m_FirstActivated) {
        MsgDebug(TraceLine(FormName(), "Form_Activate", "Quit"));
        return;
    }
    MsgDebug(TraceLine(FormName(), "Form_Activate", "Enter"));
    m_FirstActivated = false;
    QPointer<frmDataLoad> self(this);
    VMR_program_patch();
    if (self)
        UnloadForm(FormName());
}

void frmDataLoad::cmdEnd_Click()
{
    if (m_DataLoadUpdateType != 0)
        return;
    if (MsgBox(QStringLiteral("프로그램을 종료하시겠습니까?"), MsgStyle::YesNo, QStringLiteral("종료"))
        != MsgResult::Yes)
        return;
    UnloadForm(FormName());
    EndProgram();
}

void frmDataLoad::SetPatchProgress(double value, double maximum)
{
    pBar->setMaximum(int(maximum));
    pBar->setValue(int(value));
}

void frmDataLoad::showText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->repaint();
}

bool frmDataLoad::showPercent(int percent)
{
    QPointer<frmDataLoad> self(this);
    showText(pMsgDetail, QString::number(percent) + "% ... XmlHttp 다운로드");
    SetPatchProgress(percent, 100);
    QCoreApplication::processEvents();
    return bool(self);
}

void frmDataLoad::VMR_program_patch()
{
    MsgDebug(TraceLine(FormName(), "VMR_program_patch", "Enter"));
    QPointer<frmDataLoad> self(this);
    EndStrayDownloaders(0);
    if (!self)
        return;
    const QString path = PatchFilePath();
    QFile::remove(path);
    const int start = GetTickCountMS();
    QString downloader = QStringLiteral("W");
    m_downloaderPid = StartDownloader(downloadAddress());
    showText(pMsgTitle, QStringLiteral("패치 파일 다운로드 중 (WGET) ..."));
    showText(pMsgCount, QString());
    Outcome outcome = watchDownloader(start);
    if (outcome == Outcome::Complete) {
        WaitForDownloaderExit(m_downloaderPid, CurrentPatchDownloadTiming().exitLimit);
    } else if (outcome != Outcome::Gone) {
        EndStrayDownloaders(m_downloaderPid);
        if (self && outcome == Outcome::NotStarted) {
            downloader = QStringLiteral("X");
            outcome = downloadByHttp();
        }
    }
    if (!self || outcome == Outcome::Gone)
        return;
    if (outcome == Outcome::Failed)
        finishFailed(downloader);
    else if (FileExists(path) && GetFileSize(path) > 0 && GetFileSize(path) == gPatchSize)
        finishGood(downloader);
}

frmDataLoad::Outcome frmDataLoad::watchDownloader(int start)
{
    const PatchDownloadTiming& timing = CurrentPatchDownloadTiming();
    QPointer<frmDataLoad> self(this);
    for (;;) {
        const int size = GetFileSize(PatchFilePath());
        showText(pMsgDetail, FormatNumber(size) + "/" + FormatNumber(gPatchSize) + " ... 다운로드");
        SetPatchProgress(size, gPatchSize);
        Delay(timing.watchInterval);
        if (!self)
            return Outcome::Gone;
        const int elapsed = GetTickCountMS() - start;
        if (size >= gPatchSize)
            return Outcome::Complete;
        if (elapsed > timing.startLimit && size < 10)
            return Outcome::NotStarted;
        if (elapsed > timing.downloadLimit)
            return Outcome::Failed;
    }
}

frmDataLoad::Outcome frmDataLoad::downloadByHttp()
{
    const PatchDownloadTiming& timing = CurrentPatchDownloadTiming();
    QPointer<frmDataLoad> self(this);
    showText(pMsgTitle, QStringLiteral("패치 파일 다운로드 중 (XmlHttp) ..."));
    QNetworkAccessManager network;
    QNetworkReply* reply = SendOnce(network, QNetworkRequest(QUrl("http://" + downloadAddress())), "GET");
    if (!showPercent(10))
        return Outcome::Gone;
    const int start = GetTickCountMS();
    while (!reply->isFinished()) {
        if (GetTickCountMS() - start > timing.downloadLimit) {
            reply->abort();
            return Outcome::Failed;
        }
        Delay(timing.waitInterval);
        if (!self)
            return Outcome::Gone;
    }
    // Reset before its head came or cut short: a failed download. Any whole answer is saved.
    const QNetworkReply::NetworkError error = SentOnceError(*reply);
    if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid() || IsTransportError(error)) {
        logDownloadError(int(error), SentOnceErrorString(*reply));
        return Outcome::Failed;
    }
    const QByteArray body = reply->readAll();
    if (!showPercent(50) || !showPercent(65))
        return Outcome::Gone;
    if (!saveFile(PatchFilePath(), body)) {
        logDownloadError(kWriteToFileFailed, QStringLiteral("Write to file failed."));
        return Outcome::Failed;
    }
    return showPercent(100) ? Outcome::Complete : Outcome::Gone;
}

void frmDataLoad::finishGood(const QString& downloader)
{
    WritePatchState(gPatchVersion, QStringLiteral("Success"));
    VMR_PutPatchHistory(downloader, QStringLiteral("T"));
    gIniWork.setFileName(AppFile("ForceUpgrade.ini"));
    gIniWork.WriteValue(QStringLiteral("Upgrade"), QStringLiteral("ForceUpgrade"), true);
    StartPatchBuild();
    EndProgram();
}

void frmDataLoad::finishFailed(const QString& downloader)
{
    QFile::remove(PatchFilePath());
    WritePatchState(gPatchVersion, QStringLiteral("Failure"));
    VMR_PutPatchHistory(downloader, QStringLiteral("F"));
    MsgBox(QStringLiteral("프로그램 다운로드에 실패했습니다!"), MsgStyle::Critical, QStringLiteral("프로그램 패치"));
    QCoreApplication::processEvents();
}
