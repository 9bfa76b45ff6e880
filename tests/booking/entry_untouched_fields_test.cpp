#include "booking/entry_fixture.h"

#include "platform/panel_button.h"
#include "server/reservation_entry_formats.h"
#include "server/server_globals.h"
#include "support/seams.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// Saving a loaded reservation after staff changed only its staff name: whatever the window could
// not show in its lists (quarter hours, hours outside the timetable, hidden tables, a party stored
// in another scheme, no end) is neither moved nor dropped on the backend.

namespace {

const QString kEdit = "/Admin/zzimedit.php";
const QStringList kWrites{"/vbPHP/zzimorder.php", "/Admin/zzimedit.php", "/Admin/zzimedittime.php",
                          "/Admin/zzimedittable.php", "/Admin/zzimstatechangeYN.php"};

QString recordText(const StandinRecord& record)
{
    QStringList keys = record.keys();
    keys.sort();
    QStringList parts;
    for (const QString& key : keys)
        parts.append(key + "=" + record.value(key));
    return parts.join("|");
}

// "18:45-20:15" as the combos show it.
QString shownTimes(const frmB예약_등록B& w)
{
    return w.예약시().left(2) + ":" + w.예약분().left(2) + "-" + w.종료시().left(2) + ":" + w.종료분().left(2);
}

// The party as the shown panel holds it: "T4", "M1F2", "B3S1".
QString shownParty(const frmB예약_등록B& w)
{
    if (w.partyScheme() == "1")
        return "M" + w.txt인원_남성() + "F" + w.txt인원_여성();
    if (w.partyScheme() == "2")
        return "B" + w.txt인원_대인() + "S" + w.txt인원_소인();
    return "T" + w.txt인원_총인원();
}

class EntryUntouchedFields : public EntryWindowTest
{
protected:
    EntryUntouchedFields() { copyCache(); }

    StandinRecord* stored(const QString& num)
    {
        for (StandinRecord& r : backend.shop().reservations)
            if (r.value("num") == num)
                return &r;
        return nullptr;
    }
    // A reservation of the sample shop's kind, added for one case.
    void addReservation(const QString& num, const QString& start, const QString& end, const QString& table)
    {
        const QString day = QDate::currentDate().addDays(3).toString("yyyy-MM-dd");
        backend.shop().reservations.append({{"num", num}, {"YN", "Y"}, {"regdatess", day}, {"regdatess3", start},
                                            {"finishscheduleTime", end.isEmpty() ? QString() : day + " " + end},
                                            {"phone", "010-5500-1234"}, {"requestname", "손님"}, {"requestoz", ""},
                                            {"table", table}, {"persontype", "0"}, {"totalcount", "2"}, {"memo", ""},
                                            {"zzim_APP", "웹주문"}, {"zzim_managername", "김민준"}, {"membernum", ""}});
    }
    QStringList writes()
    {
        QStringList list;
        for (const QString& path : paths())
            if (kWrites.contains(path))
                list.append(path);
        return list;
    }
};

TEST_F(EntryUntouchedFields, ASaveOfTheStaffAloneSendsTheStaffAlone)
{
    addReservation("70001", "09:15", "23:15", "A1;2");
    addReservation("70002", "18:30", "", "B1;2");
    struct Case {
        QString num;
        QString phone;
        QString shopScheme;
        QString times;
        QString tables;
        QString party;
    };
    const QList<Case> cases{
        {"20021", "01047091507", "0", "18:45-20:15", "룸2;3", "B1S2"},       // a quarter hour, a member's
        {"70001", "01055001234", "1", "09:15-23:15", "A1;2", "T2"},          // outside the timetable's hours
        {"70002", "01055001234", "2", "18:30-20:00", "B1;2", "T2"},          // stored without an end
        {"20094", "01054787890", "2", "13:00-14:30", "B4;4;A3;4", "T8"},     // tables no longer listed
        {"20162", "01094406810", "0", "19:00-21:00", "A2;2;테라스;4", "T6"}, // one listed, one hidden
        {"20159", "01061203345", "1", "12:15-13:45", "A1;2", "T2"},          // each stored scheme against
        {"20160", "01061207788", "2", "14:45-16:15", "B2;3", "M1F2"},        // each shop scheme, each after
        {"20161", "01073302291", "0", "17:15-18:45", "B1;4", "B3S1"},        // an opening of another one
        {"20159", "01061203345", "2", "12:15-13:45", "A1;2", "T2"},
        {"20160", "01061207788", "0", "14:45-16:15", "B2;3", "M1F2"},
        {"20161", "01073302291", "1", "17:15-18:45", "B1;4", "B3S1"},
        {"20159", "01061203345", "0", "12:15-13:45", "A1;2", "T2"},
        {"20160", "01061207788", "1", "14:45-16:15", "B2;3", "M1F2"},
        {"20161", "01073302291", "2", "17:15-18:45", "B1;4", "B3S1"}};
    for (const Case& c : cases) {
        const std::string label = (c.num + " in scheme " + c.shopScheme).toStdString();
        gPersonType = c.shopScheme;
        ASSERT_NE(stored(c.num), nullptr) << label;
        int pick = 0;
        while (gStaff[pick] == stored(c.num)->value("zzim_managername"))
            ++pick;
        StandinRecord expected = *stored(c.num);
        expected.insert("zzim_managername", gStaff[pick]);
        frmB예약_등록B& w = open(1, c.num, c.phone);
        EXPECT_EQ(w.m_ModeA, 1) << label;
        EXPECT_EQ(shownTimes(w), c.times) << label;
        EXPECT_EQ(TableListOf(w), c.tables) << label;
        EXPECT_EQ(shownParty(w), c.party) << label;
        backend->clearRequests();
        MessageBoxes().clear();
        QTest::mouseClick(w.CMD3[pick], Qt::LeftButton);
        QTest::mouseClick(w.CMD[4], Qt::LeftButton);
        EXPECT_EQ(writes(), QStringList{kEdit}) << label;
        EXPECT_EQ(body(kEdit), account() + "&zzimnum=" + c.num + "&checks1=managername&checks2="
                                   + QString(gStaff[pick]).replace("&", "%26"))
            << label;
        EXPECT_EQ(recordText(*stored(c.num)), recordText(expected)) << label;
        EXPECT_TRUE(messages().isEmpty()) << label << " " << messages().join(" / ").toStdString();
        EXPECT_TRUE(w.isHidden()) << label;
    }
}

TEST_F(EntryUntouchedFields, WhatStaffChangeIsSentInTheStoredForm)
{
    gPersonType = "0";
    frmB예약_등록B& w = open(1, "20160", "01061207788");
    backend->clearRequests();
    w.txt인원_여성Box->setText("3");
    w.예약분Box->setCurrentText("30분");
    QTest::mouseClick(w.CMD[4], Qt::LeftButton);
    EXPECT_EQ(writes(), QStringList({"/Admin/zzimedittime.php", kEdit, kEdit}));
    EXPECT_TRUE(body("/Admin/zzimedittime.php").endsWith("&time=오후 2시 30분&managername=이서연"));
    EXPECT_TRUE(body(kEdit, 0).contains("&checks1=finishscheduleTime&checks2=" + stored("20160")->value("regdatess") + " 16:00:00"));
    EXPECT_TRUE(body(kEdit, 1).contains("&checks2=<persontype>1</persontype><sexmale>1</sexmale><sexfemale>3</sexfemale>"));
    EXPECT_EQ(stored("20160")->value("sexfemale"), "3");
    EXPECT_EQ(stored("20160")->value("regdatess3"), "14:30");
    EXPECT_EQ(cacheRows("NUM, 예약일시, 인원").filter("20160|"),
              QStringList{"20160|" + stored("20160")->value("regdatess") + " 14:30|M;1;F;3"});

    open(0, "", "", QDate::currentDate().addDays(3).toString("yyyy-MM-dd") + " 18:30:00", "A1");
    EXPECT_EQ(w.partyScheme(), "0");
    EXPECT_FALSE(w.pic총인원->isHidden());
    EXPECT_EQ(w.예약분Box->count(), 6);
    EXPECT_EQ(w.cob좌석Box[0]->count(), 5);
}

} // namespace
