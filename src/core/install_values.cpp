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

QString PatchHost()
{
    return valueOr("VMR_PATCH_HOST", QStringLiteral("127.0.0.1:3306"));
}

QString PatchUser()
{
    return valueOr("VMR_PATCH_USER", QString());
}

QString PatchPassword()
{
    return valueOr("VMR_PATCH_PASSWORD", QStringLiteral("kep5830"));
}

QString DownloadHost()
{
    return valueOr("VMR_DOWNLOAD_HOST", BackendHost());
}

QString ImageBase()
{
    return valueOr("VMR_IMAGE_BASE", "http://" + BackendHost() + "/qrmainimg/");
}

QString CidKtHost()
{
    return valueOr("VMR_CID_KT_HOST", QStringLiteral("127.0.0.1:8781"));
}

QString CidLgHost()
{
    return valueOr("VMR_CID_LG_HOST", QStringLiteral("127.0.0.1:8782"));
}
