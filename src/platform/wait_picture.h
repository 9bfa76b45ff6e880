#pragma once

#include <QLabel>

// The wait picture of a window: a 100 × 100 box holding the busy picture (imgWait, 64 × 64 at
// 16, 16), centred in its window and hidden until a request runs.
class WaitPicture : public QLabel
{
public:
    explicit WaitPicture(QWidget* window);

    QLabel* imgWait;

    // Puts the busy picture file into imgWait (a missing file leaves it empty), centres the box in
    // its window and hides it.
    void setUp(const QString& pictureFile);
    // Brings the box in front of the other controls, shows it and lets pending events run once,
    // so that it paints before the request holds the window.
    void showWait();
};
