#pragma once

#include "standin/telephony_standin.h"
#include "support/scoped_env.h"

#include <memory>

// The caller-ID services of the stand-in with the sample accounts on free loopback ports, for the
// life of the object; VMR_CID_KT_HOST and VMR_CID_LG_HOST point at them meanwhile.
class TelephonyFixture
{
public:
    TelephonyFixture();

    TelephonyStandin* operator->() { return m_telephony.get(); }
    TelephonyStandin& telephony() { return *m_telephony; }
    const CidAccounts& accounts() const { return m_accounts; }

    // The commands the services received, "KT LOGIN ..." with the fields joined by blanks.
    QStringList commands() const;

private:
    CidAccounts m_accounts;
    std::unique_ptr<TelephonyStandin> m_telephony;
    std::unique_ptr<ScopedEnv> m_ktHost;
    std::unique_ptr<ScopedEnv> m_lgHost;
};

// The sample shop's caller-ID accounts.
CidAccounts SampleCidAccounts();
