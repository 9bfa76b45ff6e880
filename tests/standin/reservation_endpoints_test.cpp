#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/text_escapes.h"
#include "support/standin_fixture.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

QString day(int offset)
{
    return QDate::currentDate().addDays(offset).toString("yyyy-MM-dd");
}

QString partyBlockOf(const StandinRecord& r)
{
    const QString scheme = r.value("persontype");
    if (scheme == "1")
        return "<persontype>1</persontype><sexmale>" + r.value("sexmale") + "</sexmale><sexfemale>"
               + r.value("sexfemale") + "</sexfemale>";
    if (scheme == "2")
        return "<persontype>2</persontype><big>" + r.value("big") + "</big><small>" + r.value("small") + "</small>";
    return "<persontype>0</persontype><totalcount>" + r.value("totalcount") + "</totalcount>";
}

QString list(const QString& first, const QString& last, const QString& noshow, const QString& select = "all")
{
    return BackendRequest("예약_검색() ... ", "/vbPHP/zzimorderload.php")
        .add("day", first)
        .add("day2", last)
        .add("noshowt", noshow)
        .add("select", select)
        .send();
}

struct Marker {
    QString open;
    QString close;
    QString field;   // the shop's field the value must equal
};

} // namespace

TEST(StandinReservations, ListReadsBackWithTheBoardAndTheCacheMarkers)
{
    StandinFixture backend;
    const QString answer = list(day(-7), day(7), "N");
    QList<StandinRecord> expected;
    for (const StandinRecord& r : backend.shop().reservations)
        if (r.value("regdatess") >= day(-7) && r.value("regdatess") <= day(7) && r.value("YN") != "noshow")
            expected.append(r);
    ASSERT_GT(expected.size(), 20);

    const AnswerRecords records = AnswerRecords::Separated(answer, "<menubrrs>");
    ASSERT_EQ(records.count(), expected.size());
    const QList<Marker> markers = {
        {"num[", "]num ", "num"}, {" regdatess[", "]regdatess", "regdatess"},
        {" regdatess3[", "]regdatess3", "regdatess3"}, {" requestname[", "]requestname", "requestname"},
        {" requestoz[", "]requestoz", "requestoz"}, {"phone[", "]phone", "phone"}, {" table[", "]table", "table"},
        {" zzim_APP[", "]zzim_APP", "zzim_APP"}, {" zzim_managername[", "]zzim_managername", "zzim_managername"},
        {"YN[", "]YN", "YN"}, {"num[", "]num", "num"}, {"regdatess[", "]regdatess", "regdatess"},
        {"regdates[", "]regdates", "regdates"}, {"regdates1[", "]regdates1", "regdates"},
        {"regdates3[", "]regdates3", "regdates3"}, {"finishscheduleTime[", "]finishscheduleTime", "finishscheduleTime"},
        {"requestname[", "]requestname", "requestname"}, {"table[", "]table", "table"}};
    for (qsizetype i = 0; i < records.count(); ++i) {
        const AnswerRecord record = records.at(i);
        for (const Marker& m : markers)
            EXPECT_EQ(record.get(m.open, m.close), expected[i].value(m.field)) << i << " " << m.open.toStdString();
        EXPECT_EQ(VmrDecodeAA(record.field(" memo[", "]memo")), VmrDecodeAA(VmrEncodeAA(expected[i].value("memo"))));
        EXPECT_EQ(VmrDecodeAA(record.field(" menu[", "]menu")), VmrDecodeAA(VmrEncodeAA(expected[i].value("menu"))));
        EXPECT_EQ(record.field(" personcount[", "]personcount"), partyBlockOf(expected[i]));
    }

    const QList<std::pair<QString, QString>> counters = {{"allcount", ""},  {"scount", "S"}, {"ycount", "Y"},
                                                         {"ncount", "N"},   {"xcount", "X"}, {"fcount", "finish"}};
    for (const auto& [name, state] : counters) {
        const auto count = std::count_if(expected.begin(), expected.end(),
                                         [&](const StandinRecord& r) { return state.isEmpty() || r.value("YN") == state; });
        EXPECT_EQ(GetField(answer, name + "[", "]" + name), QString::number(count)) << name.toStdString();
    }
    EXPECT_EQ(GetField(answer, "editcount[", "]editcount"), "0");
}

TEST(StandinReservations, ListHonoursRangeNoShowsAndState)
{
    StandinFixture backend;
    const qsizetype all = backend.shop().reservations.size();
    qsizetype noshows = 0, waiting = 0, today = 0;
    for (const StandinRecord& r : backend.shop().reservations) {
        noshows += r.value("YN") == "noshow";
        waiting += r.value("YN") == "S";
        today += r.value("regdatess") == day(0) && r.value("YN") != "noshow";
    }
    ASSERT_GT(noshows, 0);
    struct Case { QString first, last, noshow, select; qsizetype count; };
    for (const Case& c : {Case{"all", "all", "Y", "all", all}, Case{"all", "all", "N", "all", all - noshows},
                          Case{"all", "all", "Y", "S", waiting}, Case{day(0), day(0), "N", "all", today}}) {
        const QString answer = list(c.first, c.last, c.noshow, c.select);
        EXPECT_EQ(AnswerRecords::Separated(answer, "<menubrrs>").count(), c.count) << c.first.toStdString();
        EXPECT_EQ(GetField(answer, "allcount[", "]allcount"), QString::number(c.count));
    }
    EXPECT_GT(today, 0);
}

TEST(StandinReservations, HistoryReadsBackWithItsCountersAndMarkers)
{
    StandinFixture backend;
    QString member;
    QList<StandinRecord> mine;
    for (const StandinRecord& r : backend.shop().reservations)
        if (!r.value("membernum").isEmpty() && (member.isEmpty() || r.value("membernum") == member)) {
            member = r.value("membernum");
            mine.append(r);
        }
    std::sort(mine.begin(), mine.end(), [](const StandinRecord& a, const StandinRecord& b) {
        return a.value("num").toInt() > b.value("num").toInt();
    });
    const QString answer =
        BackendRequest("예약이력A() ... ", "/program/SearchZZimLoading.php").add("numt", member).send();

    EXPECT_EQ(GetField(answer, "totalcount[", "]totalcount "), QString::number(mine.size()));
    EXPECT_TRUE(GetField(answer, "totalpersoncount[", "]totalpersoncount ").has_value());
    EXPECT_TRUE(GetField(answer, "recentzzim[", "]recentzzim ").has_value());
    EXPECT_TRUE(GetField(answer, "noshowcount[", "]noshowcount ").has_value());
    const AnswerRecords records = AnswerRecords::FirstField(answer, "zzim_num[");
    ASSERT_EQ(records.count(), mine.size());
    for (qsizetype i = 0; i < records.count(); ++i) {
        const AnswerRecord r = records.at(i);
        const StandinRecord& e = mine[i];
        EXPECT_EQ(r.get("zzim_num[", "]zzim_num "), e.value("num"));
        EXPECT_EQ(r.get(" zzim_regdate[", "]zzim_regdate"), e.value("regdatess") + " " + e.value("regdatess3"));
        EXPECT_EQ(r.get(" finishscheduleTime[", "]finishscheduleTime"), e.value("finishscheduleTime"));
        EXPECT_EQ(r.get(" zzim_request[", "]zzim_request"), e.value("requestname"));
        const QString oz = r.field(" zzim_oz[", "]requestoz");
        EXPECT_EQ(URLDecode(oz).isEmpty() ? oz : URLDecode(oz), e.value("requestoz"));
        EXPECT_EQ(r.get(" zzim_table[", "]zzim_table"), e.value("table"));
        EXPECT_EQ(r.get(" zzim_APP[", "]zzim_APP"), e.value("zzim_APP"));
        EXPECT_EQ(r.get(" zzim_managername[", "]zzim_managername"), e.value("zzim_managername"));
        EXPECT_EQ(r.get(" zzim_person[", "]zzim_person"), partyBlockOf(e));
        EXPECT_TRUE(r.has(" zzim_memo[", "]zzim_memo"));
        EXPECT_TRUE(r.has(" zzim_menu[", "]zzim_menu"));
        EXPECT_EQ(r.get(" zzim_memo[", "]zzim_memo"), e.value("memo"));
        EXPECT_EQ(r.get(" zzim_menu[", "]zzim_menu"), e.value("menu"));
        EXPECT_TRUE(QStringList({"답변대기", "접수완료", "예약거절", "접수취소", "NOSHOW", "계산완료"})
                        .contains(r.field(" zzim_state[", "]zzim_state")));
    }

    const QString none = BackendRequest("예약이력A() ... ", "/program/SearchZZimLoading.php").add("numt", "0").send();
    EXPECT_EQ(GetField(none, "totalcount[", "]totalcount "), "0");
    EXPECT_FALSE(none.contains("zzim_num["));
}
