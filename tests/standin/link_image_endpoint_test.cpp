#include "core/raw_http_post.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

// The image host takes a multipart upload without login and keeps the file part under the shop
// its file name names; a body without a file part is refused.
TEST(LinkImageEndpoint, StoresTheFilePartUnderTheShopOfItsFileName)
{
    TempProgramDir dir;
    StandinFixture backend;
    const QString url = backend->baseUrl() + "/qrmainimg/index.php";
    const QByteArray type = "multipart/form-data; boundary=XyZ";
    struct Case {
        QByteArray body;
        int status;
        QString answer;
    };
    const QList<Case> cases{
        {"--XyZ\r\nContent-Disposition: form-data; name=\"note\"\r\n\r\nhello\r\n--XyZ--\r\n", 400, "Bad Request"},
        {"--XyZ\r\nContent-Disposition: form-data; name=\"file\"; filename=\"http://h/qrmainimg/55__a-1.png\"\r\n"
         "Content-Type: image/png\r\nPNG\r\n\r\nab\r\ncd\r\n--XyZ--\r\n",
         200, "성공"}};
    for (const Case& c : cases) {
        int status = 0;
        EXPECT_EQ(PostRaw(url, c.body, {{"Content-Type", type}}, 5000, &status), c.answer);
        EXPECT_EQ(status, c.status);
    }
    EXPECT_EQ(backend.shop().linkImages.keys(), QStringList{"55"});
    EXPECT_EQ(backend.shop().linkImages.value("55"), "ab\r\ncd");
}
