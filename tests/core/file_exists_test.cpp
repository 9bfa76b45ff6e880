#include "core/file_exists.h"
#include "core/is_compiled.h"
#include "support/program_dir.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(FileExists, OnlyForFiles)
{
    TempProgramDir dir;
    dir.write("a.txt", "x");
    QDir().mkdir(dir.file("folder"));
    EXPECT_TRUE(FileExists(dir.file("a.txt")));
    EXPECT_FALSE(FileExists(dir.file("folder")));
    EXPECT_FALSE(FileExists(dir.file("missing.txt")));
    EXPECT_FALSE(FileExists(""));
}

TEST(IsCompiled, AlwaysTrue)
{
    EXPECT_TRUE(IsCompiled());
}
