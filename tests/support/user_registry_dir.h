#pragma once

#include "support/scoped_env.h"

#include <QString>
#include <QTemporaryDir>

// A temporary user registry ($XDG_CONFIG_HOME) for the life of the object.
class TempUserRegistry
{
public:
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    ScopedEnv m_env{"XDG_CONFIG_HOME", m_dir.path().toLocal8Bit()};
};
