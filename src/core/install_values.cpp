#include "core/install_values.h"

#include <QtGlobal>

namespace {

QString valueOr(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name).trimmed();
    return value.isEmpty() ? fallback : value;
}

} // namespace

QString BackendHost()
{
    return valueOr("VMR_BACKEND_HOST", QStringLiteral("127.0.0.1:8780"));
}
