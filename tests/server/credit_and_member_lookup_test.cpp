#include "core/log.h"
#include "core/login_values.h"
#include "server/member_lookup.h"
#include "server/message_credit.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

TEST(MessageCredit, TheCreditAndWhetherItArrived)
{
    TempProgramDir dir;
    StandinFixture backend;
    // An answer without the credit's field writes the function's error line to the main log.
    const QString errorLine = "e)libz_VMR->VMR_남은문자[Erl:=6, Eno:=5]";
    const auto errorLines = [&] { return dir.read(QFileInfo(LogFilePath()).fileName()).count(errorLine); };
    struct Case { QString answer; int credit; bool arrived; };
    const Case cases[] = {
        {"smsPoint[1,234]smsPoint", 1234, true},
        {"smsPoint[]smsPoint", 0, true},
        {"point[5]point", 0, false},
    };
    for (const Case& c : cases) {
        backend->script("/program/alramsavingLoading.php", StandinReply::text(c.answer));
        bool arrived = !c.arrived;
        const int before = errorLines();
        EXPECT_EQ(VMR_남은문자(&arrived), c.credit) << c.answer.toStdString();
        EXPECT_EQ(arrived, c.arrived) << c.answer.toStdString();
        EXPECT_EQ(errorLines() - before, c.arrived ? 0 : 1) << c.answer.toStdString();
    }
    backend->script("/program/alramsavingLoading.php", StandinReply::drop());
    EXPECT_EQ(VMR_남은문자(), 0);
    EXPECT_EQ(errorLines(), 2);
}

TEST(MessageCredit, EachCallLogsOneLineWithItsRunningCount)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/program/alramsavingLoading.php", StandinReply::text("smsPoint[50]smsPoint"));
    const QString today = QDateTime::currentDateTime().toString("yyMMdd");
    VMR_남은문자();
    const QRegularExpression line("\\(([0-9,]+)\\) ");
    const int before = line.match(dir.read(today + "_WinHttp_1.log")).captured(1).remove(',').toInt();
    for (int i = 0; i < 1000 - before; ++i)
        VMR_남은문자();
    const QStringList lines = dir.read(today + "_WinHttp_1.log").split("\r\n", Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.last().contains("]VMR_남은문자() ... (1,000) " + gServerURL
                                      + "/program/alramsavingLoading.php?ID=" + backend.shopId()
                                      + "&PassWord=" + backend.shopPassword() + " → smsPoint[50]smsPoint"))
        << lines.last().toStdString();
    EXPECT_FALSE(dir.read(today + "_WinHttp.log").contains("VMR_남은문자"));
}

TEST(MessageCredit, ACallDuringTheWaitOfAnotherLogsItsOwnCount)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/program/alramsavingLoading.php", StandinReply::text("smsPoint[50]smsPoint").after(300));
    QTimer::singleShot(50, [] { VMR_남은문자(); });
    VMR_남은문자();
    const QString today = QDateTime::currentDateTime().toString("yyMMdd");
    const QStringList lines = dir.read(today + "_WinHttp_1.log").split("\r\n", Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
    const QRegularExpression count("\\(([0-9,]+)\\) ");
    const int inner = count.match(lines.at(lines.size() - 2)).captured(1).remove(',').toInt();
    const int outer = count.match(lines.last()).captured(1).remove(',').toInt();
    EXPECT_EQ(inner, outer + 1) << lines.join("\n").toStdString();
}

TEST(MemberLookup, NamesByPhone)
{
    TempProgramDir dir;
    StandinFixture backend;
    const QString path = "/program/SearchMember1DetailPhone.php";
    struct Case { QString answer; QString name; };
    const Case cases[] = {
        {"name[홍길동]name memo[단골]memo", "홍길동"},
        {"name[임시]name", "준회원"},
        {"name[임시회원]name", "임시회원"},
        {"nickname[별명]nickname name[홍]name", "별명]nickname "},
        {"memo[없음]memo", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        backend->script(path, StandinReply::text(c.answer));
        EXPECT_EQ(Vmr_회원("010-1234-5678"), c.name) << c.answer.toStdString();
    }
    EXPECT_EQ(backend->requestsTo(path).last().form().value("phonet"), "01012345678");
    EXPECT_TRUE(backend->requestsTo(path).last().body.endsWith("&phonet=01012345678"));
}
