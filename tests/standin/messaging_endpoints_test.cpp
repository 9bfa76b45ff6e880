#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/login_values.h"
#include "core/text_escapes.h"
#include "standin/endpoint.h"
#include "support/standin_fixture.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

QString history(const QString& day, const QString& day2, int page)
{
    return BackendRequest("test() ... ", "/vbPHP/smsload.php")
        .add("day", day)
        .add("day2", day2)
        .add("page", QString::number(page))
        .send();
}

QString send(const QString& number, const QString& text)
{
    return BackendRequest("test() ... ", "/program/sendSMS2.php")
        .add("sendphonetext", number)
        .addEscaped("sendTEXT", URLEncode(QString(text).replace("\r\n", "!줄!")))
        .send();
}

QStringList regdates(const QString& answer)
{
    return GetFieldValues(answer, " regdate[", "]regdate ");
}

} // namespace

TEST(StandinMessaging, TheHistoryPagesThePeriodBy30OldestFirst)
{
    StandinFixture backend;
    const qsizetype all = backend.shop().messages.size();
    ASSERT_GT(all, 60);
    ASSERT_LE(all, 90);
    const QString first = history("all", "all", 1);
    EXPECT_TRUE(first.startsWith("<totalrow>" + QString::number(all) + "</totalrow><menubrrs> num["));
    EXPECT_EQ(GetItemCount(first, "<menubrrs>"), "30");
    EXPECT_EQ(GetItemCount(first, "</menubrrs>"), "30");
    const StandinRecord& oldest = backend.shop().messages.first();
    EXPECT_TRUE(first.contains("<menubrrs> num[" + oldest.value("num") + "]num  Phone[" + oldest.value("Phone")
                               + "]Phone  regdate[" + oldest.value("regdate") + "]regdate  MSG[" + oldest.value("MSG")
                               + "]MSG </menubrrs>"));
    EXPECT_EQ(GetItemCount(history("all", "all", 3), "<menubrrs>"), QString::number(all - 60));
    for (int page : {0, 4})
        EXPECT_EQ(history("all", "all", page), "<totalrow>" + QString::number(all) + "</totalrow>") << page;

    const QString day = backend.shop().messages[10].value("regdate").left(10);
    const QString oneDay = history(day, day, 1);
    for (const QString& regdate : regdates(oneDay))
        EXPECT_TRUE(regdate.startsWith(day));
    EXPECT_EQ(GetField(oneDay, "<totalrow>", "</totalrow>"), QString::number(regdates(oneDay).size()));
    EXPECT_FALSE(oneDay.contains("Phone[]Phone"));
}

TEST(StandinMessaging, ASendNeedsTenDigitsAndCreditAndJoinsTheHistory)
{
    StandinFixture backend;
    backend.shop().credit = 64;
    EXPECT_EQ(send("010-123-456", "짧은 문자"), "전송 실패");
    EXPECT_EQ(send("010-1234-5678", "짧은 문자"), "전송 성공");
    EXPECT_EQ(backend.shop().credit, 44);
    const QString lms = QString(50, QChar(u'가'));   // 100 bytes
    EXPECT_EQ(send("01012345678", lms), "전송 실패");
    EXPECT_EQ(backend.shop().credit, 44);
    backend.shop().credit = 45;
    EXPECT_EQ(send("01012345678", "첫 줄\r\n" + lms), "전송 성공");
    EXPECT_EQ(backend.shop().credit, 0);

    const StandinRecord& last = backend.shop().messages.last();
    EXPECT_EQ(last.value("Phone"), "01012345678");
    EXPECT_EQ(last.value("MSG"), "첫 줄\r\n" + lms);
    EXPECT_EQ(last.value("regdate").left(10), QDate::currentDate().toString("yyyy-MM-dd"));
}

TEST(StandinMessaging, PhrasesLoadAndSaveByCategory)
{
    StandinFixture backend;
    const auto load = [](const QString& category) {
        return BackendRequest("test() ... ", "/program/commentloading.php").add("selectText", category).send();
    };
    EXPECT_EQ(GetItemCount(load("예약"), "<text>"), "4");
    EXPECT_EQ(load("없음"), "");
    const QString saved = BackendRequest("test() ... ", "/program/commentsave.php")
                              .add("selectText", "예약")
                              .add("commentText", "<text>A&B</text><text></text><text>둘\r\n줄</text>")
                              .send();
    EXPECT_EQ(saved, "저장 성공");
    EXPECT_EQ(load("예약"), "<text>A&B</text><text></text><text>둘\r\n줄</text>");

    gShopPW = "wrong";
    EXPECT_EQ(load("예약"), WrongAccountAnswer());
}
