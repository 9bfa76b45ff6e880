#include "cache_fixture.h"

#include "core/text_escapes.h"
#include "server/reservation_cache.h"
#include "server/server_globals.h"
#include "support/log_entries.h"
#include "support/request_limit.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

namespace {

// A confirmed reservation with every field the cache reads; the overrides replace or (with a
// null value) remove fields.
QString Reservation(const QString& num, const QList<std::pair<QString, QString>>& overrides = {})
{
    QList<std::pair<QString, QString>> fields{
        {"num", num},
        {"YN", "Y"},
        {"regdatess", "2024-05-03"},
        {"regdatess3", "18:30"},
        {"regdates", "2024-04-20"},
        {"regdates1", "2024-04-20"},
        {"regdates3", "09:15"},
        {"finishscheduleTime", "2024-05-03 20:00"},
        {"phone", "010-1234-" + num.rightJustified(4, '0')},
        {"requestname", "손님" + num},
        {"requestoz", "모임" + num},
        {"table", "A1;2;B2;3"},
        {"personcount", PartyBlockOf("0", {{"totalcount", 5}})},
        {"memo", "메모"},
    };
    for (const auto& [name, value] : overrides) {
        const auto at = std::find_if(fields.begin(), fields.end(), [&](const auto& f) { return f.first == name; });
        if (value.isNull())
            fields.erase(at);
        else if (at != fields.end())
            at->second = value;
        else
            fields.append({name, value});
    }
    return ListRecord(fields);
}

TEST_F(CacheTest, RebuildKeepsConfirmedAndFinished)
{
    serveList(ListAnswer({
        Reservation("57", {{"YN", "N"}}), Reservation("58"), Reservation("60", {{"YN", "S"}}),
        Reservation("61", {{"YN", "X"}}), Reservation("62", {{"YN", "noshow"}}),
        Reservation("63", {{"YN", "finish"}}), Reservation("64", {{"YN", "y"}}),
        Reservation("65", {{"regdatess", ""}}), Reservation("66", {{"regdatess", QString()}}),
        Reservation("67", {{"regdatess", "5월 3일"}}),
        Reservation("", {{"num", QString()}}), Reservation("x68"),
    }));
    EXPECT_TRUE(Load_예약_전체());
    EXPECT_EQ(rows("NUM"), (QStringList{"58", "63"}));
    const auto request = backend->requestsTo("/vbPHP/zzimorderload.php").value(0);
    EXPECT_TRUE(request.body.endsWith("&day=all&day2=all&noshowt=N&select=all")) << request.body.toStdString();
}

// Both loaders take a list as it comes: a record that repeats the one right before it is dropped,
// whether that one was stored or not, and a reservation already stored further up is not stored
// again.
TEST_F(CacheTest, RepeatedReservationsAreStoredOnce)
{
    serveList(ListAnswer({
        Reservation("57", {{"YN", "N"}}), Reservation("57"),             // repeat of a refused one: none
        Reservation("58"), Reservation("58", {{"YN", "N"}}),             // one
        Reservation("59"), Reservation("60", {{"YN", "S"}}), Reservation("59"), // stored further up: one
        Reservation("61", {{"YN", "N"}}), Reservation("62"), Reservation("61"), // refused further up: one
    }));
    EXPECT_TRUE(Load_예약_전체());
    EXPECT_EQ(rows("NUM"), (QStringList{"58", "59", "61", "62"}));
    EXPECT_TRUE(Load_예약_DAY("2024-05-03"));
    EXPECT_EQ(rows("NUM"), (QStringList{"58", "59", "61", "62"}));
}

TEST_F(CacheTest, RebuildFillsEveryColumnFromItsField)
{
    serveList(ListAnswer({
        Reservation("70", {{"memo", VmrEncodeAA("창가 자리 \"조용히\"\r\n100%")}}),
        Reservation("71", {{"phone", ""}, {"regdates", ""}, {"regdates1", "2024-04-21"}, {"regdatess3", ""},
                           {"finishscheduleTime", " 2024-05-03 21:00 "}}),
        Reservation("72", {{"phone", QString()}, {"requestoz", QString()}, {"memo", QString()}}),
    }));
    EXPECT_TRUE(Load_예약_전체());
    EXPECT_EQ(rows("NUM, 방문일, cPhoneT, 접수일시, 예약일시, 종료일시, 예약자, 모임명, 좌석, 인원, 인원N, 요청사항, cNameT"),
              (QStringList{
                  "70|2024-05-03|01012340070|2024-04-20 09:15|2024-05-03 18:30|2024-05-03 20:00|손님70|모임70|A1;2;B2;3|T;5|5|"
                  "창가 자리 \"조용히\"\r\n100%|손님70",
                  "71|2024-05-03|71|2024-04-21 09:15|2024-05-03|2024-05-03 21:00|손님71|모임71|A1;2;B2;3|T;5|5|메모|손님71",
                  // A missing field is empty, never the record before's value.
                  "72|2024-05-03|72|2024-04-20 09:15|2024-05-03 18:30|2024-05-03 20:00|손님72||A1;2;B2;3|T;5|5||손님72",
              }));
}

TEST_F(CacheTest, PartyBlocksBecomeCodeAndTotal)
{
    serveList(ListAnswer({
        Reservation("1", {{"personcount", PartyBlockOf("0", {{"totalcount", 4}})}}),
        Reservation("2", {{"personcount", PartyBlockOf("1", {{"sexmale", 2}, {"sexfemale", 3}})}}),
        Reservation("3", {{"personcount", PartyBlockOf("2", {{"big", 3}, {"small", 1}})}}),
        Reservation("4", {{"personcount", "<persontype>0</persontype><totalcount>많이</totalcount>"}}),
        Reservation("5", {{"personcount", PartyBlockOf("7", {{"totalcount", 9}})}}),
    }));
    EXPECT_TRUE(Load_예약_전체());
    EXPECT_EQ(rows("NUM, 인원, 인원N"), (QStringList{"1|T;4|4", "2|M;2;F;3|5", "3|B;3;S;1|4", "4|T;0|0", "5||0"}));
}

TEST_F(CacheTest, FirstVisitAndCountPerPhone)
{
    serveList(ListAnswer({
        Reservation("1", {{"phone", "010-5555-0001"}, {"regdatess", "2024-03-01"}}),
        Reservation("2", {{"phone", "010-5555-0001"}, {"regdatess", "2024-01-05"}}),
        Reservation("3", {{"phone", "01055550001"}, {"regdatess", "2024-02-10"}}),
        Reservation("4", {{"phone", "010-5555-0001"}, {"regdatess", "2023-12-24"}, {"YN", "X"}}),
        Reservation("5", {{"phone", "02-777-0002"}, {"regdatess", "2024-4-9"}}),
    }));
    EXPECT_TRUE(Load_예약_전체());
    EXPECT_EQ(rows("NUM, cPhoneT, 방문일, 최초방문일, 총방문수"),
              (QStringList{"1|01055550001|2024-03-01|2024-01-05|3", "2|01055550001|2024-01-05|2024-01-05|3",
                           "3|01055550001|2024-02-10|2024-01-05|3", "5|027770002|2024-04-09|2024-04-09|1"}));
    // The template's default kind makes every cached phone an unregistered caller.
    EXPECT_EQ(gUnregCallerCnt, 2);
}

TEST_F(CacheTest, UnregisteredCallersFollowTheKindOfTheRows)
{
    exec({"CREATE TRIGGER kind AFTER INSERT ON 예약 WHEN NEW.NUM = 2 BEGIN "
          "UPDATE 예약 SET cKindT = '회원' WHERE rowid = NEW.rowid; END"});
    serveList(ListAnswer({Reservation("1", {{"phone", "010-1"}}), Reservation("2", {{"phone", "010-2"}}),
                          Reservation("3", {{"phone", "010-1"}}), Reservation("4", {{"phone", "010-4"}})}));
    EXPECT_TRUE(Load_예약_전체());
    EXPECT_EQ(gUnregCallerCnt, 2);
}

// What the rebuild refuses, and what it takes although it is odd; the day reload follows the same
// rule on the rows of its day.
class ListRule : public CacheTest
{
protected:
    // A cached row of the day that a refused answer keeps.
    void SetUp() override
    {
        CacheTest::SetUp();
        exec({"INSERT INTO 예약 (NUM, cPhoneT, 예약일시) VALUES (9, '0109', '2024-05-03 12:00')"});
    }
    void serve(const StandinReply& reply)
    {
        backend->clearScripts();
        serveList(QString());
        backend->script("/vbPHP/zzimorderload.php", reply);
    }

    const QStringList records{Reservation("1"), Reservation("2"), Reservation("3")};
    const QString list = ListAnswer(records);
};

TEST_F(ListRule, AnEvidentlyBrokenAnswerKeepsTheCachedRows)
{
    struct Case {
        StandinReply reply;
        QString reason;
    };
    QByteArray nulInLastRecord = list.toUtf8();
    nulInLastRecord.replace("손님3", QByteArray("손\0님3", 8));
    QString cutCounter = ListRecord({{"allcount", "2"}});
    cutCounter.remove("]allcount");
    const QList<Case> cases = {
        {StandinReply::text(""), "빈 응답"},
        {StandinReply::text("<html>Internal Server Error</html>", 500), "예약 목록이 아닌 응답"},
        {StandinReply::bytes(QByteArray(100000, '\x9c')), "예약 목록이 아닌 응답"},
        {StandinReply::text(cutCounter), "예약 목록이 아닌 응답"},
        {StandinReply::text(list.chopped(6)), "마지막 예약이 필드 중간에서 끊김"},
        {StandinReply::bytes(nulInLastRecord), "마지막 예약이 필드 중간에서 끊김"},
        {StandinReply::text(list.left(list.indexOf("<menubrrs>")) + " scount[0"), "마지막 예약이 필드 중간에서 끊김"},
        {StandinReply::cutOff(list), "응답이 중간에 끊김"},
        {StandinReply::drop(), "응답 없음"},
        {StandinReply::text(list).after(3000), "시간 초과"},
        {StandinReply::drip(list, 100), "시간 초과"},
    };
    ShortRequestLimit limit(500);
    for (const Case& c : cases) {
        for (const QString& procedure : QStringList{"Load_예약_전체", "Load_예약_DAY"}) {
            const std::string label = c.reason.toStdString() + " " + procedure.toStdString();
            serve(c.reply);
            EXPECT_FALSE(procedure == "Load_예약_DAY" ? Load_예약_DAY("2024-05-03") : Load_예약_전체()) << label;
            EXPECT_EQ(rows("NUM"), QStringList{"9"}) << label;
            EXPECT_EQ(LogEntries().value(LogEntries().size() - 1),
                      "e)libz_Vmr_BK->" + procedure + "[Erl:=6, Eno:=0]\r\n"
                      "   예약 목록을 받지 못해 예약 캐시를 그대로 둡니다. (" + c.reason + ")") << label;
        }
    }
    EXPECT_FALSE(QFile::exists(dir.file("VmrBooking.mdb.new")));
}

TEST_F(ListRule, EveryOtherAnswerIsAListThatReplacesTheCache)
{
    struct Case {
        StandinReply reply;
        QStringList rows;
        QString countNote; // the main log's note of an allcount that differs, if any
    };
    QByteArray nulBeforeSecond = list.toUtf8();
    nulBeforeSecond.insert(nulBeforeSecond.indexOf("<menubrrs>" + Reservation("2").toUtf8()), '\0');
    QByteArray notUtf8 = list.toUtf8();
    notUtf8.replace("손님2", "\xbc\xd5\xb4\xd4" "2");   // the name in the Korean ANSI code page
    QString cutCounter = ListRecord({{"allcount", "2"}});
    cutCounter.remove("]allcount");
    const QList<Case> cases = {
        {StandinReply::text(list), {"1", "2", "3"}, ""},
        {StandinReply::text(list.left(list.indexOf("<menubrrs>"))), {}, "allcount 3, 예약 0"},
        {StandinReply::text(list.left(list.lastIndexOf("<menubrrs>"))), {"1", "2"}, "allcount 3, 예약 2"},
        {StandinReply::bytes(nulBeforeSecond), {"1"}, "allcount 3, 예약 1"},
        {StandinReply::text(list + list), {"1", "2", "3"}, "allcount 3, 예약 6"},
        {StandinReply::text(ListAnswer(records + records)), {"1", "2", "3"}, ""},
        {StandinReply::text(ListAnswer({Reservation("1"), Reservation("2"), Reservation("1", {{"YN", "N"}})})),
         {"1", "2"}, ""},
        {StandinReply::text(QString(list).replace("allcount[3]", "allcount[2]")), {"1", "2", "3"}, "allcount 2, 예약 3"},
        {StandinReply::text(QString(list).replace("allcount[3]", "allcount[셋]")), {"1", "2", "3"}, "allcount 셋, 예약 3"},
        {StandinReply::bytes(notUtf8), {"1", "2", "3"}, ""},
        {StandinReply::text(QString(list).replace("손님2", "손\uFFFD2")), {"1", "2", "3"}, ""},
        {StandinReply::bytes(QByteArray(100000, '\x9c') + "<menubrrs>" + Reservation("1").toUtf8()), {"1"}, ""},
        {StandinReply::text(cutCounter + "<menubrrs>" + Reservation("1")), {"1"}, ""},
    };
    for (const Case& c : cases) {
        for (const QString& procedure : QStringList{"Load_예약_전체", "Load_예약_DAY"}) {
            const std::string label = c.reply.body.left(60).toStdString() + " " + procedure.toStdString();
            const QStringList notesBefore = LogEntries().filter("allcount와 다름");
            serve(c.reply);
            EXPECT_TRUE(procedure == "Load_예약_DAY" ? Load_예약_DAY("2024-05-03") : Load_예약_전체()) << label;
            EXPECT_EQ(rows("NUM"), c.rows) << label;
            const QStringList notes = LogEntries().filter("allcount와 다름").mid(notesBefore.size());
            EXPECT_EQ(notes, c.countNote.isEmpty() ? QStringList()
                                                   : QStringList{"libz_Vmr_BK->" + procedure + " 예약 수가 allcount와 다름: " + c.countNote})
                << label;
            exec({"INSERT INTO 예약 (NUM, cPhoneT, 예약일시) VALUES (9, '0109', '2024-05-03 12:00')"});
        }
    }
    serve(StandinReply::bytes(notUtf8));
    EXPECT_TRUE(Load_예약_전체());
    EXPECT_TRUE(rows("예약자").value(1).contains(QChar::ReplacementCharacter)) << rows("예약자").value(1).toStdString();
}

TEST_F(CacheTest, AnEmptyListEmptiesTheCache)
{
    exec({"INSERT INTO 예약 (NUM, cPhoneT, 예약일시) VALUES (9, '0109', '2024-05-03 12:00')"});
    gUnregCallerCnt = 7;
    serveList(ListRecord({{"allcount", "0"}}));
    EXPECT_TRUE(Load_예약_전체());
    EXPECT_TRUE(rows("NUM").isEmpty());
    EXPECT_EQ(gUnregCallerCnt, 0);

    // A day the backend lists without reservations is free.
    exec({"INSERT INTO 예약 (NUM, cPhoneT, 예약일시) VALUES (9, '0109', '2024-05-03 12:00')",
          "INSERT INTO 예약 (NUM, cPhoneT, 예약일시) VALUES (10, '0110', '2024-05-04 12:00')"});
    EXPECT_TRUE(Load_예약_DAY("2024-05-03"));
    EXPECT_EQ(rows("NUM"), QStringList{"10"});
}

TEST_F(CacheTest, TheRebuildStartsFromTheTemplateAndReplacesTheCacheInOneStep)
{
    ASSERT_TRUE(CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.0.mdb"));
    exec({"INSERT INTO 예약 (NUM, 예약일시) VALUES (9, '2024-05-03 12:00')"});
    dir.write("VmrBooking.mdb.new", "left by a rebuild that was cut off");
    dir.write("VmrBooking.mdb-journal", "left by a write that was cut off");
    serveList(ListAnswer({Reservation("1")}));
    EXPECT_TRUE(Load_예약_전체());
    EXPECT_EQ(rows("NUM"), QStringList{"1"});
    EXPECT_FALSE(QFile::exists(dir.file("VmrBooking.mdb.new")));
    EXPECT_FALSE(QFile::exists(dir.file("VmrBooking.mdb-journal")));
}

TEST_F(CacheTest, WithoutAPreviousCacheAFailedListLeavesTheEmptyTemplate)
{
    ASSERT_TRUE(CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.0.mdb"));
    QFile::remove(dir.file("VmrBooking.mdb"));
    serveList("");
    EXPECT_FALSE(Load_예약_전체());
    ASSERT_TRUE(QFile::exists(dir.file("VmrBooking.mdb")));
    EXPECT_TRUE(rows("NUM").isEmpty());

    QFile::remove(dir.file("VmrBooking.mdb"));
    QFile::remove(dir.file("VmrBooking.0.mdb"));
    EXPECT_FALSE(Load_예약_전체());   // nothing to build from: no request either
    EXPECT_FALSE(QFile::exists(dir.file("VmrBooking.mdb")));
    EXPECT_EQ(backend->requestsTo("/vbPHP/zzimorderload.php").size(), 1);
}

TEST_F(CacheTest, MissingCacheFileIsLogged)
{
    QFile::remove(dir.file("VmrBooking.mdb"));
    EXPECT_FALSE(Store_예약_전체(ListAnswer({Reservation("1")}), dir.file("VmrBooking.mdb")));
    EXPECT_TRUE(LogEntries().contains("E)libz_Vmr_BK->Load_예약_전체 DB OPEN Error: '" + dir.file("VmrBooking.mdb") + "'"));
    EXPECT_FALSE(QFile::exists(dir.file("VmrBooking.mdb")));
}

TEST_F(CacheTest, FailuresNameTheirStatements)
{
    exec({"INSERT INTO 예약 (NUM, 예약일시) VALUES (9, '2024-05-03 12:00')",
          "CREATE TRIGGER keep BEFORE DELETE ON 예약 BEGIN SELECT RAISE(ABORT, 'kept'); END"});
    serveList(ListAnswer({Reservation("1")}));
    EXPECT_FALSE(Load_예약_전체());
    EXPECT_FALSE(Load_예약_DAY("2024-05-03"));
    EXPECT_TRUE(LogEntries().contains("E)libz_Vmr_BK->Load_예약_전체 SQL EXEC Error: \r\nDELETE * FROM 예약"));
    EXPECT_TRUE(LogEntries().contains(
        "E)libz_Vmr_BK->Load_예약_DAY SQL EXEC Error: \r\nDELETE * FROM 예약 WHERE Left(예약일시, 10) = '2024-05-03'"));

    exec({"DROP TRIGGER keep", "ALTER TABLE 예약 DROP COLUMN cKindT"});
    EXPECT_FALSE(Load_예약_전체());
    EXPECT_TRUE(LogEntries().contains("E)libz_Vmr_BK->Load_예약_전체 RS OPEN Error: \r\n"
                                      "SELECT cPhoneT  FROM 예약 WHERE cKindT = '미등록' GROUP BY cPhoneT"));
}

// Another reader of the file keeps its read transaction open while the rebuild commits.
TEST_F(CacheTest, RebuildWhoseCommitFailsReportsFailure)
{
    {
        QSqlDatabase reader = QSqlDatabase::addDatabase("QSQLITE", "cache_reader");
        reader.setDatabaseName(dir.file("VmrBooking.mdb"));
        ASSERT_TRUE(reader.open());
        QSqlQuery hold(reader);
        ASSERT_TRUE(hold.exec("BEGIN"));
        ASSERT_TRUE(hold.exec("SELECT count(*) FROM 예약") && hold.next());
        hold.finish();

        const QString answer = ListAnswer({Reservation("1"), Reservation("2")});
        EXPECT_FALSE(Store_예약_전체(answer, dir.file("VmrBooking.mdb")));
        EXPECT_TRUE(LogEntries().contains("e)JetExec[1]COMMIT:3 Tries DONE."));

        // Once the reader lets go, the rebuild commits.
        QTimer::singleShot(0, [&] { QSqlQuery(reader).exec("COMMIT"); });
        EXPECT_TRUE(Store_예약_전체(answer, dir.file("VmrBooking.mdb")));
        reader.close();
    }
    QSqlDatabase::removeDatabase("cache_reader");
    EXPECT_EQ(rows("NUM"), (QStringList{"1", "2"}));
}

TEST_F(CacheTest, RebuildFromTheSampleShop)
{
    int expected = 0;
    for (const StandinRecord& r : backend.shop().reservations)
        expected += r.value("YN") == "Y" || r.value("YN") == "finish" ? 1 : 0;
    ASSERT_GT(expected, 0);
    EXPECT_TRUE(Load_예약_전체());
    EXPECT_EQ(rows("NUM").size(), expected);
    EXPECT_TRUE(rows("NUM", "NUM").filter("|").isEmpty());
    for (const QString& row : rows("방문일, 예약일시, 인원"))
        EXPECT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\d\|\d{4}-\d\d-\d\d \d\d:\d\d\|[TMB];)").match(row).hasMatch())
            << row.toStdString();
}

TEST_F(CacheTest, DayReloadReplacesExactlyThatDay)
{
    exec({"INSERT INTO 예약 (NUM, 예약일시, 최초방문일, 총방문수) VALUES (-1, '2024-05-03 12:00', '', 0)",
          "INSERT INTO 예약 (NUM, 예약일시, 최초방문일, 총방문수) VALUES (80, '2024-05-03 19:00', '2024-01-01', 4)",
          "INSERT INTO 예약 (NUM, 예약일시, 최초방문일, 총방문수) VALUES (81, '2024-05-04 19:00', '2024-01-01', 4)"});
    gUnregCallerCnt = 5;
    serveList(ListAnswer({Reservation("79", {{"regdatess3", "12:00"}}), Reservation("82", {{"YN", "X"}})}));

    EXPECT_TRUE(Load_예약_DAY("2024-05-03"));

    EXPECT_EQ(rows("NUM, 예약일시, 최초방문일, 총방문수"),
              (QStringList{"79|2024-05-03 12:00||0", "81|2024-05-04 19:00|2024-01-01|4"}));
    EXPECT_EQ(gUnregCallerCnt, 5);
    const auto request = backend->requestsTo("/vbPHP/zzimorderload.php").value(0);
    EXPECT_TRUE(request.body.endsWith("&day=2024-05-03&day2=2024-05-03&noshowt=N&select=all"));
}

} // namespace
