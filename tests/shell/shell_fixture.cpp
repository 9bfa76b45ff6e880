#include "shell/shell_fixture.h"

#include "core/log.h"
#include "core/login_values.h"
#include "core/settings.h"
#include "platform/user_registry.h"
#include "shell/login_window.h"
#include "shell/shell_globals.h"

#include <QFileInfo>

ShellTest::ShellTest()
{
    gIniFrshop.setFileName(program.file("Frshop.cfg"));
    gSkinPath = program.file("skin");
    gShopID.clear();
    gShopPW.clear();
    gStoreName.clear();
    gShopNo.clear();
    gShopTel.clear();
    gArgQuickDev = false;
    gLoginFailCount = 0;
    frmLogin::m_ReLogin = false;
}

ShellTest::~ShellTest()
{
    UnloadAllForms();
    gIniFrshop.setFileName(QString());
}

QString ShellTest::mainLog() const
{
    return program.read(QFileInfo(LogFilePath()).fileName());
}

QString ShellTest::settingValue(const QString& section, const QString& key) const
{
    return gIniFrshop.ReadValue(section, key, QStringLiteral("<none>")).toString();
}

QString ShellTest::savedLogin() const
{
    return UserRegistry::GetSetting("VmrZLM", "Login", "A", "<none>");
}

void ShellTest::setSavedLogin(const QString& value) const
{
    UserRegistry::SaveSetting("VmrZLM", "Login", "A", value);
}
