#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/install_values.h"
#include "core/login_values.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

TEST(StandinLogin, AcceptsOnlyTheShopAccount)
{
    StandinFixture backend;
    const QString success = BackendRequest("logins() ... ", "/program/logins.php").send();
    EXPECT_TRUE(IsSuccessAnswer(success));
    for (const QString name : {"번호", "storename", "QRC"})
        EXPECT_EQ(GetField(success, name + "[", "]" + name), backend.shop().account.value(name)) << name.toStdString();

    gShopPW = "wrong";
    const QString failure = BackendRequest("logins() ... ", "/program/logins.php").send();
    EXPECT_FALSE(IsSuccessAnswer(failure));
    EXPECT_FALSE(failure.contains("storename"));
}

TEST(StandinLogin, AdministrativeLookupsRefuseTheShopAccount)
{
    StandinFixture backend;
    EXPECT_FALSE(BackendRequest("x() ... ", "/bestAdmin/memberloading.php").send().contains("<brr>"));
    const QString state = BackendRequest("x() ... ", "/bestAdmin/memberstate.php")
                              .add("membersrl", backend.shop().account.value("num"))
                              .send();
    EXPECT_FALSE(state.contains("storename"));
}

TEST(StandinLogin, FixturePointsTheBackendHostAtTheStandinAndRestores)
{
    const QString host = BackendHost();
    const QString url = gServerURL;
    {
        StandinFixture backend;
        EXPECT_EQ(BackendHost(), backend.host());
        EXPECT_EQ(gServerURL, "http://" + BackendHost());
    }
    EXPECT_EQ(BackendHost(), host);
    EXPECT_EQ(gServerURL, url);
}
