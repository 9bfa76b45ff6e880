#include "core/machine_identity.h"
#include "platform/user_registry.h"
#include "support/user_registry_dir.h"

#include <gtest/gtest.h>

namespace {

class MachineIdentity : public ::testing::Test
{
protected:
    void TearDown() override { SetNetworkAdapterSource({}); }
    void adapters(QList<NetworkAdapter> list)
    {
        SetNetworkAdapterSource([list] { return list; });
    }
    TempUserRegistry registry;
};

} // namespace

TEST_F(MachineIdentity, MacBytesGiveSixHyphenatedPairs)
{
    EXPECT_EQ(MacBytesToString(QByteArray::fromHex("001A2B3C4D5E0000")), "00-1A-2B-3C-4D-5E");
    EXPECT_EQ(MacBytesToString(QByteArray::fromHex("01020304")), "01-02-03-04-00-00");
    EXPECT_EQ(MacBytesToString(QByteArray()), "00-00-00-00-00-00");
}

TEST_F(MachineIdentity, AdapterListsKeepTheirOwnAdapters)
{
    adapters({{"00:1A:2B:3C:4D:5E", true},
              {"02:00:4C:4F:4F:50", false},
              {"00:1A:2B:3C:4D:5E", true},
              {"80:00:00:00:00:00:00:01", true}});
    EXPECT_EQ(GetAdapterMACs(), "00:1A:2B:3C:4D:5E;02:00:4C:4F:4F:50;00:1A:2B:3C:4D:5E");
    EXPECT_EQ(GetNICInfo(), "00:1A:2B:3C:4D:5E;80:00:00:00:00:00:00:01");

    adapters({});
    EXPECT_EQ(GetAdapterMACs(), "");
    EXPECT_EQ(GetNICInfo(), "");
    EXPECT_EQ(GetMACAddress(), "");
}

TEST_F(MachineIdentity, TheRememberedAddressWinsOnlyWhenAnAdapterHasIt)
{
    adapters({{"00:1A:2B:3C:4D:5E", true}, {"02:00:4C:4F:4F:50", true}});
    EXPECT_EQ(GetMACAddress(), "02004C4F4F50");

    UserRegistry::SaveSetting("QTRWZ", "Vexil", "MAC", "00:1A:2B:3C:4D:5E");
    EXPECT_EQ(GetMACAddress(), "001A2B3C4D5E");

    UserRegistry::SaveSetting("QTRWZ", "Vexil", "MAC", "AA:BB:CC:DD:EE:FF");
    EXPECT_EQ(GetMACAddress(), "02004C4F4F50");
}

TEST_F(MachineIdentity, WithoutAddressedAdaptersEveryAdapterIsACandidate)
{
    adapters({{"02:00:4C:4F:4F:50", false}, {"0A:00:00:00:00:01", false}});
    EXPECT_EQ(GetMACAddress(), "0A0000000001");

    adapters({{"01:02:03:04", false}});
    EXPECT_EQ(GetMACAddress(), "");
}
