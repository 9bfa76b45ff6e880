#pragma once

#include "platform/window_registry.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The update download window: on its first activation it fetches the new build gPatchFile from
// the download host (with the program folder's "wget.exe" first, then with an HTTP GET), records
// the result in "Patch.ini" and the patch history, starts the new build and ends the program; a
// failed or wrong download closes the window and the login goes on.
class frmDataLoad : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmDataLoad"); }

    frmDataLoad();

    // The kind of update; with 0 the end button asks before it ends the program.
    int m_DataLoadUpdateType = 0;

    void Form_Load() override;
    void Form_Activate() override;

    void cmdEnd_Click();
    void SetPatchProgress(double value, double maximum);
    void VMR_program_patch();

    QLabel* pMsgTitle = nullptr;
    QProgressBar* pBar = nullptr;
    QLabel* pMsgCount = nullptr;
    QLabel* pMsgDetail = nullptr;
    QPushButton* cmdEnd = nullptr;

private:
    // Broken: the download failed with an error, which is in the error log; the window closes
    // without a message.
    enum class Outcome { Complete, NotStarted, TimedOut, Gone, Broken };

    Outcome watchDownloader(int start);
    Outcome downloadByHttp();
    void showText(QLabel* label, const QString& text);
    // Shows the HTTP download's percentage and lets events run; false when the window went away.
    bool showPercent(int percent);
    void finishGood(const QString& downloader);
    void finishFailed(const QString& downloader);

    QLabel* m_background = nullptr;
    qint64 m_downloaderPid = 0;
};
