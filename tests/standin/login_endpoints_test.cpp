#include "core/backend_request.h"
#include "core/login_values.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

TEST(StandinLogin, AcceptsOnlyTheShopAccount)
{
    StandinFixture backend;
    const QString success = BackendRequest("logins() ... ", "/program/logins.php").send();
    EXPECT_TRUE(success.contains("성공"));
    EXPECT_TRUE(success.contains(" 번호[1207]번호 "));
    EXPECT_TRUE(success.contains(" storename[한마당 숯불갈비]storename "));
    EXPECT_TRUE(success.contains(" QRC[order/index.php?shop=1207]QRC "));

    gShopPW = "wrong";
    const QString failure = BackendRequest("logins() ... ", "/program/logins.php").send();
    EXPECT_FALSE(failure.contains("성공"));
    EXPECT_FALSE(failure.contains("storename"));
}

TEST(StandinLogin, AdministrativeListAndMemberState)
{
    StandinFixture backend;
    const QString list =
        BackendRequest("Load_포스종류() ... ", "/bestAdmin/memberloading.php").withAccount("admin", "zotrex4").send();
    EXPECT_TRUE(list.contains("<brr> num[3415]num ID[vmrdemo]ID storename[한마당 숯불갈비]storename tel[02-3141-5926]tel "));
    EXPECT_EQ(list.count("<brr>"), 4);

    const QString state = BackendRequest("Load_포스종류() ... ", "/bestAdmin/memberstate.php")
                              .withAccount("admin", "zotrex4")
                              .add("membersrl", "3415")
                              .send();
    EXPECT_TRUE(state.contains("storename"));
    EXPECT_TRUE(state.contains(" QRCheckYN1[Y]QRCheckYN1 "));
    EXPECT_TRUE(state.contains(" ezposcheck[Y]ezposcheck "));

    const QString shopAccount = BackendRequest("x() ... ", "/bestAdmin/memberloading.php").send();
    EXPECT_FALSE(shopAccount.contains("<brr>"));
}
