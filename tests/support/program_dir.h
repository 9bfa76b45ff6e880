#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder ($VMR_PROGRAM_DIR) for the life of the object.
class TempProgramDir
{
public:
    TempProgramDir();
    ~TempProgramDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.path() + "/" + name; }
    // Reads a file of the folder as UTF-8 text ("" when it is missing).
    QString read(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};
