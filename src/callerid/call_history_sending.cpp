#include "callerid/call_history_window.h"

#include "core/byte_text.h"
#include "core/converters.h"
#include "core/date_time.h"
#include "core/number_format.h"
#include "platform/message_box.h"
#include "server/coupon_sms.h"
#include "server/message_credit.h"

#include <QCoreApplication>
#include <QPointer>

// One message to the ticked callers of the list, all in one request.

namespace {

constexpr int kMinimumNumber = 10;

bool longEnough(const QString& shown)
{
    return shown.size() >= kMinimumNumber;
}

} // namespace

// CP949 bytes; a CR LF line break counts two.
int frmB전화수신이력B::LenMbcs(const QString& text) const
{
    return ByteLen(text);
}

bool frmB전화수신이력B::Send_문자()
{
    QPointer<frmB전화수신이력B> self(this);
    const CouponRecipients recipients = TickedCouponRecipients(*SPR[0], 4, longEnough);
    전송건수->setText(FormatNumber(recipients.count) + "/" + FormatNumber(SPR[0]->MaxRows()));
    if (recipients.count == 0) {
        MsgBox(QStringLiteral("선택된 회원이 없습니다!"), MsgStyle::OkOnly);
        return false;
    }
    if (Trim(txt보낼문자->text()).isEmpty()) {
        MsgBox(QStringLiteral("보낼 문자를 작성해 주세요!"), MsgStyle::OkOnly);
        return false;
    }
    const int credit = VMR_남은문자();
    if (!self)
        return false;
    showCredit(credit);
    QCoreApplication::processEvents();
    if (!self)
        return false;
    const bool sms = 글자크기->text().right(3) == QStringLiteral("SMS");
    if ((sms ? credit / 20 : credit / 45) < recipients.count) {
        MsgBox(QStringLiteral("남은 문자가 모자랍니다!\r\n충전해 주세요."), MsgStyle::OkOnly);
        return false;
    }
    if (MsgBox(QStringLiteral("전송하시겠습니까?"), MsgStyle::YesNo) != MsgResult::Yes || !self)
        return false;
    const QString text = txt보낼문자->text();
    const std::optional<QString> answer =
        SendCouponSmsWaiting(*picWait, QStringLiteral("Send_문자() ... "), recipients, text);
    if (!answer || !self)
        return false;
    Delay(1000);
    if (!self)
        return false;
    const int after = VMR_남은문자();
    if (!self)
        return false;
    showCredit(after);
    if (answer->isEmpty()) {
        MsgBox(QStringLiteral("실패! 다시 시도해주세요."), MsgStyle::OkOnly);
        return false;
    }
    MsgBox(QStringLiteral("성공!"), MsgStyle::OkOnly);
    return true;
}
