#pragma once

#include <QString>
#include <QTemporaryDir>

// A process folder of the test's own, in place of "/proc", for the life of the object: the
// processes it lists are only those the test adds (by their command line).
class FakeProcessList
{
public:
    FakeProcessList();
    ~FakeProcessList();
    // A process with its command line (words ended by NUL) and, when given, its "exe" link.
    void add(qint64 pid, const QByteArray& commandLine, const QString& executable = QString());
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
