#include "stats/statistics_window.h"

#include "core/byte_text.h"
#include "core/converters.h"
#include "core/date_time.h"
#include "core/number_format.h"
#include "platform/message_box.h"
#include "server/coupon_sms.h"
#include "server/message_credit.h"

#include <QCoreApplication>
#include <QPointer>

// The bulk messages to the ticked customers of the list.

namespace {

constexpr int kMinimumDigits = 10;
constexpr int kTalkBatch = 100;

bool enoughDigits(const QString& shown)
{
    return QString(shown).remove(u'-').size() >= kMinimumDigits;
}

// The KakaoTalk recipients "a[" digits "]a ", at most 100 to a batch, in row order.
QStringList talkBatches(GridModel& grid, int* total)
{
    QStringList batches;
    int inBatch = kTalkBatch;
    const int rows = grid.MaxRows();
    for (int r = 1; r <= rows; ++r) {
        grid.SetCol(2);
        grid.SetRow(r);
        const QString shown = grid.GetText(5, r);
        if (grid.Value() != 1 || !enoughDigits(shown))
            continue;
        if (inBatch == kTalkBatch) {
            batches.append(QString());
            inBatch = 0;
        }
        batches.last() += "a[" + QString(shown).remove(u'-') + "]a ";
        ++inBatch;
        ++*total;
    }
    return batches;
}

} // namespace

// CP949 bytes; a CR LF line break counts two.
int frmz통계B::LenMbcs(const QString& text) const
{
    return ByteLen(text);
}

void frmz통계B::writeSendCount(int count)
{
    const QString caption = FormatNumber(count) + "/" + FormatNumber(SPR[0]->MaxRows());
    전송건수[0]->setText(caption);
    전송건수[1]->setText(caption);
}

bool frmz통계B::refreshCredit(int* credit)
{
    QPointer<frmz통계B> self(this);
    *credit = ToLong(VMR_남은문자());
    if (!self)
        return false;
    ShowCredit(*credit);
    QCoreApplication::processEvents();
    return bool(self);
}

bool frmz통계B::confirmSend(bool enough, const QString& shortage)
{
    if (!enough) {
        MsgBox(shortage + QStringLiteral("\r\n충전해 주세요."), MsgStyle::OkOnly);
        return false;
    }
    QPointer<frmz통계B> self(this);
    return MsgBox(QStringLiteral("전송하시겠습니까?"), MsgStyle::YesNo) == MsgResult::Yes && self;
}

bool frmz통계B::finishSend(bool answered)
{
    QPointer<frmz통계B> self(this);
    Delay(1000);
    if (!self)
        return false;
    const int credit = ToLong(VMR_남은문자());
    if (!self)
        return false;
    ShowCredit(credit);
    if (!answered) {
        MsgBox(QStringLiteral("실패! 다시 시도해주세요."), MsgStyle::OkOnly);
        return false;
    }
    MsgBox(QStringLiteral("성공!"), MsgStyle::OkOnly);
    return true;
}

bool frmz통계B::Send_문자()
{
    QPointer<frmz통계B> self(this);
    const CouponRecipients recipients = TickedCouponRecipients(*SPR[0], 5, enoughDigits);
    writeSendCount(recipients.count);
    if (recipients.count == 0) {
        MsgBox(QStringLiteral("선택된 회원이 없습니다!"), MsgStyle::OkOnly);
        return false;
    }
    if (Trim(txt보낼문자->text()).isEmpty()) {
        MsgBox(QStringLiteral("보낼 문자를 작성해 주세요!"), MsgStyle::OkOnly);
        return false;
    }
    int credit = 0;
    if (!refreshCredit(&credit))
        return false;
    const int price = 글자크기->text().right(3) == QStringLiteral("SMS") ? 20 : 45;
    if (!confirmSend(qint64(credit) >= qint64(price) * recipients.count, QStringLiteral("남은 문자가 모자랍니다!")))
        return false;
    const QString text = txt보낼문자->text();
    const std::optional<QString> answer =
        SendCouponSmsWaiting(*picWait, QStringLiteral("Send_문자() ... "), recipients, text);
    if (!answer || !self)
        return false;
    return finishSend(!answer->isEmpty());
}

bool frmz통계B::Send_톡()
{
    QPointer<frmz통계B> self(this);
    int total = 0;
    const QStringList batches = talkBatches(*SPR[0], &total);
    writeSendCount(total);
    if (total == 0) {
        MsgBox(QStringLiteral("선택된 회원이 없습니다!"), MsgStyle::OkOnly);
        return false;
    }
    int credit = 0;
    if (!refreshCredit(&credit))
        return false;
    if (!confirmSend(qint64(credit) >= qint64(15) * total, QStringLiteral("남은 건수가 모자랍니다!")))
        return false;
    picWait->showBeforeRequest();
    if (!self)
        return false;
    bool answered = true;
    for (const QString& batch : batches) {
        const QString answer = BackendRequest(QStringLiteral("Send_톡() ... "),
                                              QStringLiteral("/Admin/infokakaoSendTempleteLot.php"))
                                   .add(QStringLiteral("sendphonetext"), batch)
                                   .sendOnce();
        if (!self)
            return false;
        answered = answered && !answer.isEmpty();
        Delay(1000);
        if (!self)
            return false;
    }
    picWait->hide();
    return finishSend(answered);
}
