#include "core/log.h"
#include "core/login_values.h"
#include "core/raw_http_post.h"
#include "core/win_http.h"
#include "support/loopback_port.h"
#include "support/program_dir.h"
#include "support/request_limit.h"
#include "support/standin_fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString httpLog()
{
    QFile file(LogFilePath("_WinHttp"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every log line carries its stamp and the elapsed milliseconds differ from run to run.
QString withoutFigures(QString log)
{
    log.remove(QRegularExpression("\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]"));
    log.replace(QRegularExpression("\\d+ms 걸림"), "Nms 걸림");
    return log;
}

} // namespace

TEST(WinHttp, AnswersAndOutcomeLinesByStatus)
{
    struct Case {
        StandinReply reply;
        QString answer;
        QString log;
    };
    const QString body = "ID=vmrdemo&PassWord=demo1234&day=all";
    const QList<Case> cases = {
        {StandinReply::text("로그인 성공 번호[7]번호"), "로그인 성공 번호[7]번호", "GetWinHttp ... 성공: Nms 걸림.\r\n"},
        {StandinReply::text(""), "", "GetWinHttp ... 성공: Nms 걸림.\r\n"},
        {StandinReply::text("DB error", 500), "DB error",
         "GetWinHttp ... <실패> (500): Nms 걸림. (Internal Server Error)\r\nURL?" + body + "\r\n"},
        {StandinReply::text("missing", 404), "missing",
         "GetWinHttp ... <실패> (404): Nms 걸림. (Not Found)\r\nURL?" + body + "\r\n"},
        {StandinReply::text("", 204), "", "GetWinHttp ... <실패> (204): Nms 걸림. (No Content)\r\nURL?" + body + "\r\n"},
        {StandinReply::bytes(QByteArray("smsPoint[12]smsPoint\0garbage]x", 31)), "smsPoint[12]smsPoint",
         "GetWinHttp ... 성공: Nms 걸림.\r\n"},
    };
    StandinFixture backend;
    const QString url = gServerURL + "/program/test.php";
    for (const Case& c : cases) {
        TempProgramDir dir;
        backend->script("/program/test.php", c.reply);
        EXPECT_EQ(GetWinHttp(url, body, true), c.answer);
        QString expected = c.log;
        EXPECT_EQ(withoutFigures(httpLog()), expected.replace("URL", url)) << c.reply.status;
    }
}

TEST(WinHttp, PostsTheBodyAsUtf8TextUnchangedWithTheTwoHeaders)
{
    TempProgramDir dir;
    StandinFixture backend;
    const QString body = "ID=vmrdemo&PassWord=demo1234&name=홍길동&memo=50% 할인&x=a+b";
    GetWinHttp(gServerURL + "/program/logins.php", body);
    ASSERT_EQ(backend->requests().size(), 1);
    const StandinRequest& request = backend->requests()[0];
    EXPECT_EQ(request.path, "/program/logins.php");
    EXPECT_EQ(request.body, body.toUtf8());
    const qsizetype type = request.headers.indexOf("Content-Type: application/x-www-form-urlencoded");
    const qsizetype agent = request.headers.indexOf("User-Agent: Firefox 3.6.4");
    EXPECT_GE(type, 0);
    EXPECT_GT(agent, type);
}

TEST(WinHttp, AnswerCutOffReturnsWhatCameAndTheErrorLine)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/program/test.php", StandinReply::cutOff("storename[가게]storename"));
    EXPECT_EQ(GetWinHttp(gServerURL + "/program/test.php", "ID=a"), "storename[가게]storename");
    EXPECT_TRUE(withoutFigures(httpLog()).startsWith("e)lib_misc->GetWinHttp[Erl:=8, Eno:=2]\r\n   "));
    EXPECT_EQ(backend->requests().size(), 1);
}

TEST(WinHttp, NoAnswerGivesEmptyTextAndTheErrorLine)
{
    TempProgramDir dir;
    const QString url = "http://127.0.0.1:" + QString::number(FreeLoopbackPort()) + "/program/logins.php";

    EXPECT_EQ(GetWinHttp(url, "ID=a&PassWord=b"), "");
    EXPECT_EQ(withoutFigures(httpLog()), "e)lib_misc->GetWinHttp[Erl:=7, Eno:=1]\r\n   Connection refused\r\n");

    QFile::remove(LogFilePath("_WinHttp"));
    EXPECT_EQ(GetWinHttpOnce(url, "ID=a&PassWord=b"), "");
    EXPECT_EQ(withoutFigures(httpLog()), "e)lib_misc->GetWinHttpOnce[Erl:=7, Eno:=1]\r\n   Connection refused\r\n"
                                         "GetWinHttpOnce ... <실패2>: Nms 걸림. " + url + "?<params>\r\n");
}

TEST(WinHttp, DroppedConnectionAndTlsAttemptGiveEmptyText)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/program/logins.php", StandinReply::drop());
    EXPECT_EQ(GetWinHttp(gServerURL + "/program/logins.php", "ID=a"), "");
    EXPECT_TRUE(httpLog().contains("e)lib_misc->GetWinHttp[Erl:=7, Eno:="));
    EXPECT_EQ(backend->requests().size(), 1);

    backend->clearRequests();
    const QString https = "https://127.0.0.1:" + QString::number(backend.port()) + "/program/logins.php";
    EXPECT_EQ(GetWinHttp(https, "ID=a"), "");
    EXPECT_TRUE(backend->requests().isEmpty());
}

TEST(WinHttp, OnceLogsItsOwnSuccessLine)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/program/test.php", StandinReply::text("발송 성공"));
    EXPECT_EQ(GetWinHttpOnce(gServerURL + "/program/test.php", "ID=a"), "발송 성공");
    EXPECT_EQ(withoutFigures(httpLog()), "GetWinHttpOnce ... 성공: Nms 걸림.\r\n");
}

TEST(WinHttp, RequestFromATimerDuringTheWaitCompletes)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/program/slow.php", StandinReply::text("slow answer").after(400));
    backend->script("/program/fast.php", StandinReply::text("fast answer"));
    QString inner;
    QTimer::singleShot(50, [&] { inner = GetWinHttp(gServerURL + "/program/fast.php", "ID=b"); });

    EXPECT_EQ(GetWinHttp(gServerURL + "/program/slow.php", "ID=a"), "slow answer");
    EXPECT_EQ(inner, "fast answer");
    ASSERT_EQ(backend->requests().size(), 2);
    EXPECT_EQ(backend->requests()[1].path, "/program/fast.php");
}

TEST(WinHttp, AnswerLaterThanTheTimeOutIsNoAnswer)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/program/slow.php", StandinReply::text("too late").after(12000));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(GetWinHttp(gServerURL + "/program/slow.php", "ID=a"), "");
    EXPECT_GE(clock.elapsed(), 9500);
    EXPECT_LT(clock.elapsed(), 11900);
    EXPECT_TRUE(withoutFigures(httpLog()).startsWith("e)lib_misc->GetWinHttp[Erl:=7, Eno:=5]\r\n   "));
}

TEST(WinHttp, ATrickleEndsAtTheTotalLimitAsATimeOutDoes)
{
    TempProgramDir dir;
    StandinFixture backend;
    ShortRequestLimit limit(1500);
    backend->script("/program/drip.php", StandinReply::drip("a slow answer", 200));
    QElapsedTimer clock;
    clock.start();
    HttpOutcome outcome = HttpOutcome::Complete;
    EXPECT_EQ(GetWinHttp(gServerURL + "/program/drip.php", "ID=a", true, &outcome), "");
    EXPECT_GE(clock.elapsed(), 1400);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(outcome, HttpOutcome::TimedOut);
    EXPECT_EQ(withoutFigures(httpLog()), "e)lib_misc->GetWinHttp[Erl:=7, Eno:=5]\r\n   Operation canceled\r\n");

    clock.restart();
    EXPECT_EQ(PostRaw(gServerURL + "/program/drip.php", "ID=a", {}, 10000), "");
    EXPECT_GE(clock.elapsed(), 1400);
    EXPECT_LT(clock.elapsed(), 5000);

    backend->script("/program/drip.php", StandinReply::drip("ok", 10));
    EXPECT_EQ(GetWinHttp(gServerURL + "/program/drip.php", "ID=a", true, &outcome), "ok");
    EXPECT_EQ(outcome, HttpOutcome::Complete);
    EXPECT_EQ(PostRaw(gServerURL + "/program/drip.php", "ID=a", {}, 10000), "ok");
}
