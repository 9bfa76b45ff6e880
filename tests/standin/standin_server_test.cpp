#include "core/answer_grammar.h"
#include "core/login_values.h"
#include "core/win_http.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"
#include "standin/http_message.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString post(const QString& path, const QString& body = "ID=x")
{
    return GetWinHttp(gServerURL + path, body);
}

} // namespace

TEST(Standin, SequencesThenFixedAnswersThenTheShop)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->scriptSequence("/program/zzimloading.php",
                            {StandinReply::text("one"), StandinReply::drop(), StandinReply::text("three", 500)});
    EXPECT_EQ(post("/program/zzimloading.php", "ID=1"), "one");
    EXPECT_EQ(post("/program/zzimloading.php", "ID=2"), "");
    EXPECT_EQ(post("/program/zzimloading.php", "ID=3"), "three");
    EXPECT_FALSE(post("/program/zzimloading.php", "ID=4").contains("persontype["));   // wrong account

    backend->script("/program/zzimloading.php", StandinReply::text("fixed"));
    EXPECT_EQ(post("/program/zzimloading.php", "ID=5"), "fixed");
    EXPECT_EQ(post("/program/zzimloading.php", "ID=6"), "fixed");
    backend->clearScripts();
    const QString shop = "ID=" + backend.shopId() + "&PassWord=" + backend.shopPassword();
    EXPECT_TRUE(post("/program/zzimloading.php", shop).contains("persontype["));
    EXPECT_EQ(post("/program/nothing.php"), "Not Found");

    QStringList bodies;
    for (const StandinRequest& request : backend->requestsTo("/program/zzimloading.php"))
        bodies << QString::fromUtf8(request.body);
    EXPECT_EQ(bodies, QStringList({"ID=1", "ID=2", "ID=3", "ID=4", "ID=5", "ID=6", shop}));
    EXPECT_EQ(backend->requests().size(), 8);
}

TEST(Standin, ParsesTheFormAsAFormParserDoes)
{
    const FormFields form("ID=a%26b&PassWord=p%2Bw&memo=two+words%21&name=%ED%99%8D&empty=&bare&x=1&x=2");
    EXPECT_EQ(form.value("ID"), "a&b");
    EXPECT_EQ(form.value("PassWord"), "p+w");
    EXPECT_EQ(form.value("memo"), "two words!");
    EXPECT_EQ(form.value("name"), "홍");
    EXPECT_TRUE(form.contains("empty"));
    EXPECT_TRUE(form.contains("bare"));
    EXPECT_EQ(form.value("x"), "2");
}

TEST(Standin, KeepsAPercentSignWithoutTwoHexDigitsAfterIt)
{
    // A staff name escaped for the backend keeps its "%" raw; form parsers leave such a sign alone.
    const FormFields form("a=100%&b=50%할인&c=%zz%4&d=%41%4g%2b");
    EXPECT_EQ(form.value("a"), "100%");
    EXPECT_EQ(form.value("b"), "50%할인");
    EXPECT_EQ(form.value("c"), "%zz%4");
    EXPECT_EQ(form.value("d"), "A%4g+");
}

TEST(Standin, ReadsARequestThatArrivesInPiecesAndClosesTlsAtOnce)
{
    StandinFixture backend;
    QTcpSocket plain;
    plain.connectToHost(QHostAddress::LocalHost, backend.port());
    ASSERT_TRUE(plain.waitForConnected(2000));
    plain.write("POST /program/logins.php HTTP/1.1\r\nHost: x\r\nContent-Length: 12\r\n\r\nID=ab");
    plain.flush();
    QTest::qWait(50);
    plain.write("&Pass=1");
    QByteArray answer;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (answer += plain.readAll()).contains("\r\n\r\n"); }, 2000));
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 200 OK\r\n"));
    ASSERT_EQ(backend->requests().size(), 1);
    EXPECT_EQ(backend->requests()[0].body, "ID=ab&Pass=1");

    QTcpSocket tls;
    tls.connectToHost(QHostAddress::LocalHost, backend.port());
    ASSERT_TRUE(tls.waitForConnected(2000));
    tls.write(QByteArray("\x16\x03\x01\x00\x05hello", 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tls.state() == QAbstractSocket::UnconnectedState; }, 2000));
    EXPECT_EQ(backend->requests().size(), 1);
}

TEST(Standin, RefusesABodyLengthItCannotAccept)
{
    struct Case {
        QByteArray length;
        HttpParse parse;
    };
    const QList<Case> cases = {
        {"5", HttpParse::Complete},
        {"67108864", HttpParse::Incomplete},
        {"67108865", HttpParse::TooLarge},
        {"-1", HttpParse::TooLarge},
        {"five", HttpParse::TooLarge},
        {"9223372036854775807", HttpParse::TooLarge},
        {"99999999999999999999999", HttpParse::TooLarge},
    };
    StandinFixture backend;
    for (const Case& c : cases) {
        const QByteArray request = "POST /program/logins.php HTTP/1.1\r\nContent-Length: " + c.length + "\r\n\r\nID=ab";
        HttpRequestHead head;
        EXPECT_EQ(ParseHttpRequest(request, head), c.parse) << c.length.constData();
        if (c.parse != HttpParse::TooLarge)
            continue;
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, backend.port());
        ASSERT_TRUE(socket.waitForConnected(2000));
        socket.write(request);
        ASSERT_TRUE(QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 2000));
        const QByteArray answer = socket.readAll();
        EXPECT_TRUE(answer.startsWith("HTTP/1.1 413 Payload Too Large\r\n")) << c.length.constData();
    }
    EXPECT_TRUE(backend->requests().isEmpty());
}

TEST(Standin, RunsAloneAsAChildProcess)
{
    QProcess standin;
    standin.start(VMR_STANDIN_EXECUTABLE, {"--port", "0", "--kt-port", "0", "--lg-port", "0"});
    ASSERT_TRUE(standin.waitForStarted(5000));
    QString line;
    const auto readLine = [&] { return !(line += QString::fromUtf8(standin.readAllStandardOutput())).isEmpty(); };
    ASSERT_TRUE(QTest::qWaitFor(readLine, 5000));
    const QRegularExpressionMatch url = QRegularExpression("http://127\\.0\\.0\\.1:(\\d+)").match(line);
    ASSERT_TRUE(url.hasMatch()) << line.toStdString();

    TempProgramDir dir;
    const QString answer = GetWinHttp(url.captured(0) + "/program/logins.php", "ID=vmrdemo&PassWord=demo1234");
    EXPECT_TRUE(IsSuccessAnswer(answer));
    standin.kill();
    standin.waitForFinished(5000);

    QProcess wrongData;
    wrongData.start(VMR_STANDIN_EXECUTABLE, {"--port", "0", "--data", dir.path()});
    ASSERT_TRUE(wrongData.waitForFinished(5000));
    EXPECT_EQ(wrongData.exitCode(), 1);
    EXPECT_TRUE(wrongData.readAllStandardError().contains("shop.json"));
}
