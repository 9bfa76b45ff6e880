#include "cache_fixture.h"

#include "platform/window_registry.h"
#include "server/reservation_entry_view.h"
#include "server/reservation_row_refresh.h"
#include "server/server_globals.h"
#include "support/log_entries.h"
#include "support/seams.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

// The entry window as the cache sees it: fields the test sets.
class FakeEntryWindow : public QWidget, public ReservationEntryView
{
public:
    QDate 예약일() const override { return start; }
    QDate 종료일() const override { return end; }
    QString 예약시() const override { return startHour; }
    QString 예약분() const override { return startMinute; }
    QString 종료시() const override { return endHour; }
    QString 종료분() const override { return endMinute; }
    QString txt성함() const override { return name; }
    QString txt모임명() const override { return group; }
    QString txt요청사항() const override { return request; }
    int cob좌석Count() const override { return static_cast<int>(tables.size()); }
    QString cob좌석(int i) const override { return tables.at(i).first; }
    QString txt인원(int i) const override { return tables.at(i).second; }
    QString txt인원_총인원() const override { return total; }
    QString txt인원_남성() const override { return men; }
    QString txt인원_여성() const override { return women; }
    QString txt인원_대인() const override { return adults; }
    QString txt인원_소인() const override { return children; }
    QString partyScheme() const override { return gPersonType; }

    QDate start{2024, 5, 3};
    QDate end{2024, 5, 4};
    QString startHour = "18시", startMinute = "30분", endHour = "1", endMinute = "0";
    QString name = "김철수", group = "동창회", request = "창가";
    QList<std::pair<QString, QString>> tables{{"A1", "2"}, {"  ", "5"}, {" B2 ", "3명"}};
    QString total = "4", men = "2", women = "1", adults = "3", children = "2";
};

class RowRefresh : public CacheTest
{
protected:
    void SetUp() override
    {
        CacheTest::SetUp();
        RegisterForm(kReservationEntryForm, entry);
        gPersonType = "2";
        exec({"INSERT INTO 예약 (NUM, 방문일, cPhoneT, 예약일시, 예약자, 총방문수) "
              "VALUES (57, '2024-05-01', '0101', '2024-05-01 12:00', '이전', 3)"});
    }
    void TearDown() override
    {
        UnloadForm(kReservationEntryForm);
        delete entry.data();
    }

    // The window as it stands after saving a new reservation at the start and on the table given,
    // its end on the same day.
    void saved(const QDate& day, const QString& hour, const QString& minute, const QString& table, const QString& count)
    {
        window.start = day;
        window.end = day;
        window.startHour = hour;
        window.startMinute = minute;
        window.tables = {{table, count}};
    }

    QPointer<FakeEntryWindow> entry = new FakeEntryWindow;
    FakeEntryWindow& window = *entry;
};

TEST_F(RowRefresh, EditRewritesTheRowFromTheWindow)
{
    EXPECT_TRUE(MDB_Update_예약("m1", "57", ""));
    EXPECT_EQ(rows("NUM, 방문일, cPhoneT, 예약일시, 종료일시, 예약자, 모임명, 좌석, 인원, 인원N, 요청사항, 총방문수"),
              QStringList{"57|2024-05-03|57|2024-05-03 18:30|2024-05-04 01:00|김철수|동창회|A1;2;B2;3|B;3;S;2|5|창가|3"});
    EXPECT_TRUE(backend->requests().isEmpty());
}

TEST_F(RowRefresh, EditTakesThePartyOfTheShopsScheme)
{
    struct Case
    {
        QString scheme, row;
    };
    for (const Case& c : {Case{"0", "0101|T;4|4"}, Case{"1", "0101|M;2;F;1|3"}, Case{"2", "0101|B;3;S;2|5"},
                          Case{"9", "0101||0"}}) {
        gPersonType = c.scheme;
        EXPECT_TRUE(MDB_Update_예약("m1", "57", "0101"));
        EXPECT_EQ(rows("cPhoneT, 인원, 인원N"), QStringList{c.row}) << c.scheme.toStdString();
    }
}

TEST_F(RowRefresh, NothingToDo)
{
    const QStringList before = rows("*");
    EXPECT_TRUE(MDB_Update_예약("", "", "0109"));     // a new reservation of no member
    EXPECT_TRUE(MDB_Update_예약("m1", "58", "0109")); // not cached
    EXPECT_TRUE(MDB_Delete_예약(""));
    EXPECT_TRUE(MDB_Delete_예약("58"));
    EXPECT_EQ(rows("*"), before);
    EXPECT_TRUE(LogEntries().isEmpty());
}

TEST_F(RowRefresh, AnEditOfABookingOfNoMemberRewritesItsRowToo)
{
    EXPECT_TRUE(MDB_Update_예약("", "57", "0109"));
    EXPECT_EQ(rows("NUM, cPhoneT, 예약일시, 예약자, 좌석"), QStringList{"57|0109|2024-05-03 18:30|김철수|A1;2;B2;3"});
}

TEST_F(RowRefresh, NumbersThatAreNoNumbersAreRefused)
{
    const QStringList before = rows("*");
    EXPECT_FALSE(MDB_Delete_예약("57 OR 1=1"));
    EXPECT_FALSE(MDB_Update_예약("m1", "57; DROP TABLE 예약", "0109"));
    EXPECT_EQ(rows("*"), before);
    const QStringList lines = LogEntries();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("e)libz_Vmr_BK->MDB_Delete_예약[Erl:=1, Eno:=13]"));
    EXPECT_TRUE(lines[1].startsWith("e)libz_Vmr_BK->MDB_Update_예약[Erl:=1, Eno:=13]"));
}

TEST_F(RowRefresh, DeleteRemovesTheRow)
{
    EXPECT_TRUE(MDB_Delete_예약("57"));
    EXPECT_TRUE(rows("NUM").isEmpty());
}

TEST_F(RowRefresh, MissingCacheIsLogged)
{
    QFile::remove(dir.file("VmrBooking.mdb"));
    EXPECT_FALSE(MDB_Delete_예약("57"));
    EXPECT_FALSE(MDB_Update_예약("m1", "57", ""));
    const QString line = "E)libz_Vmr_BK->%1 DB OPEN Error: '" + dir.file("VmrBooking.mdb") + "'";
    EXPECT_TRUE(LogEntries().contains(line.arg("MDB_Delete_예약")));
    EXPECT_TRUE(LogEntries().contains(line.arg("MDB_Update_예약")));
}

// A member's history as the backend writes it: markers with their leading blanks, the group name
// percent-encoded and closed by "]requestoz".
QString HistoryRecord(const QString& num, const QString& end, const QString& group, const QString& party,
                      const QString& start = "2024-06-01 19:00")
{
    return "zzim_num[" + num + "]zzim_num  zzim_regdate[" + start + "]zzim_regdate  finishscheduleTime[" + end
           + "]finishscheduleTime  zzim_request[박영희]zzim_request  zzim_oz[" + group
           + "]requestoz  zzim_table[C3;4]zzim_table  zzim_state[접수완료]zzim_state  zzim_memo[생일]zzim_memo "
             " zzim_person["
           + party + "]zzim_person ";
}

TEST_F(RowRefresh, NewReservationComesFromTheMembersHistory)
{
    ScopedFakeClock clock(QDateTime(QDate(2024, 5, 20), QTime(10, 7)));
    saved(QDate(2024, 6, 1), "19시", "00분", "C3", "4");
    window.endHour = "21";
    window.endMinute = "30";
    backend->script("/program/SearchZZimLoading.php",
                    StandinReply::text(" totalcount[4]totalcount "
                                       + HistoryRecord("95", "2024-07-01 20:00", "x", "", "2024-07-01 19:00")
                                       + HistoryRecord("90", "2024-05-01 20:00", "x", "", "2024-05-01 19:00")
                                       + HistoryRecord("91", "", "%EB%8F%99%EC%95%84%EB%A6%AC",
                                                       "<persontype>1</persontype><sexmale>2</sexmale><sexfemale>3</sexfemale>")
                                       + HistoryRecord("89", "2024-04-01 20:00", "y", "", "2024-04-01 19:00")));

    EXPECT_TRUE(MDB_Update_예약("m77", "", "01099998888"));

    EXPECT_EQ(rows("NUM, 방문일, cPhoneT, 접수일시, 예약일시, 종료일시, 예약자, 모임명, 좌석, 인원, 인원N, 요청사항, cNameT"),
              (QStringList{"57|2024-05-01|0101|-|2024-05-01 12:00|-|이전|-|-|-|0|-|",
                           "91|2024-06-01|01099998888|2024-05-20 10:07|2024-06-01 19:00|2024-06-01 21:30|박영희|동아리|C3;4|"
                           "M;2;F;3|5|생일|"}));
    const auto requests = backend->requestsTo("/program/SearchZZimLoading.php");
    ASSERT_EQ(requests.size(), 1);
    EXPECT_TRUE(requests[0].body.endsWith("&numt=m77"));
}

TEST_F(RowRefresh, TheSavedReservationIsTheOneWithTheWindowsStartAndTables)
{
    saved(QDate(2024, 6, 1), "19시", "00분", "C3", "4");
    struct Case {
        QString history;
        QStringList rows;
    };
    const QString otherTable = HistoryRecord("96", "", "x", "").replace("C3;4", "C3;2");
    const QList<Case> cases{{otherTable + HistoryRecord("97", "", "x", "", "2024-06-01 19:30"), {"57"}},
                            {HistoryRecord("98", "", "x", "") + otherTable + HistoryRecord("99", "", "x", ""), {"57", "99"}}};
    for (const Case& c : cases) {
        exec({"DELETE FROM 예약 WHERE NUM <> 57"});
        backend->script("/program/SearchZZimLoading.php", StandinReply::text(c.history));
        EXPECT_TRUE(MDB_Update_예약("m77", "", "0101"));
        EXPECT_EQ(rows("NUM"), c.rows) << c.history.toStdString();
    }
}

TEST_F(RowRefresh, HistoryGroupNameThatDecodesToNothingIsKept)
{
    saved(QDate(2024, 6, 1), "19시", "00분", "C3", "4");
    backend->script("/program/SearchZZimLoading.php",
                    StandinReply::text(HistoryRecord("92", "2024-06-01 21:00", "동창 모임", "")));
    EXPECT_TRUE(MDB_Update_예약("m77", "", ""));
    EXPECT_EQ(rows("NUM, cPhoneT, 모임명, 인원, 인원N", "NUM DESC").value(0), "92||동창 모임||0");
}

TEST_F(RowRefresh, WindowClosedDuringTheRequestLeavesTheEndEmpty)
{
    saved(QDate(2024, 6, 1), "19시", "00분", "C3", "4");
    backend->script("/program/SearchZZimLoading.php",
                    StandinReply::text(HistoryRecord("93", "", "x", "")).after(300));
    QTimer::singleShot(50, [] { UnloadForm(kReservationEntryForm); });
    EXPECT_TRUE(MDB_Update_예약("m77", "", "0101"));
    EXPECT_TRUE(entry.isNull());
    EXPECT_EQ(rows("NUM, 예약일시, 종료일시", "NUM DESC").value(0), "93|2024-06-01 19:00|");
}

TEST_F(RowRefresh, HistoryWithoutReservationAddsNothing)
{
    for (const QString& answer : {QString(), QString(" totalcount[0]totalcount ")}) {
        backend->script("/program/SearchZZimLoading.php", StandinReply::text(answer));
        EXPECT_TRUE(MDB_Update_예약("m77", "", "0101"));
    }
    EXPECT_EQ(rows("NUM"), QStringList{"57"});
}

TEST_F(RowRefresh, NewReservationFromTheSampleShop)
{
    QString member;
    for (const StandinRecord& r : backend.shop().reservations)
        if (!r.value("membernum").isEmpty() && r.value("YN") == "Y" && r.value("table").count(';') == 1) {
            member = r.value("membernum");
            const QStringList table = r.value("table").split(';');
            saved(QDate::fromString(r.value("regdatess"), "yyyy-MM-dd"), r.value("regdatess3").left(2),
                  r.value("regdatess3").mid(3), table[0], table[1]);
        }
    ASSERT_FALSE(member.isEmpty());
    EXPECT_TRUE(MDB_Update_예약(member, "", "0101"));
    EXPECT_EQ(rows("NUM").size(), 2);
}

} // namespace
