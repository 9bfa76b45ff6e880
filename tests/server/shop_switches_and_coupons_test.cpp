#include "core/login_values.h"
#include "server/coupon_loader.h"
#include "server/server_globals.h"
#include "server/shop_switches_loader.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kShopList = "<brr>ID[other]ID num[5]num<brr>ID[SHOP1]ID num[6]num<brr>ID[shop1]ID num[7]num"
                          "<brr>ID[shop1]ID num[8]num";

class ShopSwitches : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gShopID = "shop1";
        backend->script("/bestAdmin/memberloading.php", StandinReply::text(kShopList));
    }
    void state(const QString& ok, const QString& ez, const QString& golf, const QString& robot, const QString& qr)
    {
        backend->script("/bestAdmin/memberstate.php",
                        StandinReply::text("storename[가게]storename okposcheck[" + ok + "]okposcheck ezposcheck["
                                           + ez + "]ezposcheck golfcheck[" + golf + "]golfcheck robotUSE[" + robot
                                           + "]robotUSE QRCheckYN1[" + qr + "]QRCheckYN1 okposnumber[9]okposnumber"));
    }
    void setAllSwitches()
    {
        gOkPosCheck = gEzPosCheck = gGolfCheck = gRobotUse = gQRCheckYN = true;
    }
    TempProgramDir dir;
    StandinFixture backend;
};

} // namespace

TEST_F(ShopSwitches, SwitchesAndTheirPriority)
{
    struct Case {
        const char* ok; const char* ez; const char* golf; const char* robot; const char* qr;
        int posKind; bool robotUse; bool qrCheck;
    };
    const Case cases[] = {
        {"Y", "Y", "Y", "N", "N", 0, false, false},
        {"N", "Y", "Y", "Y", "N", 1, true, false},
        {"N", "N", "Y", "N", "Y", 2, false, true},
        {"N", "N", "N", "Y", "Y", -1, true, true},
        {"y", "n", "", "y", "yes", -1, false, false},
    };
    for (const Case& c : cases) {
        state(c.ok, c.ez, c.golf, c.robot, c.qr);
        EXPECT_TRUE(Load_포스종류());
        EXPECT_EQ(gPosKind, c.posKind) << c.ok << c.ez << c.golf;
        EXPECT_EQ(gOkPosCheck, QString(c.ok) == "Y");
        EXPECT_EQ(gEzPosCheck, QString(c.ez) == "Y");
        EXPECT_EQ(gRobotUse, c.robotUse);
        EXPECT_EQ(gQRCheckYN, c.qrCheck);
    }
    const auto states = backend->requestsTo("/bestAdmin/memberstate.php");
    ASSERT_FALSE(states.isEmpty());
    EXPECT_EQ(states[0].body, "ID=admin&PassWord=zotrex4&membersrl=7");
    EXPECT_EQ(backend->requestsTo("/bestAdmin/memberloading.php")[0].body, "ID=admin&PassWord=zotrex4");
}

TEST_F(ShopSwitches, AShopThatIsNotFoundKeepsNothingOfAnEarlierLogin)
{
    gShopID = "Shop1";
    setAllSwitches();
    gPosKind = 0;
    Load_포스종류();
    EXPECT_EQ(gPosKind, -1);
    EXPECT_FALSE(gOkPosCheck || gEzPosCheck || gGolfCheck || gRobotUse || gQRCheckYN);
    EXPECT_TRUE(backend->requestsTo("/bestAdmin/memberstate.php").isEmpty());
}

TEST_F(ShopSwitches, AMemberStateWithoutTheShopNameSetsNothing)
{
    setAllSwitches();
    backend->script("/bestAdmin/memberstate.php", StandinReply::text("okposcheck[Y]okposcheck robotUSE[Y]robotUSE"));
    Load_포스종류();
    EXPECT_EQ(gPosKind, -1);
    EXPECT_FALSE(gOkPosCheck || gRobotUse);
    EXPECT_EQ(backend->requestsTo("/bestAdmin/memberstate.php").size(), 1);
}

TEST_F(ShopSwitches, TheSampleShopIsFoundInTheAdministrativeList)
{
    backend->clearScripts();
    gShopID = backend.shopId();
    Load_포스종류();
    EXPECT_EQ(backend->requestsTo("/bestAdmin/memberstate.php").size(), 1);
    EXPECT_EQ(gRobotUse, backend.shop().memberState.value("robotUSE") == "Y");
    EXPECT_EQ(gQRCheckYN, backend.shop().memberState.value("QRCheckYN1") == "Y");
}

TEST(Coupons, DescriptionsOfCouponsInUse)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/vbPHP/couponload.php",
                    StandinReply::text(
                        "성공<menubrrs>num[1]num couponname[생일]couponname couponname2[B]couponname2 USE[Y]USE "
                        "discountYN[Y]discountYN discount[10%]discount savingYN[N]savingYN saving[5]saving "
                        "giftYN[Y]giftYN giftText[음료]giftText timeText[D]timeText time1[2024-05-01]time1 "
                        "time2[2024-05-31]time2</menubrrs>"
                        "<menubrrs>num[2]num couponname[평일]couponname couponname2[W]couponname2 USE[N]USE "
                        "timeText[7]timeText</menubrrs>"
                        "<menubrrs>num[3]num couponname[당일]couponname USE[Y]USE timeText[0]timeText</menubrrs>"
                        "<menubrrs>num[4]num couponname[주간]couponname USE[Y]USE timeText[7]timeText</menubrrs>"
                        " USE[Y]USE"));
    EXPECT_TRUE(Load_쿠폰());
    ASSERT_EQ(gCoupon.size(), 4);
    EXPECT_EQ(gCoupon[0].name, "생일");
    EXPECT_EQ(gCoupon[0].name2, "B");
    EXPECT_EQ(gCoupon[0].number, "1");
    EXPECT_EQ(gCoupon[0].description,
              "쿠폰: 생일\r\n할인:10%\r\n상품:음료\r\n기한 : 2024-05-01 ~ 2024-05-31\n");
    EXPECT_EQ(gCoupon[1].name, "평일");
    EXPECT_EQ(gCoupon[1].number, "2");
    EXPECT_EQ(gCoupon[1].description, "");
    EXPECT_EQ(gCoupon[2].description, "쿠폰: 당일\r\n기한 : 당일\n");
    EXPECT_EQ(gCoupon[3].description, "쿠폰: 주간\r\n기한 : 7일간\n");

    backend->script("/vbPHP/couponload.php", StandinReply::text("num[1]num USE[Y]USE"));
    Load_쿠폰();
    EXPECT_TRUE(gCoupon.isEmpty());
}

TEST(Coupons, ALoadDuringTheWaitOfAnotherLeavesOneList)
{
    TempProgramDir dir;
    StandinFixture backend;
    backend->script("/vbPHP/couponload.php",
                    StandinReply::text("<menubrrs>num[1]num couponname[생일]couponname USE[N]USE</menubrrs>").after(300));
    QTimer::singleShot(50, [] { Load_쿠폰(); });
    Load_쿠폰();
    ASSERT_EQ(gCoupon.size(), 1);
    EXPECT_EQ(gCoupon[0].name, "생일");
}
