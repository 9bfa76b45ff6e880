#include "core/file_services.h"
#include "support/log_entries.h"
#include "support/program_dir.h"
#include "support/seams.h"
#include "support/small_disk.h"

#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

TEST(FileServices, MakeDirectoryCreatesEachMissingLevelAndWaitsAfterEach)
{
    TempProgramDir dir;
    QString path = dir.file("a/b/c");
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(MakeDirectory(path), "");
    EXPECT_GE(timer.elapsed(), 1490);   // three waits of 500 ms, read on another timer
    EXPECT_EQ(path, dir.file("a/b/c/"));
    EXPECT_TRUE(FolderExists(dir.file("a/b/c")));

    timer.restart();
    QString again = dir.file("a/b/c/");
    MakeDirectory(again);
    EXPECT_LT(timer.elapsed(), 400);
    EXPECT_EQ(again, dir.file("a/b/c/"));
}

TEST(FileServices, MakeDirectoryLogsAFolderItCannotCreate)
{
    TempProgramDir dir;
    dir.write("plain", "x");
    QString path = dir.file("plain/sub");
    MakeDirectory(path);
    EXPECT_FALSE(FolderExists(path));
    const QString log = dir.read(QDir(dir.path()).entryList({"*.log"}).value(0));
    EXPECT_TRUE(log.contains("e)lib_File->MakeDirectory(strPathName:=" + dir.file("plain/sub/") + ")[4]("))
        << log.toStdString();
}

TEST(FileServices, CopyReplacesTheTargetAndReportsAMissingSource)
{
    TempProgramDir dir;
    dir.write("VmrBooking.0.mdb", "template");
    dir.write("VmrBooking.mdb", "old cache that is longer");
    EXPECT_EQ(ShellFileCopy(dir.file("VmrBooking.0.mdb"), dir.file("VmrBooking.mdb")), 0);
    EXPECT_EQ(dir.read("VmrBooking.mdb"), "template");

    EXPECT_NE(ShellFileCopy(dir.file("missing.mdb"), dir.file("VmrBooking.mdb")), 0);
    EXPECT_NE(ShellFileCopy(dir.file("VmrBooking.0.mdb"), dir.file("no/such/folder.mdb")), 0);
    EXPECT_EQ(dir.read("VmrBooking.mdb"), "template");
}

// A disk that fills up during the copy is named as the cause, to the user and in the main log, and
// no part of the file is left.
TEST(FileServices, ACopyOntoAFullDiskNamesTheFullDisk)
{
    TempProgramDir dir;
    const QString small = dir.file("small");
    const SmallDisk disk(small, 64);
    if (!disk.mounted())
        GTEST_SKIP() << "no small file system can be mounted here";
    dir.write("VmrBooking.0.mdb", QByteArray(256 * 1024, 'x'));
    const QString target = small + "/VmrBooking.mdb";
    MessageBoxes().clear();

    EXPECT_EQ(ShellFileCopy(dir.file("VmrBooking.0.mdb"), target), 112);
    const QString text = "디스크 공간이 부족하여 '" + target + "' 파일을 만들 수 없습니다.";
    EXPECT_EQ(MessageBoxes().texts(), QStringList{text});
    EXPECT_TRUE(LogEntries().contains("e)lib_File->ShellFileCopy " + text));
    EXPECT_TRUE(QDir(small).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(FileServices, SizesAndFolderTests)
{
    TempProgramDir dir;
    dir.write("empty", "");
    dir.write("five", "12345");
    EXPECT_EQ(GetFileSize(dir.file("missing")), 0);
    EXPECT_EQ(GetFileSize(dir.file("empty")), 0);
    EXPECT_EQ(GetFileSize(dir.file("five")), 5);
    EXPECT_EQ(GetFileSize(dir.path()), 0);
    EXPECT_TRUE(FolderExists(dir.path()));
    EXPECT_FALSE(FolderExists(dir.file("five")));
    EXPECT_FALSE(FolderExists(""));
}
