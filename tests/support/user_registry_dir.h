#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary user registry ($XDG_CONFIG_HOME) for the life of the object.
class TempUserRegistry
{
public:
    TempUserRegistry();
    ~TempUserRegistry();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};
