#include "platform/user_registry.h"

#include "platform/ini_util.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString configHome()
{
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty())
        return configured;
    return QDir::homePath() + "/.config";
}

IniUtil fileOf(const QString& application)
{
    IniUtil ini;
    ini.setFileName(UserRegistry::FilePath(application));
    return ini;
}

} // namespace

QString UserRegistry::FilePath(const QString& application)
{
    return configHome() + "/" + application + "/registry.ini";
}

QString UserRegistry::GetSetting(const QString& application, const QString& section, const QString& key,
                                 const QString& defaultValue)
{
    return fileOf(application).ReadValue(section, key, defaultValue).toString();
}

bool UserRegistry::SaveSetting(const QString& application, const QString& section, const QString& key,
                               const QString& value)
{
    IniUtil ini = fileOf(application);
    if (!QDir().mkpath(QFileInfo(ini.FileName()).path()))
        return false;
    return ini.WriteValue(section, key, value);
}
