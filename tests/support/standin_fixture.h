#pragma once

#include "standin/standin.h"
#include "support/scoped_env.h"

#include <QString>

// The stand-in backend with the sample shop on a free loopback port, for the life of the object.
// It points the program at it: VMR_BACKEND_HOST "127.0.0.1:<port>", and the login values
// gServerURL "http://127.0.0.1:<port>", gShopID and gShopPW the sample account (gStoreName,
// gShopNo, gShopTel are left alone); the previous values come back at the end.
//
//   StandinFixture backend;
//   backend->script("/program/zzimloading.php", StandinReply::text("..."));
//   ... the code under test ...
//   EXPECT_EQ(backend->requestsTo("/program/zzimloading.php").size(), 1);
class StandinFixture
{
public:
    StandinFixture();
    ~StandinFixture();

    Standin& standin() { return *m_standin; }
    Standin* operator->() { return m_standin.get(); }
    ShopState& shop() { return m_standin->shop(); }
    quint16 port() const { return m_standin->port(); }
    QString host() const { return "127.0.0.1:" + QString::number(port()); }

    // The sample account (as the shop holds it).
    QString shopId() const { return m_standin->shop().account.value("ID"); }
    QString shopPassword() const { return m_standin->shop().account.value("PassWord"); }

private:
    std::unique_ptr<Standin> m_standin;
    std::unique_ptr<ScopedEnv> m_backendHost;
    QString m_serverUrl;
    QString m_shopId;
    QString m_shopPassword;
};

// The sample shop as loaded today.
ShopState SampleShop();
