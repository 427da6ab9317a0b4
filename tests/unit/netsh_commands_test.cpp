#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apply/NetshCommands.h"
#include "net/AddressText.h"
#include "support/Records.h"

namespace {

NetworkTarget StaticTarget(const wchar_t* gateway, int metric = 1) {
    NetworkTarget t;
    t.m_strNicName = L"Local Area Connection";
    t.m_bDhcpIp = 0;
    t.m_strIp = L"192.168.0.10";
    t.m_strMask = L"255.255.255.0";
    t.m_strGateway = gateway;
    t.m_nMetric = metric;
    return t;
}

}  // namespace

TEST(NetshCommands, AddressLineForEachSourceAndGateway) {
    NetworkTarget dhcp;
    dhcp.m_strNicName = L"Wi-Fi";
    dhcp.m_strIp = L"10.0.0.1";  // ignored while the address comes from DHCP
    EXPECT_EQ(AddressCommandLine(dhcp),
              L"netsh interface ip set address name=\"Wi-Fi\" source=dhcp");

    // The form turns a blank gateway into 0.0.0.0: no gateway and no metric on the line.
    EXPECT_EQ(AddressCommandLine(StaticTarget(L"0.0.0.0", 5)),
              L"netsh interface ip set address name=\"Local Area Connection\" source=static "
              L"addr=192.168.0.10 mask=255.255.255.0");
    EXPECT_EQ(AddressCommandLine(StaticTarget(L"192.168.0.1", 5)),
              L"netsh interface ip set address name=\"Local Area Connection\" source=static "
              L"addr=192.168.0.10 mask=255.255.255.0 gateway=192.168.0.1 gwmetric=5");
    EXPECT_TRUE(AddressCommandLine(StaticTarget(L"10.0.0.1", 260))
                    .ends_with(L"mask=255.255.255.0 gateway=10.0.0.1 gwmetric=260"));
    // Only the exact text means "no gateway".
    EXPECT_NE(AddressCommandLine(StaticTarget(L"0.0.0.0 ")).find(L"gateway="), std::wstring::npos);
}

TEST(NetshCommands, DnsFromDhcpIsOneLineAndIgnoresTheServers) {
    NetworkTarget t = StaticTarget(L"0.0.0.0");
    t.m_strDns[0] = L"8.8.8.8";
    t.m_strDns[1] = L"8.8.4.4";
    EXPECT_EQ(ApplyCommandLines(t),
              (std::vector<std::wstring>{
                  AddressCommandLine(t),
                  L"netsh interface ip set dns name=\"Local Area Connection\" dhcp"}));
    std::wstring line = L"untouched";
    EXPECT_FALSE(DnsCommandLine(t, 1, line));
    EXPECT_EQ(line, L"untouched");
}

TEST(NetshCommands, StaticDnsRunsTheSecondaryOnlyWhenThereIsOne) {
    NetworkTarget t;
    t.m_strNicName = L"eth0";
    t.m_bDhcpDns = 0;
    t.m_strDns[0] = L"10.1.1.1";
    t.m_strDns[1] = L"0.0.0.0";
    const std::wstring primary =
        L"netsh interface ip set dns name=\"eth0\" static 10.1.1.1 primary validate=no";
    EXPECT_EQ(ApplyCommandLines(t),
              (std::vector<std::wstring>{
                  L"netsh interface ip set address name=\"eth0\" source=dhcp", primary}));

    // Automatic switching leaves out the DHCP line netsh would refuse on an adapter already on
    // DHCP.
    t.m_bDhcpAlreadyOn = true;
    EXPECT_EQ(ApplyCommandLines(t), (std::vector<std::wstring>{primary}));
    t.m_bDhcpAlreadyOn = false;

    t.m_strDns[1] = L"10.1.1.2";
    const std::vector<std::wstring> lines = ApplyCommandLines(t);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], primary);
    EXPECT_EQ(lines[2], L"netsh interface ip add dns name=\"eth0\" 10.1.1.2 validate=no");

    // An unset primary still goes out; netsh gets to refuse it.
    t.m_strDns[0] = L"0.0.0.0";
    EXPECT_EQ(ApplyCommandLines(t)[1],
              L"netsh interface ip set dns name=\"eth0\" static 0.0.0.0 primary validate=no");
}

TEST(NetshCommands, CopyProfileTakesAddressesOnlyWhereDhcpIsOff) {
    NICs record = MakeAdapter(7, L"vorl-lan");
    record.metric = 3;
    SetAddresses(record, L"10.77.1.50", L"255.255.0.0", L"10.77.1.1", L"10.77.1.53", L"10.77.1.54");

    NetworkTarget t;
    t.m_strIp = L"old ip";
    t.m_strMask = L"old mask";
    t.m_strGateway = L"old gw";
    t.m_strDns[0] = L"old dns";
    t.m_strDns[1] = L"old dns2";

    record.dhcpip = 1;
    record.dhcpdns = 0;
    CopyProfileToChanger(record, t);
    EXPECT_EQ(t.m_nNicIndex, 7);
    EXPECT_EQ(t.m_strNicName, L"vorl-lan");
    EXPECT_EQ(t.m_nMetric, 3);
    EXPECT_EQ(t.m_bDhcpIp, 1);
    EXPECT_EQ(t.m_bDhcpDns, 0);
    EXPECT_EQ(t.m_strIp, L"old ip");
    EXPECT_EQ(t.m_strMask, L"old mask");
    EXPECT_EQ(t.m_strGateway, L"old gw");
    EXPECT_EQ(t.m_strDns[0], L"10.77.1.53");
    EXPECT_EQ(t.m_strDns[1], L"10.77.1.54");

    record.dhcpip = 0;
    record.dhcpdns = 1;
    t.m_strDns[0] = L"kept";
    CopyProfileToChanger(record, t);
    EXPECT_EQ(t.m_bDhcpIp, 0);
    EXPECT_EQ(t.m_bDhcpDns, 1);
    EXPECT_EQ(t.m_strIp, L"10.77.1.50");
    EXPECT_EQ(t.m_strMask, L"255.255.0.0");
    EXPECT_EQ(t.m_strGateway, L"10.77.1.1");
    EXPECT_EQ(t.m_strDns[0], L"kept");

    // A flag that is neither 0 nor 1 counts as static for the lines but copies nothing.
    record.dhcpip = 2;
    CopyField(record.ip, L"10.77.9.9");
    CopyProfileToChanger(record, t);
    EXPECT_EQ(t.m_bDhcpIp, 0);
    EXPECT_EQ(t.m_strIp, L"10.77.1.50");
}

// The system's netsh is named by its full path as the first word; what follows is the line as
// built, quotes and blanks included, so netsh receives exactly the arguments it always did.
TEST(NetshCommands, SystemCommandLineNamesTheSystemNetshByItsQuotedPath) {
    NetworkTarget target;
    target.m_strNicName = L"Local Area Connection";
    const std::wstring path = L"C:\\Windows\\System32\\netsh.exe";
    EXPECT_EQ(SystemCommandLine(path, AddressCommandLine(target)),
              L"\"C:\\Windows\\System32\\netsh.exe\" interface ip set address "
              L"name=\"Local Area Connection\" source=dhcp");
    std::wstring dns;
    ASSERT_TRUE(DnsCommandLine(target, 0, dns));
    EXPECT_EQ(SystemCommandLine(path, dns),
              L"\"C:\\Windows\\System32\\netsh.exe\" interface ip set dns "
              L"name=\"Local Area Connection\" dhcp");
}
