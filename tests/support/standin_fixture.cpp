#include "support/standin_fixture.h"

#include "core/login_values.h"

#include <QDate>
#include <stdexcept>

ShopState SampleShop()
{
    ShopState shop;
    QString error;
    if (!ShopState::load(DefaultShopFolder(), QDate::currentDate(), shop, &error))
        throw std::runtime_error(error.toStdString());
    return shop;
}

StandinFixture::StandinFixture()
    : m_standin(std::make_unique<Standin>(SampleShop())), m_serverUrl(gServerURL), m_shopId(gShopID),
      m_shopPassword(gShopPW)
{
    if (!m_standin->listen())
        throw std::runtime_error("the stand-in cannot listen on the loopback address");
    m_backendHost = std::make_unique<ScopedEnv>("VMR_BACKEND_HOST", host().toUtf8());
    gServerURL = m_standin->baseUrl();
    gShopID = shopId();
    gShopPW = shopPassword();
}

StandinFixture::~StandinFixture()
{
    gServerURL = m_serverUrl;
    gShopID = m_shopId;
    gShopPW = m_shopPassword;
}
