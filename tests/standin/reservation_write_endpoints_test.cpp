#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

// The entry window's writes change the shop, and its load reads one reservation back.

namespace {

const StandinRecord* reservation(StandinFixture& backend, const QString& num)
{
    for (const StandinRecord& r : backend.shop().reservations)
        if (r.value("num") == num)
            return &r;
    return nullptr;
}

QString load(const QString& num)
{
    return BackendRequest("t() ... ", "/Admin/zzimstateload.php").add("zzimnum", num).send();
}

} // namespace

TEST(StandinReservationWrites, ANewReservationIsStoredAndLoadsBack)
{
    StandinFixture backend;
    const QString answer = BackendRequest("t() ... ", "/vbPHP/zzimorder.php")
                               .add("day", "2024-05-03")
                               .add("time", "오후 6시 30분")
                               .add("finishscheduleTime", "2024-05-03 20:00:00")
                               .add("personcount", "<persontype>1</persontype><sexmale>2</sexmale><sexfemale>3</sexfemale>")
                               .add("phone", "01054787890")
                               .add("requestname", "한주원")
                               .add("table", "A1;5")
                               .add("ordertext", "a!줄바꿈!b")
                               .add("managername", "김 & 이")
                               .send();
    EXPECT_EQ(answer, "성공");
    const StandinRecord& added = backend.shop().reservations.last();
    EXPECT_EQ(added.value("regdatess3"), "18:30");
    EXPECT_EQ(added.value("finishscheduleTime"), "2024-05-03 20:00");
    EXPECT_EQ(added.value("membernum"), "9011");
    EXPECT_EQ(added.value("sexfemale"), "3");
    EXPECT_EQ(added.value("memo"), "a\r\nb");
    EXPECT_EQ(added.value("zzim_managername"), "김 & 이");

    const QString loaded = load(added.value("num"));
    EXPECT_EQ(GetField(loaded, " time[", "]time ").value_or(""), "오후 6시 30분");
    EXPECT_EQ(GetField(loaded, " finishscheduleTime[", "]finishscheduleTime ").value_or(""), "2024-05-03 20:00:00");
    EXPECT_EQ(GetItemCount(loaded, "table["), "1");
    EXPECT_EQ(GetField(loaded, "memo[", "]memo").value_or(""), "a!줄바꿈!b");
    EXPECT_EQ(load("1"), "실패");

    EXPECT_EQ(BackendRequest("t() ... ", "/vbPHP/zzimorder.php").add("day", "2024-05-03").add("time", "6시").send(), "실패");
}

TEST(StandinReservationWrites, EditsAndStateChanges)
{
    StandinFixture backend;
    auto edit = [](const QString& path, const QList<std::pair<QString, QString>>& fields) {
        BackendRequest request("t() ... ", path);
        for (const auto& [name, value] : fields)
            request.add(name, value);
        return request.send();
    };
    EXPECT_EQ(edit("/Admin/zzimedit.php", {{"zzimnum", "20044"}, {"checks1", "personcount"},
                                           {"checks2", "<persontype>0</persontype><totalcount>7</totalcount>"},
                                           {"managername", "최유진"}}),
              "성공");
    EXPECT_EQ(reservation(backend, "20044")->value("totalcount"), "7");
    EXPECT_EQ(reservation(backend, "20044")->value("sexmale"), "");
    EXPECT_EQ(reservation(backend, "20044")->value("zzim_managername"), "최유진");
    EXPECT_EQ(edit("/Admin/zzimedittime.php", {{"zzimnum", "20044"}, {"day", "2024-06-01"}, {"time", "오전 9시 10분"}}), "성공");
    EXPECT_EQ(reservation(backend, "20044")->value("regdatess3"), "09:10");
    EXPECT_EQ(edit("/Admin/zzimedittable.php", {{"zzimnum", "20044"}, {"table", "B1;2"}}), "성공");
    EXPECT_EQ(reservation(backend, "20044")->value("table"), "B1;2");
    EXPECT_EQ(edit("/Admin/zzimstatechangeYN.php", {{"zzimnum", "20044"}, {"YNt", "noshow"}, {"reason", "노쇼"}}), "성공");
    EXPECT_EQ(reservation(backend, "20044")->value("YN"), "noshow");

    EXPECT_EQ(edit("/Admin/zzimedit.php", {{"zzimnum", "1"}, {"checks1", "requestoz"}, {"checks2", "x"}}), "실패");
    EXPECT_EQ(edit("/Admin/zzimedit.php", {{"zzimnum", "20044"}, {"checks1", "unknown"}, {"checks2", "x"}}), "실패");
    EXPECT_EQ(edit("/Admin/zzimedittime.php", {{"zzimnum", "20044"}, {"day", "x"}, {"time", "오전 9시 10분"}}), "실패");
}
