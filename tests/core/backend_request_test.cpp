#include "core/backend_request.h"
#include "core/text_escapes.h"
#include "core/log.h"
#include "core/login_values.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QStringList logLines(const QString& suffix)
{
    QFile file(LogFilePath(suffix));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QRegularExpression("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]", QRegularExpression::MultilineOption));
    return text.split("\r\n");
}

} // namespace

TEST(BackendRequest, BuildsTheBodyFromTheAccountAndThePairs)
{
    StandinFixture backend;   // restores the login values afterwards
    gServerURL = "http://host:1";
    gShopID = "shop&1";
    gShopPW = "p+w%";
    BackendRequest request("Read_직원() ... ", "/program/shopmanagerloading.php");
    request.add("name", "A&B+C").addEscaped("memo", "%EC%95%88!줄!").add("day", "2024-04-26");
    EXPECT_EQ(request.url(), "http://host:1/program/shopmanagerloading.php");
    EXPECT_EQ(request.body(),
              "ID=shop%261&PassWord=p%2Bw%25&name=A%26B%2BC&memo=%EC%95%88!줄!&day=2024-04-26");

    BackendRequest admin("Load_포스종류() ... ", "/bestAdmin/memberloading.php");
    EXPECT_EQ(admin.withAccount("admin", "zotrex4").body(), "ID=admin&PassWord=zotrex4");
}

TEST(BackendRequest, SendLogsRequestAndAnswerAroundTheTransport)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/program/test.php", StandinReply::text("num[1]num\r\nname[가]name"));
    const QString answer = BackendRequest("Read_직원() ... ", "/program/test.php").add("q", "a&b").send();

    EXPECT_EQ(answer, "num[1]num\r\nname[가]name");
    const QString url = gServerURL + "/program/test.php";
    const QString body = "ID=" + backend.shopId() + "&PassWord=" + backend.shopPassword() + "&q=a%26b";
    const QStringList lines = logLines("_WinHttp");
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], "Read_직원() ... " + url + "?" + body);
    EXPECT_TRUE(lines[1].startsWith("GetWinHttp ... 성공: "));
    EXPECT_EQ(lines[2], "Read_직원() ... ResponseStr:");
    EXPECT_EQ(lines[3] + "\r\n" + lines[4], answer);
    EXPECT_EQ(backend->requests()[0].form().value("q"), "a&b");
}

TEST(BackendRequest, SuffixAndOnceVariant)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/program/test.php", StandinReply::text("ok"));
    BackendRequest("문자발송() ... ", "/program/test.php").withSuffix("_SMS").sendOnce();

    const QStringList sms = logLines("_SMS");
    ASSERT_GE(sms.size(), 3);
    EXPECT_TRUE(sms[0].startsWith("문자발송() ... http://127.0.0.1:"));
    EXPECT_EQ(sms[1], "문자발송() ... ResponseStr:");
    EXPECT_TRUE(logLines("_WinHttp")[0].startsWith("GetWinHttpOnce ... 성공: "));
}

TEST(BackendRequest, AHugeAnswerIsCutInTheLogOnly)
{
    TempProgramDir dir;
    StandinFixture backend;
    // 10 MB of text; a Korean syllable (3 bytes) straddles the 256 KiB mark.
    const QString huge = QString(262143, 'a') + "가" + QString(10 * 1024 * 1024 - 262146, 'b');
    backend->script("/program/test.php", StandinReply::text(huge));
    EXPECT_EQ(BackendRequest("Read_직원() ... ", "/program/test.php").send(), huge);

    EXPECT_LT(QFileInfo(LogFilePath("_WinHttp")).size(), 262144 + 1024);
    const QStringList lines = logLines("_WinHttp");
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[3], QString(262143, 'a') + " … (10485760 bytes)");

    EXPECT_EQ(LoggedAnswer(QString(262144, 'a')), QString(262144, 'a'));
    EXPECT_EQ(LoggedAnswer(QString(262145, 'a')), QString(262144, 'a') + " … (262145 bytes)");
    EXPECT_EQ(LoggedAnswer(QString(87382, u'가')), QString(87381, u'가') + " … (262146 bytes)");
}
