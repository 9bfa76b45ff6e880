#include "server/coupon_sms.h"

#include "core/text_escapes.h"

BackendRequest CouponSmsRequest(const QString& label, int bytec, const QString& recipients,
                                const QString& lineText)
{
    BackendRequest request(label, QStringLiteral("/program/sendCouponSMS.php"));
    request.addEscaped(QStringLiteral("bytec"), QString::number(bytec))
        .addEscaped(QStringLiteral("sendphonetext"), recipients)
        .addEscaped(QStringLiteral("groupText"), URLEncode(lineText.left(20)))
        .addEscaped(QStringLiteral("couponNum"), QStringLiteral("X"))
        .addEscaped(QStringLiteral("couponText"), QString())
        .addEscaped(QStringLiteral("sendTEXT"), URLEncode(lineText));
    return request;
}
