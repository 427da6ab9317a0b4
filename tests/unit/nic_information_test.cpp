#include <gtest/gtest.h>

#include "net/AddressText.h"
#include "net/NicInformation.h"
#include "support/Records.h"

namespace {

NICs Adapter(int operstatus, int dhcpip, int dhcpdns) {
    NICs a = MakeAdapter(7, L"Ethernet");
    a.operstatus = operstatus;
    a.dhcpip = dhcpip;
    a.dhcpdns = dhcpdns;
    SetAddresses(a, L"192.168.1.10", L"255.255.255.0", L"192.168.1.1", L"Not assigned",
                 L"Not assigned");
    return a;
}

}  // namespace

TEST(NicInformation, StaticAdapterShowsAddressBlockThenDnsBlock) {
    EXPECT_EQ(ComposeNicInformation(Adapter(1, 0, 0), false),
              L"[NIC 7]\nEthernet\n\nIP: 192.168.1.10\nSubnet: 255.255.255.0\n"
              L"Gateway: 192.168.1.1\n\nDNS1: Not assigned\nDNS2: Not assigned");
}

TEST(NicInformation, DhcpAdapterEndsWithBothDhcpLines) {
    EXPECT_EQ(ComposeNicInformation(Adapter(1, 1, 1), false),
              L"[NIC 7]\nEthernet\n\nUsing DHCP for IP\n\nUsing DHCP for DNSP\n\n");
}

TEST(NicInformation, DownLinkIsDisconnectedUnlessChangesAreForced) {
    // The status line is the adapter's own: a down link reads 2, one that is not present 6.
    EXPECT_EQ(ComposeNicInformation(Adapter(2, 0, 1), false),
              L"[NIC 7]\nEthernet\n\nDisconnected\nStatus : 2");
    EXPECT_EQ(ComposeNicInformation(Adapter(6, 0, 1), false),
              L"[NIC 7]\nEthernet\n\nDisconnected\nStatus : 6");
    EXPECT_EQ(ComposeNicInformation(Adapter(2, 1, 1), true),
              L"[NIC 7]\nEthernet\n\nUsing DHCP for IP\n\nUsing DHCP for DNSP\n\n");
}

// The adapter an apply addresses is found by its connection name, exactly as netsh is given it;
// the interface index a profile stores plays no part.
TEST(NicInformation, AdapterPositionFollowsTheConnectionName) {
    NICs inventory[3] = {Adapter(1, 1, 1), Adapter(2, 1, 1), Adapter(1, 1, 1)};
    CopyField(inventory[0].nicname, L"Ethernet");
    CopyField(inventory[1].nicname, L"Wi-Fi");
    CopyField(inventory[2].nicname, L"Lab");
    inventory[1].nic = 3;
    EXPECT_EQ(AdapterPosition(inventory, L"Wi-Fi"), 1);
    EXPECT_EQ(AdapterPosition(inventory, L"Lab"), 2);
    EXPECT_EQ(AdapterPosition(inventory, L""), -1);
    EXPECT_EQ(AdapterPosition({}, L"Ethernet"), -1);
}
