#include "support/scoped_env.h"

#include <QtGlobal>

ScopedEnv::ScopedEnv(const char* name, const QByteArray& value)
    : m_name(name), m_previous(qgetenv(name)), m_hadPrevious(qEnvironmentVariableIsSet(name))
{
    qputenv(name, value);
}

ScopedEnv::~ScopedEnv()
{
    if (m_hadPrevious)
        qputenv(m_name, m_previous);
    else
        qunsetenv(m_name);
}
