#include "support/program_dir.h"

#include <QFile>

TempProgramDir::TempProgramDir()
{
    m_hadPrevious = qEnvironmentVariableIsSet("VMR_PROGRAM_DIR");
    m_previous = qgetenv("VMR_PROGRAM_DIR");
    qputenv("VMR_PROGRAM_DIR", m_dir.path().toLocal8Bit());
}

TempProgramDir::~TempProgramDir()
{
    if (m_hadPrevious)
        qputenv("VMR_PROGRAM_DIR", m_previous);
    else
        qunsetenv("VMR_PROGRAM_DIR");
}

QString TempProgramDir::read(const QString& name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

void TempProgramDir::write(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}
