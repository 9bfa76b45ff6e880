#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/login_values.h"
#include "core/win_http.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

namespace {

QString ask(const QString& path, const QString& name = QString(), const QString& value = QString())
{
    BackendRequest request("test() ... ", path);
    if (!name.isEmpty())
        request.addEscaped(name, value);
    return request.send();
}

QStringList numbers(const QString& answer)
{
    QStringList found;
    for (const AnswerRecord& record : AnswerRecords::Separated(answer, "<memochecks>"))
        found << record.field("<memonum>", "</memonum>");
    return found;
}

const QString kList = QStringLiteral("/program/qrtablememolistloading.php");

} // namespace

TEST(StandinTableRequests, SwitchAndListsNewestFirstWithTheTablesFields)
{
    StandinFixture backend;
    EXPECT_EQ(ask("/program/tableqrsettingloading.php"), "qrmemoYN[N]qrmemoYN");
    const QString pending = ask(kList, "checked", "Y");
    EXPECT_EQ(numbers(pending), QStringList({"5005", "5004", "5003"}));
    const AnswerRecord first = AnswerRecords::Separated(pending, "<memochecks>").at(1);
    EXPECT_EQ(first.text(), "<memonum>5004</memonum><memoqr>QR1207T110</memoqr><memotablegroupname>룸</memotablegroupname>"
                            "<memotablename>룸2</memotablename><memoYN>N</memoYN><memophonet>010-****-9012</memophonet>"
                            "<regdatememo>" + QDate::currentDate().toString("yyyy-MM-dd") + " 12:14:47</regdatememo>"
                            "<memotext>공기밥</memotext><ordercount>2</ordercount>");
    EXPECT_EQ(numbers(ask(kList, "checked", "N")), QStringList({"5002", "5001"}));
    EXPECT_EQ(ask(kList, "checked", "y"), "");
    EXPECT_EQ(ask(kList), "");
}

TEST(StandinTableRequests, CompletionMovesOnlyAPendingRequest)
{
    StandinFixture backend;
    EXPECT_TRUE(ask("/program/qrtablememoOK.php", "numt", "5004").contains("성공"));
    EXPECT_EQ(numbers(ask(kList, "checked", "N")), QStringList({"5004", "5002", "5001"}));
    for (const QString numt : {"5004", "5001", "9999", ""})
        EXPECT_FALSE(ask("/program/qrtablememoOK.php", "numt", numt).contains("성공")) << numt.toStdString();
    EXPECT_EQ(numbers(ask(kList, "checked", "Y")), QStringList({"5005", "5003"}));
}

TEST(StandinTableRequests, AGuestsRequestArrivesFirstAndIsNotRecorded)
{
    StandinFixture backend;
    const QString path = backend->baseUrl() + "/standin/guest-request";
    EXPECT_EQ(GetWinHttp(path, "table=%EB%A3%B81&text=A+%26+B&phone=010"), "성공 5006");
    EXPECT_FALSE(GetWinHttp(path, "table=Z9&text=x").contains("성공"));
    const AnswerRecord first = AnswerRecords::Separated(ask(kList, "checked", "Y"), "<memochecks>").at(0);
    EXPECT_EQ(first.field("<memonum>", "</memonum>"), "5006");
    EXPECT_EQ(first.field("<memotablename>", "</memotablename>"), "룸1");
    EXPECT_EQ(first.field("<memotext>", "</memotext>"), "A & B");
    EXPECT_EQ(first.field("<ordercount>", "</ordercount>"), "1");
    EXPECT_EQ(first.field("<memophonet>", "</memophonet>"), "010");
    EXPECT_TRUE(backend->requestsTo("/standin/guest-request").isEmpty());
}

TEST(StandinTableRequests, AWrongAccountGetsNoMarker)
{
    StandinFixture backend;
    gShopPW = "wrong";
    for (const QString path : {"/program/tableqrsettingloading.php", "/program/qrtablememoOK.php"})
        EXPECT_FALSE(ask(path, "numt", "5003").contains("qrmemoYN[") || ask(path, "numt", "5003").contains("성공"));
    EXPECT_TRUE(numbers(ask(kList, "checked", "Y")).isEmpty());
}
