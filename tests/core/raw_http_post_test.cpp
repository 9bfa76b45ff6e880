#include "core/login_values.h"
#include "core/raw_http_post.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

TEST(RawHttpPost, SendsTheBytesWithTheHeadersInOrderAndReportsTheStatus)
{
    StandinFixture backend;
    const QString url = gServerURL + "/qrmainimg/index.php";
    const QByteArray body("--b\r\n\xEA\xB0\x80\x00\xFF\r\n--b--\r\n", 19);
    struct Case {
        StandinReply reply;
        QString answer;
        int status;
    };
    const QList<Case> cases{
        {StandinReply::text("업로드 성공"), "업로드 성공", 200},
        {StandinReply::bytes(QByteArray("ok\0rest", 7)), "ok", 200},
        {StandinReply::text("<html>missing</html>", 404), "<html>missing</html>", 404},
        {StandinReply::drop(), "", 0},
    };
    for (const Case& c : cases) {
        backend->clearRequests();
        backend->script("/qrmainimg/index.php", c.reply);
        int status = -1;
        EXPECT_EQ(PostRaw(url, body, {{"Content-Type", "multipart/form-data; boundary=b"}, {"X-Second", "2"}}, 5000, &status),
                  c.answer);
        EXPECT_EQ(status, c.status);
        ASSERT_GE(backend->requests().size(), 1);
        const StandinRequest& request = backend->requests()[0];
        EXPECT_EQ(request.body, body);
        const qsizetype type = request.headers.indexOf("Content-Type: multipart/form-data; boundary=b");
        EXPECT_GE(type, 0);
        EXPECT_GT(request.headers.indexOf("X-Second: 2"), type);
    }
}
