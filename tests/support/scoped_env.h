#pragma once

#include <QByteArray>

// Sets an environment variable for the life of the object, then puts the earlier state back.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const QByteArray& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    QByteArray m_previous;
    bool m_hadPrevious;
};
