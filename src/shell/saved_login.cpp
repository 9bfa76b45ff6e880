#include "shell/saved_login.h"

#include "core/converters.h"
#include "platform/user_registry.h"
#include "shell/shell_globals.h"

namespace {

const QString kApplication = QStringLiteral("VmrZLM");
const QString kSection = QStringLiteral("Login");
const QString kKey = QStringLiteral("A");

QString storedValue()
{
    return UserRegistry::GetSetting(kApplication, kSection, kKey);
}

QString flagText(bool flag)
{
    return flag ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

QStringList ReadSavedLogin()
{
    const QStringList fields = storedValue().split(gSep);
    return fields.size() == 4 ? fields : kSavedLoginDefault.split(gSep);
}

QString ComposeSavedLogin(bool remember, bool autoLogin, const QString& id, const QString& password)
{
    const QString flags = flagText(remember) + gSep + flagText(autoLogin) + gSep;
    return remember ? flags + id + gSep + password : flags + gSep;
}

void WriteSavedLogin(const QString& value)
{
    UserRegistry::SaveSetting(kApplication, kSection, kKey, value);
}

void RewriteSavedLoginAccount(const QString& id, const QString& password)
{
    QStringList fields = storedValue().split(gSep);
    if (fields.size() < 4)
        fields = kSavedLoginDefault.split(gSep);
    const bool remember = ToBoolean(fields[0]);
    fields[2] = remember ? id : QString();
    fields[3] = remember ? password : QString();
    WriteSavedLogin(fields.mid(0, 4).join(gSep));
}
