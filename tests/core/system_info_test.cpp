#include "core/system_info.h"

#include <gtest/gtest.h>

TEST(SystemInfo, WindowsVersionNamesFollowPlatformMajorAndMinor)
{
    struct Case { int platform, major, minor; const char* name; };
    const Case cases[] = {
        {0, 9, 9, "Win32s on Windows 3.1"},
        {1, 4, 0, "Windows 95"},
        {1, 4, 90, "Windows Me"},
        {1, 4, 10, "Windows 98"},
        {2, 3, 51, "Windows NT 3.5"},
        {2, 4, 7, "Windows NT 4.0"},
        {2, 5, 0, "Windows 2000"},
        {2, 5, 1, "Windows XP"},
        {2, 5, 2, "Windows Server 2003"},
        {2, 5, 3, "Windows NT"},
        {2, 6, 0, "Windows Vista/Server 2008"},
        {2, 6, 1, "Windows 7/Server 2008 R2"},
        {2, 6, 2, "Windows NT"},
        {2, 10, 0, "Windows NT"},
        {3, 6, 1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WindowsVersionName(c.platform, c.major, c.minor), QString::fromUtf8(c.name))
            << c.platform << " " << c.major << "." << c.minor;
}

TEST(SystemInfo, RunningSystemHasAName)
{
    EXPECT_FALSE(GetWindowsVersionName().isEmpty());
#if defined(__x86_64__) || defined(__aarch64__)
    EXPECT_TRUE(Is64BitOS());
#endif
}
