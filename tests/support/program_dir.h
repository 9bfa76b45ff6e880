#pragma once

#include "support/scoped_env.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder ($VMR_PROGRAM_DIR) for the life of the object.
class TempProgramDir
{
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.path() + "/" + name; }
    // Reads a file of the folder as UTF-8 text ("" when it is missing).
    QString read(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
    ScopedEnv m_env{"VMR_PROGRAM_DIR", m_dir.path().toLocal8Bit()};
};
