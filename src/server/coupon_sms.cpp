#include "server/coupon_sms.h"

#include "core/byte_text.h"
#include "core/text_escapes.h"
#include "platform/grid_model.h"
#include "platform/wait_picture.h"

#include <QPointer>

BackendRequest CouponSmsRequest(const QString& label, int bytec, const QString& recipients,
                                const QString& text)
{
    const QString lineText = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("!줄!"));
    BackendRequest request(label, QStringLiteral("/program/sendCouponSMS.php"));
    request.addEscaped(QStringLiteral("bytec"), QString::number(bytec))
        .add(QStringLiteral("sendphonetext"), recipients)
        .addEscaped(QStringLiteral("groupText"), URLEncode(lineText.left(20)))
        .addEscaped(QStringLiteral("couponNum"), QStringLiteral("X"))
        .addEscaped(QStringLiteral("couponText"), QString())
        .addEscaped(QStringLiteral("sendTEXT"), URLEncode(lineText));
    return request;
}

QString MessageSizeCaption(int bytes)
{
    return QString::number(bytes) + QStringLiteral(" - ") + (bytes < 91 ? QStringLiteral("SMS") : QStringLiteral("LMS"));
}

CouponRecipients TickedCouponRecipients(GridModel& grid, int numberColumn,
                                        const std::function<bool(const QString& shown)>& accepts)
{
    CouponRecipients found;
    const int rows = grid.MaxRows();
    for (int r = 1; r <= rows; ++r) {
        grid.SetCol(2);
        grid.SetRow(r);
        if (grid.Value() != 1)
            continue;
        const QString number = grid.GetText(numberColumn, r);
        if (!accepts(number))
            continue;
        ++found.count;
        found.list += "b[" + grid.GetText(1, r) + "]b" + "a[" + QString(number).remove(u'-') + "]a ";
    }
    return found;
}

std::optional<QString> SendCouponSmsWaiting(WaitPicture& wait, const QString& label,
                                             const CouponRecipients& recipients, const QString& text)
{
    QPointer<WaitPicture> shown(&wait);
    wait.showBeforeRequest();
    if (!shown)
        return std::nullopt;
    const QString answer = CouponSmsRequest(label, ByteLen(text), recipients.list, text).sendOnce();
    if (!shown)
        return std::nullopt;
    wait.hide();
    return answer;
}
