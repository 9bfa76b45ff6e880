#include "core/button_guard.h"
#include "support/program_dir.h"
#include "support/seams.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(ButtonGuard, LogsDisablesAndEnablesAgainOnEveryWayOut)
{
    TempProgramDir dir;
    ScopedFakeClock clock(QDateTime(QDate(2024, 4, 26), QTime(9, 0, 0, 7)));
    QWidget button;
    {
        ButtonGuard guard(&button, "CMD", 2);
        ASSERT_TRUE(guard.passed());
        EXPECT_FALSE(button.isEnabled());
    }
    EXPECT_TRUE(button.isEnabled());

    button.setEnabled(false);
    {
        ButtonGuard guard(&button, "CMD2", 10, " 010 ");
        EXPECT_FALSE(guard.passed());
    }
    EXPECT_FALSE(button.isEnabled());

    button.setEnabled(true);
    {
        ButtonGuard guard(&button, "TopCMD", 0);
        guard.keepDisabled();
    }
    EXPECT_FALSE(button.isEnabled());

    EXPECT_EQ(dir.read("240426.log"),
              "[09:00:00.007]CMD_Click Start CMD(2).Enabled := True\r\n"
              "[09:00:00.007]CMD_Click NextStep\r\n"
              "[09:00:00.007]CMD2_Click Start CMD2(10 010 ).Enabled := False\r\n"
              "[09:00:00.007]TopCMD_Click Start TopCMD(0).Enabled := True\r\n"
              "[09:00:00.007]TopCMD_Click NextStep\r\n");
}

TEST(ButtonGuard, AButtonDeletedByTheHandlerIsLeftAlone)
{
    TempProgramDir dir;
    auto* button = new QWidget;
    ButtonGuard guard(button, "CMD", 0);
    delete button;
}
