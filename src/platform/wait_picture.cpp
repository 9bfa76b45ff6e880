#include "platform/wait_picture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPixmap>

WaitPicture::WaitPicture(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("picWait"));
    resize(100, 100);
    imgWait = new QLabel(this);
    imgWait->setObjectName(QStringLiteral("imgWait"));
    imgWait->setGeometry(16, 16, 64, 64);
    imgWait->setScaledContents(true);
    hide();
}

void WaitPicture::LoadPicture(const QString& skinPath)
{
    const QString path = skinPath + QStringLiteral("/0106.gif");
    if (QFileInfo::exists(path))
        imgWait->setPixmap(QPixmap(path));
}

void WaitPicture::Centre()
{
    if (const QWidget* window = parentWidget())
        move((window->width() - width()) / 2, (window->height() - height()) / 2);
    hide();
}

void WaitPicture::ShowAndPump()
{
    raise();
    show();
    QCoreApplication::processEvents();
}
