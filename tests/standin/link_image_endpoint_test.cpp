#include "core/raw_http_post.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
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

// A browser opening the site address shows the picture: its answer says what it holds.
TEST(LinkImageEndpoint, ThePictureIsServedAsAPictureAndAMissingOneAsAPage)
{
    TempProgramDir dir;
    StandinFixture backend;
    const QString shop = backend.shop().account.value("번호");
    const struct {
        QString number;
        int status;
        QString type;
    } cases[] = {{shop, 200, "image/png"}, {"999", 404, "text/html; charset=utf-8"}};
    QNetworkAccessManager network;
    for (const auto& c : cases) {
        QNetworkReply* reply = network.get(QNetworkRequest(QUrl(backend->baseUrl() + "/qrmainimg/" + c.number + "__a-1.png")));
        QEventLoop wait;
        QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
        wait.exec();
        EXPECT_EQ(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), c.status);
        EXPECT_EQ(reply->header(QNetworkRequest::ContentTypeHeader).toString(), c.type) << c.number.toStdString();
        reply->deleteLater();
    }
}
