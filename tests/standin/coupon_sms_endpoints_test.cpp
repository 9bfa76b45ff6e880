#include "core/backend_request.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

// The message to several callers: each recipient costs 20 points as SMS, 45 from 91 bytes on.

namespace {

QString send(int bytec, const QString& recipients)
{
    return BackendRequest("test() ... ", "/program/sendCouponSMS.php")
        .addEscaped("bytec", QString::number(bytec))
        .addEscaped("sendphonetext", recipients)
        .addEscaped("sendTEXT", "%41%21%EC%A4%84%21%42")
        .send();
}

} // namespace

TEST(StandinCouponSms, ChargesEachRecipientOrRefusesWithoutCredit)
{
    StandinFixture backend;
    const QString two = "b[7]ba[01012345678]a b[8]ba[0212345678]a ";
    const struct {
        int bytec;
        qint64 credit;
        QString answer;
        qint64 left;
    } cases[] = {{90, 40, "성공", 0}, {90, 39, "실패", 39}, {91, 90, "성공", 0}, {91, 89, "실패", 89}};
    for (const auto& c : cases) {
        backend.shop().credit = c.credit;
        const qsizetype sent = backend.shop().messages.size();
        EXPECT_EQ(send(c.bytec, two), c.answer) << c.bytec << " " << c.credit;
        EXPECT_EQ(backend.shop().credit, c.left);
        EXPECT_EQ(backend.shop().messages.size(), sent + (c.answer == "성공" ? 1 : 0));
    }
    const auto& last = backend.shop().messages.last();
    EXPECT_EQ(last.value("Phone"), "a[01012345678]a a[0212345678]a ");
    EXPECT_EQ(last.value("MSG"), "A\r\nB");
}
