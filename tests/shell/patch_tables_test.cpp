#include "core/login_values.h"
#include "shell/patch_tables.h"
#include "shell/shell_globals.h"
#include "support/patch_server.h"
#include "support/program_dir.h"
#include "support/scoped_env.h"
#include "support/seams.h"

#include <gtest/gtest.h>

namespace {

// A tick that moves by a fixed step at every reading, so each timed span is one step long.
class SteppingClock : public Clock
{
public:
    explicit SteppingClock(qint64 step) : m_step(step) {}
    QDateTime now() const override { return QDateTime(QDate(2024, 4, 26), QTime(9, 0)); }
    qint64 tick64() const override { return m_tick += m_step; }

private:
    qint64 m_step;
    mutable qint64 m_tick = 0;
};

class PatchTables : public PatchServerTest
{
protected:
    void SetUp() override
    {
        PatchServerTest::SetUp();
        gPatchType = "A";
        gPatchVersion = "3.1.0.170";
        gPatchSize = 0;
        gDeveloperMode = false;
        gStoreName = "한우마을";
        gMAC = "00:11:22:33:44:55";
        gOS = "Debian GNU/Linux 12, 64비트";
    }

    QString mainLog() const { return m_dir.read("240426.log"); }

    static QList<QVariantList> history()
    {
        return server().rows("SELECT P_TYPE, P_VERSION, P_BRANCH, P_COMP_NAME, P_MAC, P_OS, P_KIND,"
                              " P_APP_PATH, P_DOWN_PROG, P_DOWN_OK FROM mgmt.VMR_ZLM_PatchItemTB"
                              " ORDER BY P_AUTO");
    }

    TempProgramDir m_dir;
    ScopedFakeClock m_clock{QDateTime(QDate(2024, 4, 26), QTime(9, 0))};
};

QString bytes60Name()
{
    return "'" + QString(29, QChar(u'가')) + "b";   // 1 + 58 + 1 CP949 bytes
}

} // namespace

TEST_F(PatchTables, NewestPublishedRowOfTheProgramTypeWins)
{
    server().publish("A", "T", "F", "3.1.0.190", 900);
    server().publish("A", "T", "F", "3.1.0.180", 1234567);   // newer row, older version text
    server().publish("B", "T", "T", "9.9.0.1", 1);
    server().publish("A", "F", "T", "3.2.0.1", 777);         // developers only
    server().publish("A", "F", "F", "4.0.0.1", 5);

    ASSERT_TRUE(VMR_GetPatchVersion());
    EXPECT_EQ(gPatchVersion, "3.1.0.180");
    EXPECT_EQ(gPatchSize, 1234567);

    gDeveloperMode = true;
    ASSERT_TRUE(VMR_GetPatchVersion());
    EXPECT_EQ(gPatchVersion, "3.2.0.1");
    EXPECT_EQ(gPatchSize, 777);
}

TEST_F(PatchTables, NothingPublishedLeavesTheValues)
{
    server().publish("B", "T", "T", "9.9.0.1", 1);
    gPatchVersion = "";
    gPatchSize = 0;
    EXPECT_TRUE(VMR_GetPatchVersion());
    EXPECT_EQ(gPatchVersion, "");
    EXPECT_EQ(gPatchSize, 0);
}

TEST_F(PatchTables, TimingLinesCarryTheElapsedMilliseconds)
{
    VMR_GetPatchVersion();   // the fake tick stands still: 0 ms writes no digit at all
    EXPECT_EQ(mainLog(), "[09:00:00.000] [Svr1] StartUp→VMR_GetPatchVersion\r\n"
                         "[09:00:00.000] [Svr1] ms 경과. 서버와 연결됨.\r\n"
                         "[09:00:00.000] [Svr1] ms 경과. 데이터 처리 완료.\r\n");

    SteppingClock stepping(1234);
    SetClock(&stepping);
    VMR_PutPatchHistory("W", "T");
    SetClock(nullptr);
    EXPECT_TRUE(mainLog().endsWith("[09:00:00.000] [Svr1] StartUp→VMR_PutPatchHistory\r\n"
                                   "[09:00:00.000] [Svr1] 1,234ms 경과. 서버와 연결됨.\r\n"
                                   "[09:00:00.000] [Svr1] 1,234ms 경과. 데이터 처리 완료.\r\n"))
        << mainLog().toStdString();
}

TEST_F(PatchTables, HistoryRowKeepsCutShopNameAndQuotes)
{
    gStoreName = bytes60Name();
    ASSERT_TRUE(VMR_PutPatchHistory("X", "F"));
    const auto rows = history();
    ASSERT_EQ(rows.size(), 1);
    const QStringList expected = {"A", "3.1.0.170", "'" + QString(19, QChar(u'가')), bytes60Name(),
                                  "00:11:22:33:44:55", "Debian GNU/Linux 12, 64비트", "unknown",
                                  m_dir.path(), "X", "F"};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(rows[0][i].toString(), expected[i]) << "column " << i;
}

TEST_F(PatchTables, EmptyValuesAreStoredAsEmptyTextNotNull)
{
    gMAC = QString();
    gOS = QString();
    ASSERT_TRUE(VMR_PutPatchHistory(QString(), "S"));   // the self-update's row: no download method
    const auto rows = server().rows("SELECT P_DOWN_PROG IS NULL, P_MAC IS NULL, P_OS IS NULL"
                                    " FROM mgmt.VMR_ZLM_PatchItemTB");
    ASSERT_EQ(rows.size(), 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rows[0][i].toInt(), 0) << "column " << i;

    ASSERT_TRUE(VMR_PutPatchHistory(QString(), "E"));   // the same empty MAC finds the row
    EXPECT_EQ(history()[0][9].toString(), "E");
}

TEST_F(PatchTables, ResultEMarksOnlyTheNewestRowOfThisBuildShopAndPc)
{
    gStoreName = bytes60Name();
    ASSERT_TRUE(VMR_PutPatchHistory("W", "T"));
    ASSERT_TRUE(VMR_PutPatchHistory("", "S"));
    gMAC = "other-pc";
    ASSERT_TRUE(VMR_PutPatchHistory("W", "T"));   // newest row, but another PC
    gMAC = "00:11:22:33:44:55";

    ASSERT_TRUE(VMR_PutPatchHistory("", "E"));
    auto rows = history();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0][9].toString(), "T");
    EXPECT_EQ(rows[1][9].toString(), "E");
    EXPECT_EQ(rows[2][9].toString(), "T");

    gPatchVersion = "3.1.0.999";   // no row of that build: nothing changes
    EXPECT_TRUE(VMR_PutPatchHistory("", "E"));
    EXPECT_EQ(history(), rows);
}

TEST_F(PatchTables, UnreachableServerShowsItsMessageAndReturnsFalse)
{
    gPatchVersion = "";
    {
        ScopedEnv unreachable("VMR_PATCH_HOST", "127.0.0.1:" + QByteArray::number(FreeLoopbackPort()));
        EXPECT_FALSE(VMR_GetPatchVersion());
        EXPECT_FALSE(VMR_PutPatchHistory("W", "T"));
    }

    EXPECT_EQ(gPatchVersion, "");
    ASSERT_EQ(MessageBoxes().shown().size(), 2);
    for (const auto& box : MessageBoxes().shown()) {
        EXPECT_EQ(box.text, "서버에 연결할 수 없습니다!");
        EXPECT_EQ(box.title, "패치 확인");
        EXPECT_EQ(box.icon(), MsgStyle::Critical);
    }
    EXPECT_EQ(mainLog().count("ms 경과. 서버와 연결 실패!"), 2);
    EXPECT_TRUE(history().isEmpty());
}

TEST_F(PatchTables, QueryFailuresGoToTheErrorLog)
{
    ASSERT_TRUE(server().exec("RENAME TABLE mgmt.VMR_ZLM_PatchTB TO mgmt.Gone1,"
                               " mgmt.VMR_ZLM_PatchItemTB TO mgmt.Gone2"));
    const bool read = VMR_GetPatchVersion();
    const bool written = VMR_PutPatchHistory("W", "T");
    server().exec("RENAME TABLE mgmt.Gone1 TO mgmt.VMR_ZLM_PatchTB,"
                   " mgmt.Gone2 TO mgmt.VMR_ZLM_PatchItemTB");

    EXPECT_FALSE(read);
    EXPECT_FALSE(written);
    const QString errors = m_dir.read("240426_ErrorLog.log");
    EXPECT_TRUE(errors.contains("]e)StartUp->VMR_GetPatchVersion[Erl:=2, Eno:=1146]")) << errors.toStdString();
    EXPECT_TRUE(errors.contains("]<e>StartUp->VMR_PutPatchHistory[Erl:=2, Eno:=1146]")) << errors.toStdString();
    EXPECT_TRUE(MessageBoxes().shown().isEmpty());
}
