#include "server/server_globals.h"
#include "server/staff_loader.h"
#include "server/table_loader.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

class StaffAndTables : public ::testing::Test
{
protected:
    TempProgramDir dir;
    StandinFixture backend;
};

QString table(const QString& number, const QString& name, const QString& inUse)
{
    return "nums[" + number + "]nums tablenum[" + name + "]tablenum tableinfo[창가 " + number
           + "]tableinfo tableqr[qr" + number + "]tableqr" + (inUse.isNull() ? "" : " tableYN[" + inUse + "]tableYN");
}

QStringList seatNames()
{
    QStringList names;
    for (const SeatRecord& seat : gSeat)
        names.append(seat.number + ":" + seat.name);
    return names;
}

} // namespace

TEST_F(StaffAndTables, StaffNamesAreDecodedInTheAnswersOrder)
{
    backend->script("/program/shopmanagerloading.php",
                    StandinReply::text("num[1]num managername[김!123!이]managername<menubrrs>"
                                       "num[2]num managername[박ccdd!!]managername<menubrrs>"
                                       "num[3]num<menubrrs>num[4]num managername[최]managername"));
    EXPECT_TRUE(Read_직원());
    EXPECT_EQ(gStaffCount, 4);
    EXPECT_EQ(gStaff, (QStringList{"김＆이", "박+", "최", ""}));
}

TEST_F(StaffAndTables, LoadsDuringTheWaitOfAnotherLeaveOneList)
{
    backend->script("/program/shopmanagerloading.php",
                    StandinReply::text("num[1]num managername[김]managername num[2]num managername[박]managername")
                        .after(300));
    backend->script("/program/qrtableloading.php",
                    StandinReply::text(table("11", "A1", "Y") + table("12", "A2", "Y")).after(300));
    QTimer::singleShot(50, [] { Read_직원(); });
    Read_직원();
    EXPECT_EQ(gStaffCount, 2);
    EXPECT_EQ(gStaff, (QStringList{"김", "박"}));
    QTimer::singleShot(50, [] { Read_좌석(); });
    Read_좌석();
    EXPECT_EQ(gSeatCount, 2);
    EXPECT_EQ(seatNames(), (QStringList{"11:A1", "12:A2"}));
}

TEST_F(StaffAndTables, StaffNamesWithoutRecordMarkersGiveNoStaff)
{
    gStaff = {"old"};
    gStaffCount = 1;
    backend->script("/program/shopmanagerloading.php", StandinReply::text("managername[김]managername"));
    Read_직원();
    EXPECT_EQ(gStaffCount, 0);
    EXPECT_TRUE(gStaff.isEmpty());
}

TEST_F(StaffAndTables, OnlyTablesInUseAreKeptInTheirOrder)
{
    backend->script("/program/qrtableloading.php",
                    StandinReply::text("성공 tableYN[Y]tableYN" + table("11", "A1", "Y") + table("12", "A2", "N")
                                       + table("13", "A!123!3", "Y") + table("14", "A4", "Y")
                                       + table("15", "A5", "N") + table("16", "A6", "y")
                                       + table("17", "A7", QString())));
    EXPECT_TRUE(Read_좌석());
    EXPECT_EQ(gSeatCount, 3);
    EXPECT_EQ(seatNames(), (QStringList{"11:A1", "13:A!123!3", "14:A4"}));
    EXPECT_EQ(gSeat[0].description, "창가 11");
}

TEST_F(StaffAndTables, AnEmptyAnswerEmptiesBothLists)
{
    gSeat = {{"1", "A", ""}};
    gSeatCount = 1;
    backend->script("/program/qrtableloading.php", StandinReply::text(table("1", "A", "N")));
    backend->script("/program/shopmanagerloading.php", StandinReply::drop());
    Read_좌석();
    Read_직원();
    EXPECT_EQ(gSeatCount, 0);
    EXPECT_TRUE(gSeat.isEmpty());
    EXPECT_EQ(gStaffCount, 0);
}
