#include <gtest/gtest.h>

#include "net/AddressText.h"
#include "net/NicInformation.h"
#include "support/Records.h"

namespace {

NICs Adapter(int operstatus, int dhcpip, int dhcpdns) {
    NICs a{};
    a.nic = 7;
    CopyField(a.nicname, L"Ethernet");
    a.operstatus = operstatus;
    a.dhcpip = dhcpip;
    a.dhcpdns = dhcpdns;
    SetAddresses(a, L"192.168.1.10", L"255.255.255.0", L"192.168.1.1", L"Not assigned",
                 L"Not assigned");
    return a;
}

}  // namespace

TEST(NicInformation, StaticAdapterShowsAddressBlockThenDnsBlock) {
    EXPECT_EQ(ComposeNicInformation(Adapter(1, 0, 0), 1, false),
              L"[NIC 7]\nEthernet\n\nIP: 192.168.1.10\nSubnet: 255.255.255.0\n"
              L"Gateway: 192.168.1.1\n\nDNS1: Not assigned\nDNS2: Not assigned");
}

TEST(NicInformation, DhcpAdapterEndsWithBothDhcpLines) {
    EXPECT_EQ(ComposeNicInformation(Adapter(1, 1, 1), 1, false),
              L"[NIC 7]\nEthernet\n\nUsing DHCP for IP\n\nUsing DHCP for DNSP\n\n");
}

TEST(NicInformation, DownLinkIsDisconnectedUnlessChangesAreForced) {
    // The status line reports the working record, not the adapter.
    EXPECT_EQ(ComposeNicInformation(Adapter(2, 0, 1), 5, false),
              L"[NIC 7]\nEthernet\n\nDisconnected\nStatus : 5");
    EXPECT_EQ(ComposeNicInformation(Adapter(2, 1, 1), 5, true),
              L"[NIC 7]\nEthernet\n\nUsing DHCP for IP\n\nUsing DHCP for DNSP\n\n");
}
