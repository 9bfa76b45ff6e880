#include "support/telephony_fixture.h"

#include "standin/shop_state.h"

#include <stdexcept>

CidAccounts SampleCidAccounts()
{
    CidAccounts accounts;
    QString error;
    if (!CidAccounts::load(DefaultShopFolder(), accounts, &error))
        throw std::runtime_error(error.toStdString());
    return accounts;
}

TelephonyFixture::TelephonyFixture()
    : m_accounts(SampleCidAccounts()), m_telephony(std::make_unique<TelephonyStandin>(m_accounts))
{
    if (!m_telephony->listen())
        throw std::runtime_error("the caller-ID services cannot listen on the loopback address");
    m_ktHost = std::make_unique<ScopedEnv>("VMR_CID_KT_HOST", m_telephony->ktHost().toUtf8());
    m_lgHost = std::make_unique<ScopedEnv>("VMR_CID_LG_HOST", m_telephony->lgHost().toUtf8());
}

QStringList TelephonyFixture::commands() const
{
    QStringList lines;
    for (const TelephonyStandin::Received& received : m_telephony->received())
        lines.append(received.carrier + " " + received.fields.join(' '));
    return lines;
}
