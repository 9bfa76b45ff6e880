#include "core/log.h"
#include "core/login_values.h"
#include "core/raw_http_post.h"
#include "core/url_picture.h"
#include "core/win_http.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <QFile>
#include <QLabel>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

// A server that reads the whole request and closes the connection without an answer: Qt's HTTP
// layer would send the request again on a new connection. Every sender of the program sends it
// once and reports the failure.
TEST(SendOnce, ARequestAnsweredByAClosedConnectionArrivesOnceAndFails)
{
    TempProgramDir dir;
    StandinFixture backend;
    const QString path = QStringLiteral("/program/reservationsave.php");
    const QString url = gServerURL + path;
    QLabel image;
    const struct {
        const char* sender;
        std::function<bool()> failed;
        QByteArray body;
    } cases[] = {
        {"GetWinHttp",
         [&] {
             HttpOutcome outcome = HttpOutcome::Complete;
             return GetWinHttp(url, "ID=a&memo=1", true, &outcome).isEmpty() && outcome == HttpOutcome::Failed;
         },
         "ID=a&memo=1"},
        {"GetWinHttpOnce",
         [&] {
             HttpOutcome outcome = HttpOutcome::Complete;
             return GetWinHttpOnce(url, "ID=a&memo=1", true, &outcome).isEmpty() && outcome == HttpOutcome::Failed;
         },
         "ID=a&memo=1"},
        {"PostRaw",
         [&] {
             int status = -1;
             return PostRaw(url, "ID=a&memo=1", {{"Content-Type", "application/x-www-form-urlencoded"}}, 5000, &status)
                        .isEmpty()
                    && status == 0;
         },
         "ID=a&memo=1"},
        {"LoadURLPicture2", [&] { return !LoadURLPicture2(url, dir.file("picture.png"), image, 5000); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sender);
        backend->clearRequests();
        backend->script(path, StandinReply::drop());
        EXPECT_TRUE(c.failed());
        // A repeat would arrive at once on its new connection; give it the time to.
        QTest::qWait(200);
        ASSERT_EQ(backend->requests().size(), 1);
        EXPECT_EQ(backend->requests()[0].body, c.body);
    }
    QFile log(LogFilePath("_WinHttp"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString lines = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(lines.contains("e)lib_misc->GetWinHttp[Erl:=7, Eno:=2]\r\n   Connection closed\r\n"))
        << lines.toStdString();
    EXPECT_TRUE(lines.contains("e)lib_misc->GetWinHttpOnce[Erl:=7, Eno:=2]\r\n   Connection closed\r\n"));
}
