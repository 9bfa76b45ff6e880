#include "core/login_values.h"
#include "server/coupon_loader.h"
#include "server/member_lookup.h"
#include "server/message_credit.h"
#include "server/reservation_settings_loader.h"
#include "server/server_globals.h"
#include "server/shop_switches_loader.h"
#include "server/staff_loader.h"
#include "server/table_loader.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

// The loaders of a login, in the login's order, against the stand-in's sample shop.
TEST(SampleShopLoaders, TheLoginsLoadersReadTheSampleShop)
{
    TempProgramDir dir;
    StandinFixture backend;
    const ShopState& shop = backend.shop();

    Load_포스종류();
    EXPECT_EQ(gQRCheckYN, shop.memberState.value("QRCheckYN1") == "Y");
    EXPECT_EQ(gEzPosCheck, shop.memberState.value("ezposcheck") == "Y");
    EXPECT_EQ(gRobotUse, shop.memberState.value("robotUSE") == "Y");
    EXPECT_NE(gPosKind, -1);

    Load_쿠폰();
    ASSERT_EQ(gCoupon.size(), shop.coupons.size());
    EXPECT_EQ(gCoupon[0].name, shop.coupons[0].value("couponname"));
    EXPECT_EQ(gCoupon[0].number, shop.coupons[0].value("num"));

    Read_설정();
    EXPECT_EQ(gPersonType, shop.settings.value("persontype"));
    EXPECT_EQ(gRequireTime, shop.settings.value("ZZimRequireTimeA").toInt() * 60
                                + shop.settings.value("ZZimRequireTimeB").toInt());
    EXPECT_EQ(gSchHour[1], shop.settings.value("ZZimScheduleScaleB1").toInt());

    Read_직원();
    ASSERT_EQ(gStaffCount, shop.staff.size());
    EXPECT_EQ(gStaff[0], shop.staff[0].value("managername"));

    Read_좌석();
    QStringList inUse;
    for (const StandinRecord& table : shop.tables)
        if (table.value("tableYN") == "Y")
            inUse.append(table.value("tablenum"));
    QStringList names;
    for (const SeatRecord& seat : gSeat)
        names.append(seat.name);
    EXPECT_EQ(names, inUse);
    EXPECT_EQ(gSeatCount, inUse.size());
    EXPECT_EQ(gSeat[0].description, shop.tables[0].value("tableinfo"));

    EXPECT_EQ(VMR_남은문자(), shop.credit);
    EXPECT_EQ(Vmr_회원(shop.members[0].value("phone")), shop.members[0].value("name"));
}
