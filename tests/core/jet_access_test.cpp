#include "core/jet_database.h"
#include "core/jet_exec.h"
#include "core/jet_recordset.h"
#include "core/log.h"
#include "support/log_entries.h"
#include "support/program_dir.h"
#include "support/seams.h"
#include "support/template_databases.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <functional>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

namespace {

class JetAccess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.mdb"));
        path = dir.file("VmrBooking.mdb");
    }

    static QStringList logLines() { return LogEntries(); }

    // A second connection that holds a lock on the file, as another user of it would.
    struct Holder
    {
        Holder(const QString& path, const QString& begin) : name(QUuid::createUuid().toString())
        {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
                db.setDatabaseName(path);
                db.open();
                QSqlQuery(db).exec(begin);
            }
        }
        ~Holder()
        {
            {
                QSqlDatabase db = QSqlDatabase::database(name);
                QSqlQuery(db).exec("ROLLBACK");
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        }
        QString name;
    };

    TempProgramDir dir;
    QString path;
};

TEST_F(JetAccess, MissingFileIsReportedOnceAndNeverCreated)
{
    const QString missing = dir.file("VmrCID.mdb");
    JetDbPtr db;
    EXPECT_FALSE(JetOpenDB(db, missing));
    EXPECT_EQ(db, nullptr);
    EXPECT_FALSE(QFileInfo::exists(missing));
    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_EQ(MessageBoxes().shown().at(0).text,
              "데이터베이스 '" + missing + "'에 접근할 수 없습니다.파일이 없거나, 네트웍이 끊긴 상태입니다.");
    EXPECT_EQ(MessageBoxes().shown().at(0).style, MsgStyle::OkOnly);
    EXPECT_EQ(logLines(), QStringList{"e))JetOpenDB[1/]" + missing + " 파일을 열 수 없어 Open Function 종료......"});
}

TEST_F(JetAccess, FileThatIsNoDatabaseFailsWithoutRetry)
{
    dir.write("VmrCID.mdb", QByteArray(4096, 'x'));
    JetDbPtr db;
    EXPECT_FALSE(JetOpenDB(db, dir.file("VmrCID.mdb")));
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("e)JetOpenDB[2]" + dir.file("VmrCID.mdb") + ": (26) ")) << lines[0].toStdString();
    EXPECT_TRUE(MessageBoxes().shown().isEmpty());
}

TEST_F(JetAccess, BusyFileIsTriedThreeTimesWhenOpening)
{
    Holder holder(path, "BEGIN EXCLUSIVE");
    JetDbPtr db;
    EXPECT_FALSE(JetOpenDB(db, path));
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 3);
    const QRegularExpression tries("^e\\)JetOpenDB\\[2\\]" + QRegularExpression::escape(path)
                                   + ":(\\d)/(\\d+) Tries/Waits\r\n\\(5\\) ");
    for (int i = 0; i < 2; ++i) {
        const auto m = tries.match(lines[i]);
        ASSERT_TRUE(m.hasMatch()) << lines[i].toStdString();
        EXPECT_EQ(m.captured(1).toInt(), i);
    }
    EXPECT_EQ(lines[2], "e)JetOpenDB[2]" + path + ":2 Tries DONE.");
}

TEST_F(JetAccess, BusyRecordSetAndStatementAreTriedFourTimes)
{
    JetDbPtr db;
    ASSERT_TRUE(JetOpenDB(db, path));
    struct Case
    {
        QString procedure;
        QString begin;
        std::function<bool()> call;
        QString target;
    };
    long rows = -7;
    JetRsPtr rs;
    const QList<Case> cases{
        {"JetOpenRST", "BEGIN EXCLUSIVE", [&] { return JetOpenRST(*db, rs, "예약", dbOpenTable); }, "예약"},
        {"JetExec", "BEGIN IMMEDIATE",
         [&] { return JetExec(*db, JetSql("DELETE FROM 예약 WHERE NUM = ?", {57}), rows); },
         "DELETE FROM 예약 WHERE NUM = 57"},
    };
    for (const Case& c : cases) {
        QFile::remove(LogFilePath());
        Holder holder(path, c.begin);
        EXPECT_FALSE(c.call()) << c.procedure.toStdString();
        const QStringList lines = logLines();
        ASSERT_EQ(lines.size(), 4) << c.procedure.toStdString();
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(lines[i].startsWith("e)" + c.procedure + "[1]" + c.target + ":" + QString::number(i) + "/"))
                << lines[i].toStdString();
        EXPECT_EQ(lines[3], "e)" + c.procedure + "[1]" + c.target + ":3 Tries DONE.");
    }
    EXPECT_EQ(rs, nullptr);
    EXPECT_EQ(rows, -7);
}

// Another user's lock that ends within the connection's busy timeout of a few seconds is waited
// for: the call succeeds without a failure or a try of its own.
TEST_F(JetAccess, ALockThatEndsWithinTheBusyTimeoutCostsNothing)
{
    JetDbPtr db;
    ASSERT_TRUE(JetOpenDB(db, path));
    long rows = -7;
    JetRsPtr rs;
    struct Case
    {
        QString begin;
        std::function<bool()> call;
    };
    const QList<Case> cases{
        {"BEGIN EXCLUSIVE", [&] { JetDbPtr other; return JetOpenDB(other, path); }},
        {"BEGIN EXCLUSIVE", [&] { return JetOpenRST(*db, rs, "예약", dbOpenTable); }},
        {"BEGIN IMMEDIATE", [&] { return JetExec(*db, JetSql("DELETE FROM 예약 WHERE NUM = ?", {57}), rows); }},
    };
    for (const Case& c : cases) {
        std::atomic<bool> locked{false};
        std::thread holder([this, &locked, begin = c.begin] {
            Holder lock(path, begin);
            locked = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
        });
        while (!locked)
            std::this_thread::yield();
        EXPECT_TRUE(c.call()) << c.begin.toStdString();
        holder.join();
    }
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_EQ(rows, 0);
}

TEST_F(JetAccess, WrongStatementEndsAtOnceAndKeepsTheCallersCount)
{
    JetDbPtr db;
    ASSERT_TRUE(JetOpenDB(db, path));
    long rows = -7;
    EXPECT_FALSE(JetExec(*db, "DELETE FROM 없는표", rows));
    EXPECT_EQ(rows, -7);
    JetRsPtr rs;
    EXPECT_FALSE(JetOpenRST(*db, rs, "SELEC nothing", dbOpenDynaset));
    EXPECT_EQ(rs, nullptr);
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("e)JetExec[1]DELETE FROM 없는표: (1) ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("e)JetOpenRST[1]SELEC nothing: (1) ")) << lines[1].toStdString();
}

TEST_F(JetAccess, WaitGrowsWithTheFailuresAndStopsAt500)
{
    struct Case
    {
        int failures, low, high, multiple;
    };
    for (const Case c : {Case{1, 6, 44, 2}, Case{2, 12, 88, 4}, Case{3, 24, 176, 8}, Case{6, 192, 500, 1}}) {
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) {
            const int wait = JetAttempts::waitMs(c.failures);
            ASSERT_GE(wait, c.low);
            ASSERT_LE(wait, c.high);
            if (wait < 500) {
                ASSERT_EQ(wait % c.multiple, 0);
            }
            seen.insert(wait);
        }
        EXPECT_GT(seen.size(), 5u);
    }
}

TEST_F(JetAccess, RecordSetsAddEditAndCountRows)
{
    JetDbPtr db;
    ASSERT_TRUE(JetOpenDB(db, path));
    JetRsPtr table;
    ASSERT_TRUE(JetOpenRST(*db, table, "예약", dbOpenTable));
    EXPECT_EQ(table->RecordCount(), 0);
    for (int num : {11, 12, 13}) {
        table->AddNew();
        table->SetField("NUM", num);
        table->SetField("cPhoneT", "0101234" + QString::number(num));
        table->SetField("방문일", QDate(2024, 5, num - 5).toString("yyyy-MM-dd"));
        ASSERT_TRUE(table->Update()) << table->LastError().description.toStdString();
    }
    table.reset();

    JetRsPtr rs;
    ASSERT_TRUE(JetOpenRST(*db, rs, JetSql("SELECT * FROM 예약 WHERE Num >= ? ORDER BY NUM", {12}), dbOpenDynaset));
    ASSERT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->Field("num").toInt(), 12);
    EXPECT_EQ(rs->Field("cKindT").toString(), "미등록"); // the template's default
    ASSERT_TRUE(rs->Edit());
    rs->SetField("예약자", "김하나");
    ASSERT_TRUE(rs->Update());
    EXPECT_EQ(rs->Field("예약자").toString(), "김하나");
    rs->MoveNext();
    rs->MoveNext();
    EXPECT_TRUE(rs->AtEnd());

    JetRsPtr grouped;
    ASSERT_TRUE(JetOpenRST(*db, grouped, "SELECT cPhoneT, Count(*) AS cnt FROM 예약 GROUP BY cPhoneT", dbOpenDynaset));
    EXPECT_EQ(grouped->RecordCount(), 3);
    EXPECT_FALSE(grouped->Edit());

    JetRsPtr none;
    ASSERT_TRUE(JetOpenRST(*db, none, JetSql("SELECT * FROM 예약 WHERE 예약자 = ?", {"' OR 1=1 --"}), dbOpenDynaset));
    EXPECT_EQ(none->RecordCount(), 0);
    EXPECT_TRUE(none->AtEnd());

    JetRsPtr named;
    ASSERT_TRUE(JetOpenRST(*db, named, JetSql("SELECT NUM FROM 예약 WHERE 예약자 = ?", {"김하나"}), dbOpenDynaset));
    EXPECT_EQ(named->RecordCount(), 1);
    EXPECT_EQ(named->Field("NUM").toInt(), 12);

    // Dates are bound as their "yyyy-MM-dd" text and shown between "#".
    const JetSql byDay("SELECT NUM FROM 예약 WHERE 방문일 BETWEEN ? AND ?", {QDate(2024, 5, 7), QDate(2024, 5, 8)});
    EXPECT_EQ(byDay.display(), "SELECT NUM FROM 예약 WHERE 방문일 BETWEEN #2024-05-07# AND #2024-05-08#");
    JetRsPtr days;
    ASSERT_TRUE(JetOpenRST(*db, days, byDay, dbOpenDynaset));
    EXPECT_EQ(days->RecordCount(), 2);
    EXPECT_EQ(days->Field("NUM").toInt(), 12);
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(JetAccess, EveryOpenHasItsOwnConnection)
{
    JetDbPtr first;
    JetDbPtr second;
    ASSERT_TRUE(JetOpenDB(first, path));
    JetRsPtr rs;
    ASSERT_TRUE(JetOpenRST(*first, rs, "예약", dbOpenTable));
    ASSERT_TRUE(JetOpenDB(second, path));
    long rows = 0;
    ASSERT_TRUE(JetExec(*second, "INSERT INTO 예약 (NUM) VALUES (1)", rows));
    EXPECT_EQ(rows, 1);
    second.reset();
    first.reset(); // the record set keeps its connection
    rs->AddNew();
    rs->SetField("NUM", 2);
    EXPECT_TRUE(rs->Update());
}

} // namespace
