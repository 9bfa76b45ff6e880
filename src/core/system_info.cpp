#include "core/system_info.h"

#include <QSysInfo>

namespace {

QString windows9xName(int minor)
{
    if (minor == 0)
        return QStringLiteral("Windows 95");
    if (minor == 90)
        return QStringLiteral("Windows Me");
    return QStringLiteral("Windows 98");
}

QString windowsNtName(int major, int minor)
{
    if (major == 3)
        return QStringLiteral("Windows NT 3.5");
    if (major == 4)
        return QStringLiteral("Windows NT 4.0");
    if (major == 5 && minor == 0)
        return QStringLiteral("Windows 2000");
    if (major == 5 && minor == 1)
        return QStringLiteral("Windows XP");
    if (major == 5 && minor == 2)
        return QStringLiteral("Windows Server 2003");
    if (major == 6 && minor == 0)
        return QStringLiteral("Windows Vista/Server 2008");
    if (major == 6 && minor == 1)
        return QStringLiteral("Windows 7/Server 2008 R2");
    return QStringLiteral("Windows NT");
}

} // namespace

QString WindowsVersionName(int platformId, int major, int minor)
{
    switch (platformId) {
    case 0: return QStringLiteral("Win32s on Windows 3.1");
    case 1: return windows9xName(minor);
    case 2: return windowsNtName(major, minor);
    default: return QString();
    }
}

QString GetWindowsVersionName()
{
    const QString name = QSysInfo::prettyProductName();
    if (name.isEmpty() || name == QLatin1String("Unknown"))
        return QStringLiteral("Unable to identify your version of Windows.");
    return name;
}

bool Is64BitOS()
{
    return QSysInfo::currentCpuArchitecture().contains(QLatin1String("64"));
}
