#include "core/backend_request.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

// The KakaoTalk message to several customers: 15 points each, all or nothing.

TEST(StandinKakaoSend, ChargesEachRecipientOrRefusesWithoutCredit)
{
    StandinFixture backend;
    const struct {
        QString recipients;
        qint64 credit;
        QString answer;
        qint64 left;
    } cases[] = {{"a[01012345678]a a[01087654321]a ", 30, "성공", 0},
                 {"a[01012345678]a a[01087654321]a ", 29, "실패", 29},
                 {"", 100, "실패", 100}};
    for (const auto& c : cases) {
        backend.shop().credit = c.credit;
        EXPECT_EQ(BackendRequest("test() ... ", "/Admin/infokakaoSendTempleteLot.php")
                      .add("sendphonetext", c.recipients)
                      .send(),
                  c.answer)
            << c.credit;
        EXPECT_EQ(backend.shop().credit, c.left);
    }
}
