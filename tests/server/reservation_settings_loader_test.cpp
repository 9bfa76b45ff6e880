#include "core/login_values.h"
#include "server/reservation_settings_loader.h"
#include "server/server_globals.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

namespace {

class ReservationSettings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gPersonType.clear();
        gRequireTime = 0;
        gSchHour = {0, 0};
    }
    void answer(const QString& text)
    {
        backend->script("/program/zzimloading.php", StandinReply::text(text));
    }
    TempProgramDir dir;
    StandinFixture backend;
};

QString settings(const QString& scheme, const QString& hours, const QString& minutes,
                 const QString& first, const QString& last)
{
    return "persontype[" + scheme + "]persontype ZZimRequireTimeA[" + hours + "]ZZimRequireTimeA"
           + " ZZimRequireTimeB[" + minutes + "]ZZimRequireTimeB ZZimScheduleScaleA1[" + first
           + "]ZZimScheduleScaleA1 ZZimScheduleScaleB1[" + last + "]ZZimScheduleScaleB1";
}

} // namespace

TEST_F(ReservationSettings, ValuesAndTheirDefaults)
{
    struct Case {
        QString answer;
        QString scheme;
        int requireTime;
        std::array<int, 2> hours;
    };
    const Case cases[] = {
        {settings("2", "1", "30", "10", "23"), "2", 90, {10, 23}},
        {settings("1", "0", "45", "0", "20"), "1", 45, {0, 20}},
        {settings("0", "2", "0", "0", "0"), "0", 120, {9, 22}},
        {settings("", "0", "0", "8", "0"), "0", 60, {8, 0}},
        {settings("2", "1,000", "5", "11", "21") + " persontype[1]persontype", "2", 60005, {11, 21}},
        {"ZZimScheduleScaleA1[7 ZZimScheduleScaleB1[19]ZZimScheduleScaleB1", "0", 60, {7, 19}},
        {"", "0", 60, {9, 22}},
    };
    for (const Case& c : cases) {
        SetUp();
        answer(c.answer);
        EXPECT_TRUE(Read_설정());
        EXPECT_EQ(gPersonType, c.scheme) << c.answer.toStdString();
        EXPECT_EQ(gRequireTime, c.requireTime) << c.answer.toStdString();
        EXPECT_EQ(gSchHour, c.hours) << c.answer.toStdString();
    }
}

TEST_F(ReservationSettings, AnEmptyReloadKeepsTheSchemeAndHoursButNotTheLength)
{
    answer(settings("2", "1", "30", "10", "23"));
    Read_설정();
    answer("");
    Read_설정();
    EXPECT_EQ(gPersonType, "2");
    EXPECT_EQ(gSchHour, (std::array<int, 2>{10, 23}));
    EXPECT_EQ(gRequireTime, 60);
}

TEST_F(ReservationSettings, AnOverflowingLengthKeepsThePreviousLength)
{
    answer(settings("0", "0", "50", "9", "21"));
    Read_설정();
    answer(settings("0", "40000000", "0", "9", "21"));
    Read_설정();
    EXPECT_EQ(gRequireTime, 50);
}

TEST_F(ReservationSettings, TheRequestCarriesTheLoginAndIsLoggedUnderItsLabel)
{
    answer(settings("1", "1", "0", "9", "21"));
    Read_설정();
    const auto requests = backend->requestsTo("/program/zzimloading.php");
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].body, ("ID=" + backend.shopId() + "&PassWord=" + backend.shopPassword()).toUtf8());
    const QString log = dir.read(QDateTime::currentDateTime().toString("yyMMdd") + "_WinHttp.log");
    EXPECT_TRUE(log.contains("Read_설정() ... " + gServerURL + "/program/zzimloading.php?ID="));
    EXPECT_TRUE(log.contains("Read_설정() ... ResponseStr:\r\npersontype[1]persontype"));
}
