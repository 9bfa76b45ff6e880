#include "platform/program_folder.h"

#include <QCoreApplication>

QString AppPath()
{
    const QByteArray overridden = qgetenv("VMR_PROGRAM_DIR");
    if (!overridden.isEmpty())
        return QString::fromLocal8Bit(overridden);
    return QCoreApplication::applicationDirPath();
}

QString AppFile(const QString& name)
{
    return AppPath() + "/" + name;
}
