#pragma once

#include "support/loaded_forms.h"
#include "support/program_dir.h"
#include "support/user_registry_dir.h"

#include <QString>
#include <gtest/gtest.h>

// A temporary program folder with "Frshop.cfg" bound, a temporary user registry, empty login
// values and a fresh failure count; every window still loaded is unloaded at the end.
class ShellTest : public ::testing::Test
{
protected:
    ShellTest();
    ~ShellTest() override;

    // The main log of today, as text.
    QString mainLog() const;
    void writeSettings(const QByteArray& text) const { program.write("Frshop.cfg", text); }
    QString settingValue(const QString& section, const QString& key) const;
    QString savedLogin() const;
    void setSavedLogin(const QString& value) const;

    TempProgramDir program;
    TempUserRegistry registry;
};
