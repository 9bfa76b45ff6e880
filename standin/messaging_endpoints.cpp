#include "answer_writer.h"
#include "endpoint.h"
#include "message_history.h"

#include "core/answer_grammar.h"
#include "core/byte_text.h"

#include <QDateTime>

#include <algorithm>

// The sent-message history, the instant message and the canned phrases.

namespace {

constexpr int kPageSize = 30;
constexpr int kLmsBytes = 91;

bool withinPeriod(const StandinRecord& message, const QString& day, const QString& day2)
{
    const QString date = message.value("regdate").left(10);
    return (day == "all" || date >= day) && (day2 == "all" || date <= day2);
}

// " num[…]num  Phone[…]Phone  regdate[…]regdate  MSG[…]MSG ": two blanks between the fields.
QString historyRecord(const StandinRecord& message)
{
    QStringList fields;
    for (const QString name : {"num", "Phone", "regdate", "MSG"})
        fields.append(Field(name, message.value(name)));
    return " " + fields.join("  ") + " ";
}

// "<totalrow>" the messages of the period "</totalrow>", then the records of the page.
QString history(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString day = form.value("day");
    const QString day2 = form.value("day2");
    const int page = form.value("page").toInt();
    QString records;
    int total = 0;
    for (const StandinRecord& message : shop.messages) {
        if (!withinPeriod(message, day, day2))
            continue;
        ++total;
        if (page >= 1 && total > kPageSize * (page - 1) && total <= kPageSize * page)
            records += "<menubrrs>" + historyRecord(message) + "</menubrrs>";
    }
    return Tag("totalrow", QString::number(total)) + records;
}

int digitCount(const QString& text)
{
    return int(std::count_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }));
}

QString sendOne(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    const QString number = form.value("sendphonetext");
    const QString text = form.value("sendTEXT").replace(QStringLiteral("!줄!"), QStringLiteral("\r\n"));
    const int cost = MessageCost(text);
    if (digitCount(number) < 10 || shop.credit < cost)
        return QStringLiteral("전송 실패");
    shop.credit -= cost;
    RecordSentMessage(shop, {number}, text);
    return QStringLiteral("전송 성공");
}

QString loadPhrases(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    QString answer;
    for (const QString& phrase : shop.phrases.value(form.value("selectText")))
        answer += Tag("text", phrase);
    return answer;
}

QString savePhrases(ShopState& shop, const FormFields& form)
{
    if (!IsShopRequest(shop, form))
        return WrongAccountAnswer();
    shop.phrases.insert(form.value("selectText"), GetFieldValues(form.value("commentText"), "<text>", "</text>"));
    return QStringLiteral("저장 성공");
}

} // namespace

int MessageCost(const QString& text)
{
    return ByteLen(text) >= kLmsBytes ? 45 : 20;
}

void RecordSentMessage(ShopState& shop, const QStringList& numbers, const QString& text)
{
    QString phone = numbers.value(0);
    if (numbers.size() > 1) {
        phone.clear();
        for (const QString& number : numbers)
            phone += "a[" + number + "]a ";
    }
    const int last = shop.messages.isEmpty() ? 0 : shop.messages.last().value("num").toInt();
    shop.messages.append({{"num", QString::number(last + 1)},
                          {"Phone", phone},
                          {"regdate", QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss")},
                          {"MSG", text}});
}

void AddMessagingEndpoints(EndpointMap& endpoints)
{
    endpoints.insert("/vbPHP/smsload.php", history);
    endpoints.insert("/program/sendSMS2.php", sendOne);
    endpoints.insert("/program/commentloading.php", loadPhrases);
    endpoints.insert("/program/commentsave.php", savePhrases);
}
