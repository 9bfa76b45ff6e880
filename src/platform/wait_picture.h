#pragma once

#include <QLabel>

// The wait picture of a window: the box picWait, 100 by 100 pixels, holding the panel imgWait at
// 16, 16 (64 by 64) with the picture "0106.gif" of the skin folder. Centred and hidden at load;
// shown in front while a backend request runs.
class WaitPicture : public QLabel
{
public:
    explicit WaitPicture(QWidget* window);

    QLabel* imgWait;

    // Takes "0106.gif" from the skin folder when the file exists; a missing file is skipped.
    void loadPicture(const QString& skinFolder);
    // Centred in its window and hidden, as a window's load leaves it.
    void centre();
    // Brought to the front and shown, then pending events run once so that it is drawn before the
    // request blocks. The window may be gone when this returns: callers guard with a QPointer.
    void showBeforeRequest();
};
