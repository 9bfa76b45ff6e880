// The real program, headless, against a stand-in that fails it: what the user keeps and what the
// log says.
#include "shell/saved_login.h"
#include "support/patch_server.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"
#include "support/user_registry_dir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString kListPath = "/vbPHP/zzimorderload.php";

// A program folder with the built templates, skin and sound, a saved login that logs in by
// itself, and the program started in it against the stand-in and the patch server.
class FaultyBackend : public PatchServerTest
{
protected:
    void SetUp() override
    {
        PatchServerTest::SetUp();
        ASSERT_TRUE(CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.0.mdb"));
        ASSERT_TRUE(CopyTemplate(dir, "VmrCID.mdb", "VmrCID.mdb"));
        for (const char* folder : {"skin", "sound"})
            QFile::link(QString(VMR_BUILT_PROGRAM_DIR) + "/" + folder, dir.file(folder));
        WriteSavedLogin(ComposeSavedLogin(true, true, backend.shopId(), backend.shopPassword()));
    }

    void TearDown() override
    {
        stop();
    }

    void stop()
    {
        program.kill();
        EXPECT_TRUE(QTest::qWaitFor([this] { return program.state() == QProcess::NotRunning; }, 10000));
    }

    void start()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(VMR_PROGRAM_EXECUTABLE, {});
        ASSERT_TRUE(program.waitForStarted(10000));
    }

    // The cache of the last run: two reservations.
    void writeCache()
    {
        ASSERT_TRUE(CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.mdb"));
        sql({"INSERT INTO 예약 (NUM, cPhoneT, 예약일시) VALUES (9001, '01011112222', '2026-12-24 18:00')",
             "INSERT INTO 예약 (NUM, cPhoneT, 예약일시) VALUES (9002, '01033334444', '2026-12-25 12:30')"});
    }

    QStringList cachedNumbers() { return sql({"SELECT NUM FROM 예약 ORDER BY NUM"}); }

    // Runs the statements on the cache; the values of the last one's first column.
    QStringList sql(const QStringList& statements)
    {
        QStringList values;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "faulty_backend_test");
            db.setDatabaseName(dir.file("VmrBooking.mdb"));
            EXPECT_TRUE(db.open());
            for (const QString& statement : statements) {
                QSqlQuery query(db);
                EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
                values.clear();
                while (query.next())
                    values.append(query.value(0).toString());
            }
        }
        QSqlDatabase::removeDatabase("faulty_backend_test");
        return values;
    }

    QString log(const QString& suffix = QString()) const
    {
        QString text;
        for (const QString& name : QDir(dir.path()).entryList({"??????" + suffix + ".log"}))
            text += dir.read(name);
        return text;
    }

    TempProgramDir dir;
    TempUserRegistry registry;
    StandinFixture backend;
    QProcess program;
};

TEST_F(FaultyBackend, AFailedStartListKeepsTheCacheOfTheLastRunAndSaysWhy)
{
    struct Case {
        StandinReply reply;
        QString reason;
    };
    const QList<Case> cases = {
        {StandinReply::text(""), "빈 응답"},
        {StandinReply::text("<html><body>Internal Server Error</body></html>", 500), "예약 목록이 아닌 응답"},
        {StandinReply::bytes(QByteArray(200000, '\xfe') + "<menubrrs> num[1]num YN[Y"), "마지막 예약이 필드 중간에서 끊김"},
        {StandinReply::text(" allcount[1]allcount <menubrrs> num[1]num YN[Y]YN").after(15000), "시간 초과"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason.toStdString());
        writeCache();
        backend->clearRequests();
        backend->scriptSequence(kListPath, {c.reply});
        start();
        ASSERT_TRUE(QTest::qWaitFor([this] { return log().contains("회원, 예약 Loading ... End !!"); }, 60000));
        EXPECT_EQ(backend->requestsTo(kListPath).value(0).form().value("day"), "all");
        EXPECT_EQ(cachedNumbers(), (QStringList{"9001", "9002"}));
        EXPECT_TRUE(log().contains("e)libz_Vmr_BK->Load_예약_전체[Erl:=6, Eno:=0]\r\n"
                                   "   예약 목록을 받지 못해 예약 캐시를 그대로 둡니다. (" + c.reason + ")"));
        stop();
        for (const QString& name : QDir(dir.path()).entryList({"*.log"}))
            QFile::remove(dir.file(name));
    }
}

TEST_F(FaultyBackend, AGoodStartListReplacesTheCache)
{
    writeCache();
    start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return log().contains("회원, 예약 Loading ... End !!"); }, 60000));
    QStringList expected;
    for (const StandinRecord& reservation : backend.shop().reservations)
        if (reservation.value("YN") == "Y" || reservation.value("YN") == "finish")
            expected.append(reservation.value("num"));
    EXPECT_EQ(cachedNumbers().size(), expected.size());
    EXPECT_FALSE(cachedNumbers().contains("9001"));
}

// The login answer trickles in a byte every five seconds, its success word after eight minutes:
// the program gives up at the total limit of three minutes, as after a time-out, and takes no
// part of the answer for a login.
TEST_F(FaultyBackend, ATricklingLoginEndsAtTheTotalLimit)
{
    backend->script("/program/logins.php", StandinReply::drip(QString(100, ' ') + "로그인 성공 번호[1207]번호", 5000));
    QElapsedTimer clock;
    clock.start();
    start();
    // The description after the line break is Qt's, in the program's language.
    const QString timeOut = "e)lib_misc->GetWinHttp[Erl:=7, Eno:=5]\r\n   ";
    ASSERT_TRUE(QTest::qWaitFor([&] { return log("_WinHttp").contains(timeOut); }, 240000));
    EXPECT_GE(clock.elapsed(), 180000);
    EXPECT_LT(clock.elapsed(), 220000);
    EXPECT_TRUE(backend->requestsTo("/vbPHP/zzimorderload.php").isEmpty());
}

} // namespace
