#pragma once

#include <QLabel>
#include <QString>

// The wait picture of a window that asks the backend: the box picWait (100 by 100) holding the
// panel imgWait (16, 16, 64 by 64) with "0106.gif" of the skin folder. Hidden but while a request
// runs.
class WaitPicture : public QLabel
{
public:
    explicit WaitPicture(QWidget* parent);

    QLabel* imgWait;

    // Takes "0106.gif" from the skin folder when it is there; a missing file is skipped.
    void LoadPicture(const QString& skinPath);
    // Centres the box in its window and hides it.
    void Centre();
    // Brings the box to the front, shows it and lets pending events run once, so that it is
    // drawn before the request blocks. The window may be gone on return: guard the caller.
    void ShowAndPump();
};
