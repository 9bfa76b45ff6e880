#include "core/process_list.h"
#include "support/fake_process_list.h"
#include "support/program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A running copy of "sleep" under another file name.
class NamedProcess
{
public:
    explicit NamedProcess(const QString& name)
    {
        const QString program = m_dir.filePath(name);
        QFile::copy("/bin/sleep", program);
        m_process.start(program, {"30"});
        m_process.waitForStarted();
    }
    ~NamedProcess()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    qint64 pid() const { return m_process.processId(); }
    QProcess& process() { return m_process; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};

} // namespace

TEST(ProcessList, FindsARunningProgramByItsWholeNameInAnyCase)
{
    // A name of this test run alone: other test programs may run at the same time.
    const QString name = "VMRTestCompanion" + QString::number(QCoreApplication::applicationPid()) + ".exe";
    NamedProcess companion(name);
    ASSERT_GT(companion.pid(), 0);
    EXPECT_EQ(IsProcessExist(name.toLower()), companion.pid());
    EXPECT_EQ(IsProcessExist(name.toUpper()), companion.pid());
    EXPECT_EQ(IsProcessExist(name.mid(3)), 0);
    EXPECT_EQ(IsProcessExist(name.chopped(4)), 0);

    KillProcess(companion.pid());
    ASSERT_TRUE(companion.process().waitForFinished(5000));
    EXPECT_EQ(IsProcessExist(name), 0);
}

TEST(ProcessList, NamesLongerThanTheKernelsShortNameAreFoundFromTheCommandLine)
{
    FakeProcessList processes;
    QDir(processes.path()).mkpath("self");
    processes.add(812, QByteArray("/opt/shop/VeryLongCompanionName.exe\0--quiet\0", 45));
    EXPECT_EQ(IsProcessExist("verylongcompanionname.exe"), 812);
    EXPECT_EQ(IsProcessExist("quiet"), 0);
}

TEST(ProcessList, AnUnreadableProcessListAnswersMinusOneAndLogsIt)
{
    TempProgramDir dir;
    SetProcessListFolder(dir.file("no-such-folder"));
    EXPECT_EQ(IsProcessExist("VMRRobotMain.exe"), -1);
    SetProcessListFolder(QString());
    EXPECT_TRUE(dir.read(QDir(dir.path()).entryList({"*.log"}).value(0))
                    .contains("E)lib_misc->IsProcessExist(sExeName:=VMRRobotMain.exe)[Erl:=1](Eno:=2)"));
}

TEST(ProcessList, KillRefusesUnsafePids)
{
    KillProcess(0);
    KillProcess(QCoreApplication::applicationPid());
    SUCCEED();   // still running: neither the process group nor the program was signalled
}

TEST(ProcessList, KillRefusesPidsBeyondTheSystemsRange)
{
    // Cut to 32 bits, such a pid would name the child itself (or 0 / -1: the group, everything).
    NamedProcess child("VMRTestWrap" + QString::number(QCoreApplication::applicationPid()));
    ASSERT_GT(child.pid(), 0);
    KillProcess((qint64(1) << 32) + child.pid());
    EXPECT_FALSE(child.process().waitForFinished(300));
}
