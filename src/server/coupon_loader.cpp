#include "server/coupon_loader.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "server/answer_fields.h"
#include "server/server_globals.h"

namespace {

QString validity(const QString& coupon)
{
    const QString kind = BracketText(coupon, "timeText");
    if (kind == QLatin1String("D"))
        return "기한 : " + BracketText(coupon, "time1") + " ~ " + BracketText(coupon, "time2");
    if (kind == QLatin1String("0"))
        return QStringLiteral("기한 : 당일");
    return "기한 : " + kind + "일간";
}

// One line of the description when its switch is "Y".
void addWhenOn(QString& description, const QString& coupon, const QString& switchName,
               const QString& caption, const QString& valueName)
{
    if (BracketText(coupon, switchName) == QLatin1String("Y"))
        description += "\r\n" + caption + BracketText(coupon, valueName);
}

QString description(const QString& coupon)
{
    if (BracketText(coupon, "USE") != QLatin1String("Y"))
        return QString();
    QString text = "쿠폰: " + BracketText(coupon, "couponname");
    addWhenOn(text, coupon, "discountYN", "할인:", "discount");
    addWhenOn(text, coupon, "savingYN", "적립:", "saving");
    addWhenOn(text, coupon, "giftYN", "상품:", "giftText");
    return text + "\r\n" + validity(coupon) + "\n";
}

} // namespace

bool Load_쿠폰()
{
    gCoupon.clear();
    const QString answer = BackendRequest("Load_쿠폰() ... ", "/vbPHP/couponload.php").send();
    // Built apart and put in place at once: another load may have run during the wait.
    QList<CouponRecord> coupons;
    for (const AnswerRecord& record : AnswerRecords::Separated(answer, "<menubrrs>")) {
        const QString coupon = record.text().section("</menubrrs>", 0, 0);
        coupons.append({BracketText(coupon, "couponname"), BracketText(coupon, "couponname2"),
                        BracketText(coupon, "num"), description(coupon)});
    }
    gCoupon = coupons;
    return true;
}
