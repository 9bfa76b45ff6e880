#include "platform/wait_picture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPixmap>

WaitPicture::WaitPicture(QWidget* window) : QLabel(window)
{
    resize(100, 100);
    imgWait = new QLabel(this);
    imgWait->setGeometry(16, 16, 64, 64);
    imgWait->setScaledContents(true);
    hide();
}

void WaitPicture::setUp(const QString& pictureFile)
{
    if (QFileInfo::exists(pictureFile))
        imgWait->setPixmap(QPixmap(pictureFile));
    if (QWidget* window = parentWidget())
        move((window->width() - width()) / 2, (window->height() - height()) / 2);
    hide();
}

void WaitPicture::showWait()
{
    raise();
    show();
    QCoreApplication::processEvents();
}
