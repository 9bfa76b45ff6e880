#pragma once

#include "platform/window_registry.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The update download window: on its first activation it fetches the new build gPatchFile from
// the download host (with the program folder's "wget.exe" first, then with an HTTP GET), records
// the result in "Patch.ini" and the patch history, starts the new build and ends the program. A
// failed download is shown and recorded and leaves no partial file; after it, and after a
// download of the wrong size, the window closes and the login goes on.
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
    // Failed: the download timed out, broke off (its error is in the error log) or could not be
    // saved; the failure is shown and recorded and the partial file removed.
    enum class Outcome { Complete, NotStarted, Failed, Gone };

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
