#include "platform/user_registry.h"
#include "support/user_registry_dir.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(UserRegistry, SavedValuesComeBackPerApplicationInTheirOwnFile)
{
    TempUserRegistry registry;
    EXPECT_EQ(UserRegistry::GetSetting("VmrZLM", "Login", "A", "False◈False◈◈"), "False◈False◈◈");
    EXPECT_EQ(UserRegistry::GetSetting("QTRWZ", "Vexil", "MAC"), "");

    ASSERT_TRUE(UserRegistry::SaveSetting("VmrZLM", "Login", "A", "True◈True◈가게◈pw"));
    ASSERT_TRUE(UserRegistry::SaveSetting("QTRWZ", "Vexil", "MAC", "00:1A:2B:3C:4D:5E"));
    ASSERT_TRUE(UserRegistry::SaveSetting("VmrZLM", "Login", "A", "True◈False◈가게◈pw"));

    EXPECT_EQ(UserRegistry::GetSetting("VmrZLM", "Login", "A"), "True◈False◈가게◈pw");
    EXPECT_EQ(UserRegistry::GetSetting("vmrzlm", "login", "a"), "");   // another application folder
    EXPECT_EQ(UserRegistry::GetSetting("QTRWZ", "Vexil", "MAC"), "00:1A:2B:3C:4D:5E");
    EXPECT_EQ(UserRegistry::FilePath("VmrZLM"), registry.path() + "/VmrZLM/registry.ini");
    EXPECT_TRUE(QFile::exists(registry.path() + "/QTRWZ/registry.ini"));
}
