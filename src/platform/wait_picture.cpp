#include "platform/wait_picture.h"

#include <QCoreApplication>
#include <QFileInfo>

WaitPicture::WaitPicture(QWidget* window) : QLabel(window)
{
    setObjectName(QStringLiteral("picWait"));
    resize(100, 100);
    imgWait = new QLabel(this);
    imgWait->setObjectName(QStringLiteral("imgWait"));
    imgWait->setGeometry(16, 16, 64, 64);
    imgWait->setScaledContents(true);
    hide();
}

void WaitPicture::loadPicture(const QString& skinFolder)
{
    const QString file = skinFolder + "/0106.gif";
    if (QFileInfo(file).isFile())
        imgWait->setPixmap(QPixmap(file));
}

void WaitPicture::centre()
{
    if (QWidget* window = parentWidget())
        move((window->width() - width()) / 2, (window->height() - height()) / 2);
    hide();
}

void WaitPicture::showBeforeRequest()
{
    raise();
    show();
    QCoreApplication::processEvents();
}
