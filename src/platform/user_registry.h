#pragma once

#include <QString>

// The user's registry settings: per-user values such as the saved login, kept by application,
// section and key. Each application has one INI file, $XDG_CONFIG_HOME/<application>/registry.ini
// ($XDG_CONFIG_HOME defaults to ~/.config), written through our INI class.
class UserRegistry
{
public:
    // The stored text, or the default when the file, section or key is missing.
    static QString GetSetting(const QString& application, const QString& section, const QString& key,
                              const QString& defaultValue = QString());
    // Stores the text, creating the application's folder and file when they are missing.
    static bool SaveSetting(const QString& application, const QString& section, const QString& key,
                            const QString& value);

    // The file of an application.
    static QString FilePath(const QString& application);
};
