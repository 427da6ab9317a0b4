// Automatic switching: what a network is known by, how the "networks" key keeps it, which profile
// a settled adapter gets, and the guards that keep the program from flapping or from fighting
// its user.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "switching/AutoSwitch.h"
#include "switching/NetworkIdentity.h"
#include "switching/Teach.h"

namespace {

const NetworkIdentity kHome{L"192.168.1.1", L"aa-bb-cc-00-00-01", L"", L""};
const NetworkIdentity kOffice{L"192.168.10.1", L"00-1a-2b-3c-4d-5e", L"", L"corp.example"};
const NetworkIdentity kLab{L"10.9.0.1", L"00-1a-2b-99-99-99", L"", L""};

AdapterView Seen(NetworkIdentity identity, std::wstring address = L"192.168.1.20") {
    AdapterView view;
    view.nicname = L"Ethernet";
    view.linkUp = view.dhcpEnabled = view.addressFromDhcp = view.lowestMetric = true;
    view.address = std::move(address);
    view.identity = std::move(identity);
    return view;
}

// DHCP on and no lease: the state a lab without a DHCP server leaves the adapter in.
AdapterView WithoutLease(std::wstring address, int64_t msWithoutLease) {
    AdapterView view = Seen({}, std::move(address));
    view.addressFromDhcp = false;
    view.msWithoutLease = msWithoutLease;
    return view;
}

// "Trial 5,8 verify +pp": what a decision does, in one line a test can compare.
std::wstring Summary(const SwitchDecision& d) {
    static const wchar_t* const kActions[] = {L"Nothing", L"Apply", L"DhcpFallback", L"Trial"};
    std::wstring text = kActions[static_cast<int>(d.action)];
    for (size_t i = 0; i < d.profiles.size(); ++i) {
        text += (i ? L"," : L" ") + std::to_wstring(d.profiles[i]);
    }
    return text + (d.verify ? L" verify" : L"") + (d.printerAndProxy ? L" +pp" : L"");
}

bool Has(const std::wstring& text, const wchar_t* part) {
    return text.find(part) != std::wstring::npos;
}

}  // namespace

TEST(AutoSwitch, HomeThenOfficeThenALabWithoutDhcp) {
    const std::vector<SwitchProfile> profiles = {
        {3, L"Home", false, {kHome}}, {5, L"Office", true, {kOffice}}, {8, L"Lab", true, {kLab}}};
    SwitchDecision d = DecideSwitch(Seen(kHome), profiles, {});
    EXPECT_EQ(Summary(d), L"Apply 3 +pp");
    EXPECT_EQ(d.reason, L"\"Home\" knows 192.168.1.1 (aa-bb-cc-00-00-01)");
    EXPECT_EQ(Summary(DecideSwitch(Seen(kHome), profiles, {3, true})), L"Nothing");
    // Settings changed by hand since: the profile is applied again.
    EXPECT_EQ(Summary(DecideSwitch(Seen(kHome), profiles, {3, false})), L"Apply 3 +pp");
    // The office, its static profile; on an adapter without the lowest metric, no printer and
    // proxy.
    AdapterView office = Seen(kOffice);
    office.lowestMetric = false;
    EXPECT_EQ(Summary(DecideSwitch(office, profiles, {3, true})), L"Apply 5");

    // Carried to the lab with the office's address: its gateway no longer answers. Back to
    // DHCP with the home profile's DHCP lines, never its printer and proxy.
    AdapterView stale = Seen({L"192.168.10.1", L"", L"", L""}, L"192.168.10.50");
    stale.dhcpEnabled = stale.addressFromDhcp = false;
    d = DecideSwitch(stale, profiles, {5, true});
    EXPECT_EQ(Summary(d), L"DhcpFallback 3");
    EXPECT_EQ(d.reason,
              L"left the network of \"Office\" (now 192.168.10.1 (no answer)); DHCP with \"Home\"");

    // The lab gives no lease: a minute's wait (asking again when it runs out), then every static
    // profile that knows a site in list order; an autoconfigured address needs no wait.
    d = DecideSwitch(WithoutLease(L"", 10'000), profiles, {3, true});
    EXPECT_EQ(Summary(d), L"Nothing");
    EXPECT_EQ(d.askAgainInMs, 50'000);
    EXPECT_EQ(Summary(DecideSwitch(WithoutLease(L"", kLeaseWaitMs), profiles, {3, true})),
              L"Trial 5,8 +pp");
    d = DecideSwitch(WithoutLease(L"169.254.7.9", 0), profiles, {3, true});
    EXPECT_EQ(Summary(d), L"Trial 5,8 +pp");
    EXPECT_TRUE(Has(d.reason, L"trying \"Office\", \"Lab\"")) << d.reason;
    EXPECT_TRUE(ProbeConfirms(profiles[2], kLab));
    EXPECT_FALSE(ProbeConfirms(profiles[1], kLab));

    // An IPv6-only network is no network without DHCP; the system's alternate configuration is
    // the user's own answer to a missing lease; without static profiles there is nothing to try.
    AdapterView ipv6 = WithoutLease(L"169.254.7.9", 0);
    ipv6.ipv6DefaultRoute = true;
    EXPECT_TRUE(Has(DecideSwitch(ipv6, profiles, {}).reason, L"IPv6-only"));
    d = DecideSwitch(WithoutLease(L"192.168.5.5", kLeaseWaitMs), profiles, {});
    EXPECT_EQ(Summary(d), L"Nothing");
    EXPECT_TRUE(Has(d.reason, L"alternate configuration 192.168.5.5")) << d.reason;
    EXPECT_EQ(Summary(DecideSwitch(WithoutLease(L"169.254.7.9", 0), {profiles.data(), 1}, {})),
              L"Nothing");
}

TEST(AutoSwitch, OneGatewayAddressAtTwoSitesIsToldApartByItsHardwareAddress) {
    const NetworkIdentity siteA{L"192.168.1.1", L"00-11-22-33-44-0a", L"", L""};
    const NetworkIdentity siteB{L"192.168.1.1", L"00-11-22-33-44-0b", L"", L""};
    const NetworkIdentity siteC{L"192.168.1.1", L"00-11-22-33-44-0c", L"", L""};
    const std::vector<SwitchProfile> profiles = {{0, L"Site A", true, {siteA}},
                                                 {1, L"Site B", true, {siteB}}};
    EXPECT_EQ(Summary(DecideSwitch(Seen(siteB), profiles, {0, true})), L"Apply 1 +pp");
    EXPECT_EQ(ProfileKnowingNetwork(profiles, siteB), 1);
    EXPECT_EQ(DecideSwitch(Seen(siteC), profiles, {}).reason,
              L"no profile knows 192.168.1.1 (00-11-22-33-44-0c)");
    // Left site A without a DHCP profile: the other site is tried, or with none plain DHCP.
    EXPECT_EQ(Summary(DecideSwitch(Seen(siteC), profiles, {0, true})), L"Trial 1 +pp");
    EXPECT_EQ(Summary(DecideSwitch(Seen(siteC), {profiles.data(), 1}, {0, true})), L"DhcpFallback");
}

TEST(AutoSwitch, AnSsidAloneNeverPicksAStaticProfileButMayTryOne) {
    const NetworkIdentity corp{L"172.16.0.1", L"00-1a-2b-00-00-01", L"CorpWiFi", L""};
    const NetworkIdentity corpNoGateway{L"", L"", L"CorpWiFi", L""};
    const std::vector<SwitchProfile> profiles = {{0, L"Cafe", false, {{L"", L"", L"Cafe", L""}}},
                                                 {1, L"Lab", true, {{L"", L"", L"LabNet", L""}}},
                                                 {2, L"Office", true, {corp}}};
    EXPECT_EQ(Summary(DecideSwitch(Seen({L"", L"", L"Cafe", L""}), profiles, {})), L"Apply 0 +pp");
    const SwitchDecision d = DecideSwitch(Seen({L"", L"", L"LabNet", L""}), profiles, {});
    EXPECT_EQ(Summary(d), L"Nothing");
    EXPECT_TRUE(Has(d.reason, L"\"Lab\" is static and needs its gateway")) << d.reason;
    // The office's SSID before any gateway answered: applied on trial, kept only on a match;
    // not over itself when in force with its gateway silent.
    EXPECT_EQ(Summary(DecideSwitch(Seen(corpNoGateway), profiles, {})), L"Apply 2 verify +pp");
    EXPECT_EQ(ProfileKnowingNetwork(profiles, corpNoGateway), -1);
    EXPECT_TRUE(ProbeConfirms(profiles[2], corp));
    EXPECT_EQ(Summary(DecideSwitch(Seen(corpNoGateway), profiles, {2, true})), L"DhcpFallback 0");
    // Another gateway under that SSID is another branch; the office's gateway under another
    // SSID is not the office.
    const NetworkIdentity branch{L"172.16.9.1", L"00-1a-2b-00-00-09", L"CorpWiFi", L""};
    EXPECT_EQ(Summary(DecideSwitch(Seen(branch), profiles, {})), L"Nothing");
    EXPECT_EQ(Summary(DecideSwitch(Seen({corp.gateway, corp.mac, L"Guest", L""}), profiles, {})),
              L"Nothing");
}

TEST(AutoSwitch, AVirtualRouterNeedsItsSsidOrDnsSuffix) {
    EXPECT_TRUE(IsVirtualRouterMac(L"00:00:0C:07:AC:01") &&
                IsVirtualRouterMac(L"00-07-b4-12-34-56"));
    EXPECT_FALSE(IsVirtualRouterMac(L"00-00-5e-00-02-0a"));
    const NetworkIdentity branch1{L"10.0.0.1", L"00-00-5e-00-01-0a", L"", L"branch1.corp.example"};
    std::vector<SwitchProfile> profiles = {{0, L"Branch 1", true, {branch1}}};
    NetworkIdentity seen = branch1;
    seen.dnsSuffix = L"BRANCH1.Corp.Example";
    EXPECT_EQ(Summary(DecideSwitch(Seen(seen), profiles, {})), L"Apply 0 +pp");
    seen.dnsSuffix = L"branch2.corp.example";  // the same template at another branch
    const SwitchDecision d = DecideSwitch(Seen(seen), profiles, {});
    EXPECT_EQ(Summary(d), L"Nothing");
    EXPECT_TRUE(Has(d.reason, L"virtual router")) << d.reason;
    const NetworkIdentity onWifi{L"10.0.0.1", L"00-00-5e-00-01-0a", L"Corp", L""};
    EXPECT_EQ(MatchIdentity(onWifi, onWifi), IdentityMatch::Gateway);
    // Once in force its static address brings no DNS suffix: it still holds, no fallback.
    seen.dnsSuffix.clear();
    EXPECT_EQ(Summary(DecideSwitch(Seen(seen), profiles, {0, true})), L"Nothing");
    // A DHCP profile may take the weak answer.
    profiles.push_back({1, L"Branch guest", false, {{branch1.gateway, branch1.mac, L"", L""}}});
    EXPECT_EQ(Summary(DecideSwitch(Seen(seen), profiles, {})), L"Apply 1 +pp");
}

TEST(SwitchGuard, SettlesDecidesOncePerNetworkAndHonoursAManualApply) {
    SwitchGuard guard;
    EXPECT_TRUE(guard.Settled(L"Wi-Fi", 0));
    guard.Changed(L"Wi-Fi", 10'000);
    EXPECT_FALSE(guard.Settled(L"Wi-Fi", 11'999));
    EXPECT_TRUE(guard.Settled(L"Wi-Fi", 12'000));

    std::wstring reason;
    EXPECT_TRUE(guard.MayDecide(L"Wi-Fi", kHome));
    EXPECT_FALSE(guard.Decided(L"Wi-Fi", kHome, false, 12'000));
    EXPECT_FALSE(guard.MayDecide(L"Wi-Fi", kHome, &reason));
    EXPECT_TRUE(Has(reason, L"decided on already")) << reason;
    // A new DNS suffix is no new network; a blank identity after a blank one is no change.
    EXPECT_FALSE(guard.MayDecide(L"Wi-Fi", {kHome.gateway, L"AA:BB:CC:00:00:01", L"", L"x"}));
    guard.Decided(L"Wi-Fi", {}, false, 13'000);
    EXPECT_FALSE(guard.MayDecide(L"Wi-Fi", {}));

    guard.Pin(L"Wi-Fi", kOffice);
    EXPECT_FALSE(guard.MayDecide(L"Wi-Fi", kOffice, &reason));
    EXPECT_TRUE(Has(reason, L"manual apply")) << reason;
    EXPECT_TRUE(guard.MayDecide(L"Wi-Fi", kLab));
}

TEST(SwitchGuard, ThreeSwitchTheNextPausesUntilResume) {
    SwitchGuard guard;
    const NetworkIdentity sites[] = {kHome, kOffice, kLab, kHome};
    const int64_t minute = 60'000;
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(guard.Decided(L"Wi-Fi", sites[i], true, i * minute));
    // Decisions to do nothing cost nothing.
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(guard.Decided(L"Wi-Fi", {}, false, 4 * minute));
    EXPECT_TRUE(guard.Decided(L"Wi-Fi", sites[3], true, 5 * minute));
    EXPECT_TRUE(guard.Paused(L"Wi-Fi"));
    EXPECT_FALSE(guard.Paused(L"Ethernet"));

    // Nothing but Resume ends it: not time, changes, own or manual applies.
    guard.Changed(L"Wi-Fi", 90 * minute);
    guard.Settle(L"Wi-Fi", kLab);
    guard.Pin(L"Wi-Fi", kLab);
    guard.Decided(L"Wi-Fi", kOffice, false, 100 * minute);
    std::wstring reason;
    EXPECT_FALSE(guard.MayDecide(L"Wi-Fi", kHome, &reason));
    EXPECT_TRUE(Has(reason, L"paused")) << reason;
    guard.Resume();
    EXPECT_FALSE(guard.Paused(L"Wi-Fi"));
    EXPECT_TRUE(guard.MayDecide(L"Wi-Fi", kOffice));  // the network last decided on, afresh
    // With a fresh budget; an apply older than the window no longer counts.
    for (int i = 0; i < 3; ++i) guard.Decided(L"Eth", sites[i], true, 200 * minute + i * minute);
    EXPECT_FALSE(guard.Decided(L"Eth", kHome, true, 210 * minute));
    EXPECT_TRUE(guard.Decided(L"Eth", kOffice, true, 211 * minute - 1));
}

TEST(LeaseClock, CountsOnlyWhileUpWithDhcpAndNoLease) {
    LeaseClock clock;
    EXPECT_EQ(clock.Observe(L"Wi-Fi", true, true, false, 1'000), 0);
    EXPECT_EQ(clock.Observe(L"Wi-Fi", true, true, false, 61'000), 60'000);
    // A lease, a link down or DHCP off ends the count; the next one starts from nought.
    EXPECT_EQ(clock.Observe(L"Wi-Fi", true, true, true, 62'000), 0);
    EXPECT_EQ(clock.Observe(L"Wi-Fi", true, true, false, 70'000), 0);
    EXPECT_EQ(clock.Observe(L"Wi-Fi", false, true, false, 80'000), 0);
}

TEST(NetworksKey, RoundTripsNewestFirstAndKeepsAWrittenNameWhole) {
    std::vector<NetworkIdentity> networks =
        ParseNetworks(L"gw:192.168.10.1/00-1A-2B-3C-4D-5E|ssid:Office");
    ASSERT_EQ(networks.size(), 2u);
    EXPECT_EQ(networks[0], (NetworkIdentity{L"192.168.10.1", L"00-1a-2b-3c-4d-5e", L"", L""}));

    // Names with the separators, a line break and a blank at the end (which the file's reader
    // would otherwise drop) come back as they were, on one line.
    RememberNetwork(networks, {L"10.0.0.01", L"00:aa:bb:cc:dd:ee", L" 50% |,\nCafé ", L""});
    RememberNetwork(networks, {L"192.168.10.1", L"00-1a-2b-3c-4d-5e", L"", L"corp.example"});
    ASSERT_EQ(networks.size(), 3u);  // the office moved up, with its suffix
    const std::wstring value = FormatNetworks(networks);
    EXPECT_EQ(value.find_first_of(L"\r\n"), std::wstring::npos);
    EXPECT_EQ(ParseNetworks(value), networks);
    EXPECT_EQ(networks[1],
              (NetworkIdentity{L"10.0.0.1", L"00-aa-bb-cc-dd-ee", L" 50% |,\nCafé ", L""}));
    EXPECT_NE(FormatNetworks({&networks[1], 1}).back(), L' ');

    // Four at most, the oldest going; nothing to know a network by is not remembered; a gateway
    // that gave no answer leaves only the SSID.
    RememberNetwork(networks, kLab);
    RememberNetwork(networks, {});
    RememberNetwork(networks, {L"10.1.1.1", L"", L"Hall", L""});
    ASSERT_EQ(networks.size(), 4u);
    EXPECT_EQ(networks[0], (NetworkIdentity{L"", L"", L"Hall", L""}));
    EXPECT_EQ(networks[3].ssid, L" 50% |,\nCafé ");
    ForgetNetwork(networks, {L"", L"", L"Hall", L""});
    ForgetNetwork(networks, kLab);
    EXPECT_EQ(networks.size(), 2u);
    EXPECT_EQ(DescribeNetwork({L"192.168.10.1", L"00-1a-2b-3c-4d-5e", L"Office", L""}),
              L"192.168.10.1 (00-1a-2b-3c-4d-5e) SSID Office");
}

TEST(NetworksKey, HostileValuesNeverCrashAndKeepTheGoodItems) {
    for (const wchar_t* nothing : {L"", L"|||", L",,,", L"gw:", L"ssid:", L"dns:corp.example"}) {
        EXPECT_TRUE(ParseNetworks(nothing).empty()) << nothing;
    }
    EXPECT_TRUE(ParseNetworks(std::wstring(100'000, L'x')).empty());

    // Bad MACs, addresses and escapes, a name too long, a field twice.
    std::wstring value =
        L"gw:1.2.3.4/00-11-22-33-44|gw:1.2.3.4/00-11-22-33-44-zz|gw:1.2.3.4/00-11-22-33-44-55-|"
        L"gw:1.2.3.256/00-11-22-33-44-55|gw:/00-11-22-33-44-55|gw:1.2.3.4|ssid:a%4|ssid:a%|"
        L"ssid:%G0|ssid:nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn|ssid:a,ssid:b|"
        L"gw:1.2.3.4/00-11-22-33-44-55,ssid:%|";
    // A damaged item never becomes a weaker one; an unknown field is passed over.
    value += L"bssid:whatever,ssid:Kept|";
    for (int i = 0; i < 1000; ++i) value += L"gw:1.2.3.4/00-11-22-33-44|";
    value += L"gw:10.0.0.1/00-11-22-33-44-55";
    for (int i = 0; i < 1000; ++i) value += L"|ssid:n" + std::to_wstring(i);
    const std::vector<NetworkIdentity> networks = ParseNetworks(value);
    ASSERT_EQ(networks.size(), kMaxRememberedNetworks);
    EXPECT_EQ(networks[0].ssid, L"Kept");
    EXPECT_EQ(networks[1].mac, L"00-11-22-33-44-55");
    EXPECT_EQ(networks[3].ssid, L"n1");
}

// A manual apply teaches the applied profile a network no other profile knows; one another
// profile knows is only moved with a yes, and a silent gateway teaches nothing.
TEST(Teach, LearnsOnlyWhatNobodyKnowsAndAsksBeforeMoving) {
    std::vector<SwitchProfile> profiles(2);
    profiles[0].title = L"Office";
    profiles[0].isStatic = true;
    profiles[1].title = L"Lab";
    profiles[1].isStatic = true;
    int other = -1;
    EXPECT_EQ(ChooseTeach(profiles, 1, kLab, &other), TeachChoice::Remember);
    EXPECT_EQ(ChooseTeach(profiles, 1, {kLab.gateway, L"", L"", L""}, &other),
              TeachChoice::Nothing);
    profiles[0].networks = {kLab};
    EXPECT_EQ(ChooseTeach(profiles, 1, kLab, &other), TeachChoice::AskToMove);
    EXPECT_EQ(other, 0);
    // Its own network again only refreshes it.
    EXPECT_EQ(ChooseTeach(profiles, 0, kLab, &other), TeachChoice::Remember);
}
