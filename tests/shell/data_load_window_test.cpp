#include "core/login_values.h"
#include "platform/window_registry.h"
#include "shell/data_load_window.h"
#include "fast_download_timing.h"
#include "shell/shell_globals.h"
#include "support/patch_server.h"
#include "support/program_dir.h"
#include "support/starting_launcher.h"
#include "support/scoped_env.h"
#include "support/seams.h"
#include "support/standin_fixture.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace {

const QString kBuild = QStringLiteral("VomariZLM_Last.EXE");
const QByteArray kBuildBytes = "#!/bin/sh\necho \"$@\" > started.txt\n";

class DownloadWindow : public PatchServerTest
{
protected:
    void SetUp() override
    {
        PatchServerTest::SetUp();
        gPatchType = "A";
        gPatchVersion = "3.1.0.170";
        gPatchSize = int(kBuildBytes.size());
        gPatchFile = kBuild;
        gStoreName = "한우마을";
        gMAC = "00:11:22:33:44:55";
    }
    void TearDown() override
    {
        UnloadForm(frmDataLoad::FormName());
        const qint64 pid = m_dir.read("wget.pid").trimmed().toLongLong();
        if (pid > 0)
            ::kill(pid_t(pid), SIGKILL);
    }

    void writeDownloader(const QByteArray& body)
    {
        m_dir.write("wget.exe", "#!/bin/sh\necho $$ > wget.pid\nprintf '%s' \"$1\" > wget-argument.txt\n" + body);
        QFile::setPermissions(m_dir.file("wget.exe"), QFile::permissions(m_dir.file("wget.exe")) | QFile::ExeOwner);
    }
    void serveBuild(const QByteArray& bytes, int delayMs = 0)
    {
        m_backend->script("/cc/" + kBuild, StandinReply::bytes(bytes).after(delayMs));
    }
    // Opens the window as the self-update decision does; it downloads on its first activation.
    void openWindow()
    {
        frmDataLoad& window = Form<frmDataLoad>();
        window.m_FirstActivated = true;
        window.m_DataLoadUpdateType = 0;
        ShowFormModal(window);
    }
    QString ini(const QString& name) const { return m_dir.read(name); }
    QStringList historyCodes()
    {
        QStringList codes;
        for (const QVariantList& row : server().rows("SELECT P_DOWN_PROG, P_DOWN_OK, P_VERSION FROM"
                                                     " mgmt.VMR_ZLM_PatchItemTB ORDER BY P_AUTO"))
            codes.append(row[0].toString() + "/" + row[1].toString() + " " + row[2].toString());
        return codes;
    }
    int cdRequests() { return int(m_backend.standin().requestsTo("/cc/" + kBuild).size()); }

    TempProgramDir m_dir;
    FastDownloadTiming m_timing;
    StandinFixture m_backend;
    ScopedEnv m_download{"VMR_DOWNLOAD_HOST", "127.0.0.1:" + QByteArray::number(m_backend.port())};
    StartingLauncher m_launcher;
};

} // namespace

TEST_F(DownloadWindow, GoodDownloadByTheDownloaderStartsTheNewBuildAndEnds)
{
    m_dir.write(kBuild, "an older build");
    m_dir.write("build.src", kBuildBytes);
    writeDownloader("cp build.src \"${1##*/}\"\n");
    openWindow();

    EXPECT_EQ(m_dir.read("wget-argument.txt"), "127.0.0.1:" + QString::number(m_backend.port()) + "/cc/" + kBuild);
    EXPECT_TRUE(ini("Patch.ini").contains("Version=3.1.0.170\r\nResult=Success\r\n")) << ini("Patch.ini").toStdString();
    EXPECT_TRUE(ini("ForceUpgrade.ini").contains("[Upgrade]\r\nForceUpgrade=True")) << ini("ForceUpgrade.ini").toStdString();
    EXPECT_EQ(historyCodes(), QStringList{"W/T 3.1.0.170"});
    ASSERT_EQ(m_launcher.started().size(), 2);
    EXPECT_EQ(m_launcher.started()[1].program, m_dir.file(kBuild));
    EXPECT_EQ(m_launcher.started()[1].arguments, QStringList{"/a"});
    EXPECT_EQ(m_launcher.started()[1].workingFolder, m_dir.path());
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_dir.read("started.txt") == "/a\n"; }, 5000));
    EXPECT_EQ(ExitRequests().count(), 1);
    EXPECT_EQ(cdRequests(), 0);
    EXPECT_FALSE(IsFormLoaded(frmDataLoad::FormName()));
}

TEST_F(DownloadWindow, WithoutTheDownloaderTheBuildComesByHttpFromTheStandin)
{
    serveBuild(kBuildBytes);
    frmDataLoad& window = Form<frmDataLoad>();
    QPointer<frmDataLoad> guard(&window);
    window.VMR_program_patch();

    ASSERT_TRUE(guard);
    EXPECT_EQ(window.pMsgTitle->text(), "패치 파일 다운로드 중 (XmlHttp) ...");
    EXPECT_EQ(window.pMsgDetail->text(), "100% ... XmlHttp 다운로드");
    EXPECT_EQ(cdRequests(), 1);
    EXPECT_EQ(historyCodes(), QStringList{"X/T 3.1.0.170"});
    EXPECT_TRUE(ini("Patch.ini").contains("Result=Success"));
    EXPECT_TRUE(QFileInfo(m_dir.file(kBuild)).isExecutable());
    EXPECT_EQ(ExitRequests().count(), 1);
}

TEST_F(DownloadWindow, TimeOutIsAFailedDownload)
{
    serveBuild(kBuildBytes, 8000);
    openWindow();

    EXPECT_TRUE(ini("Patch.ini").contains("Version=3.1.0.170\r\nResult=Failure\r\n"));
    EXPECT_EQ(historyCodes(), QStringList{"X/F 3.1.0.170"});
    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_EQ(MessageBoxes().shown()[0].text, "프로그램 다운로드에 실패했습니다!");
    EXPECT_EQ(MessageBoxes().shown()[0].title, "프로그램 패치");
    EXPECT_EQ(MessageBoxes().shown()[0].icon(), MsgStyle::Critical);
    EXPECT_EQ(ExitRequests().count(), 0);
    EXPECT_FALSE(IsFormLoaded(frmDataLoad::FormName()));
}

TEST_F(DownloadWindow, DownloaderThatStallsIsEndedAndFailsWithoutHttp)
{
    writeDownloader("printf 'twenty bytes of data' > \"${1##*/}\"\nwhile :; do sleep 1; done\n");
    openWindow();

    EXPECT_EQ(historyCodes(), QStringList{"W/F 3.1.0.170"});
    EXPECT_TRUE(ini("Patch.ini").contains("Result=Failure"));
    EXPECT_FALSE(QFile::exists(m_dir.file(kBuild))) << "the partial file stays";
    EXPECT_EQ(cdRequests(), 0);
    const QString pid = m_dir.read("wget.pid").trimmed();
    QFile stat("/proc/" + pid + "/stat");
    EXPECT_TRUE(!stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ")) << "downloader still runs";
}

TEST_F(DownloadWindow, WrongSizeClosesSilently)
{
    m_dir.write("Patch.ini", "[Patch]\r\nVersion=3.1.0.160\r\nResult=Success\r\n");
    serveBuild(kBuildBytes + "extra");
    openWindow();

    EXPECT_EQ(ini("Patch.ini"), "[Patch]\r\nVersion=3.1.0.160\r\nResult=Success\r\n");
    EXPECT_TRUE(historyCodes().isEmpty());
    EXPECT_TRUE(MessageBoxes().shown().isEmpty());
    EXPECT_EQ(ExitRequests().count(), 0);
    EXPECT_FALSE(IsFormLoaded(frmDataLoad::FormName()));
}

TEST_F(DownloadWindow, EndButtonAnsweredYesEndsAtOnce)
{
    writeDownloader("while :; do sleep 1; done\n");
    MessageBoxes().answer(MsgResult::Yes);
    QTimer::singleShot(100, [] {
        if (auto* window = static_cast<frmDataLoad*>(FindForm(frmDataLoad::FormName())))
            window->cmdEnd->click();
    });
    openWindow();

    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_EQ(MessageBoxes().shown()[0].text, "프로그램을 종료하시겠습니까?");
    EXPECT_EQ(MessageBoxes().shown()[0].title, "종료");
    EXPECT_EQ(ExitRequests().count(), 1);
    EXPECT_FALSE(QFile::exists(m_dir.file("Patch.ini")));
    EXPECT_TRUE(historyCodes().isEmpty());
}

// Whatever ends the HTTP download early takes the time-out's road: the message, "Failure" and
// the "F" row, and no partial file; the error itself goes to the error log only.
TEST_F(DownloadWindow, EveryFailedHttpDownloadIsShownAndRecordedAndLeavesNoFile)
{
    const struct {
        const char* name;
        std::function<void()> arrange;
        QString error;
        int requests;
    } cases[] = {
        {"no server", [] { qputenv("VMR_DOWNLOAD_HOST", "127.0.0.1:" + QByteArray::number(FreeLoopbackPort())); },
         "[Erl:=8, Eno:=1]\r\n   Connection refused\r\n", 0},
        {"reset before the head", [this] { m_backend->script("/cc/" + kBuild, StandinReply::drop()); },
         "[Erl:=8, Eno:=2]\r\n   Connection closed\r\n", 1},
        {"cut short", [this] { m_backend->script("/cc/" + kBuild, StandinReply::cutOff(kBuildBytes.left(12))); },
         "[Erl:=8, Eno:=2]\r\n", 1},
        {"file not writable",
         [this] {
             serveBuild(kBuildBytes);
             ASSERT_TRUE(QDir(m_dir.path()).mkdir(kBuild));
         },
         "[Erl:=8, Eno:=3004]\r\n   Write to file failed.\r\n", 1},
    };
    const QString today = QDate::currentDate().toString("yyMMdd");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedEnv downloadHost("VMR_DOWNLOAD_HOST", qgetenv("VMR_DOWNLOAD_HOST"));   // restored after a case moves it
        QFile::remove(m_dir.file(today + "_ErrorLog.log"));
        QFile::remove(m_dir.file("Patch.ini"));
        server().exec("DELETE FROM mgmt.VMR_ZLM_PatchItemTB");
        m_backend->clearRequests();
        MessageBoxes().clear();
        c.arrange();
        openWindow();

        const QString errors = m_dir.read(today + "_ErrorLog.log");
        EXPECT_TRUE(errors.contains("<e>frmDataLoad->VMR_program_patch" + c.error)) << errors.toStdString();
        EXPECT_FALSE(m_dir.read(today + ".log").contains("<e>"));
        EXPECT_TRUE(ini("Patch.ini").contains("Version=3.1.0.170\r\nResult=Failure\r\n"));
        EXPECT_EQ(historyCodes(), QStringList{"X/F 3.1.0.170"});
        EXPECT_EQ(MessageBoxes().texts(), QStringList{"프로그램 다운로드에 실패했습니다!"});
        EXPECT_FALSE(QFileInfo(m_dir.file(kBuild)).isFile());
        EXPECT_EQ(cdRequests(), c.requests);
        EXPECT_EQ(ExitRequests().count(), 0);
        EXPECT_FALSE(IsFormLoaded(frmDataLoad::FormName()));
    }
}
