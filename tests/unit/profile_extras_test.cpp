// Extra addresses and the proxy server of a profile: the keys, the checks, the netsh lines, the
// report after an apply, the proxy values written and the adapter information.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apply/ApplyReport.h"
#include "apply/NetshCommands.h"
#include "apply/ProxyServer.h"
#include "config/FormToProfile.h"
#include "config/ProfileExtras.h"
#include "fake_ini.h"
#include "net/NicInformation.h"
#include "support/Records.h"

namespace {

Profile LabWithExtras() {
    Profile p = MakeProfile(L"Lab", 2, L"Ethernet", false);
    p.extra[0] = MakeAddressPair(L"10.1.0.5", L"255.255.0.0");
    p.extra[1] = MakeAddressPair(L"172.16.3.4", L"255.255.255.252");
    p.checkproxy = 1;
    CopyField(p.proxy, L"http=proxy.lab:3128;https=proxy.lab:3129");
    CopyField(p.proxybypass, L"*.lab;10.*;<local>");
    return p;
}

Profile ReadSection(FakeIni::Section entries) {
    FakeIni ini;
    ini.Set(L"Lab", std::move(entries));
    return ReadProfile(ini, L"Lab").profile;
}

}  // namespace

TEST(ProfileExtras, KeysRoundTripAfterTheOldOnesAndAreAbsentWhenUnused) {
    const std::vector<IniEntry> entries = ProfileEntries(LabWithExtras());
    std::vector<std::wstring> tail;
    for (size_t i = entries.size() - 8; i < entries.size(); ++i) tail.push_back(entries[i].first);
    EXPECT_EQ(tail, (std::vector<std::wstring>{L"autoconf", L"ip2", L"subnet2", L"ip3", L"subnet3",
                                               L"checkproxy", L"proxy", L"proxybypass"}));
    const Profile back = ReadSection({entries.begin(), entries.end()});
    EXPECT_STREQ(back.extra[1].subnet, L"255.255.255.252");
    EXPECT_STREQ(back.proxybypass, L"*.lab;10.*;<local>");
    EXPECT_EQ(ProfileEntries(back), entries);

    // Neither used: exactly the keys earlier versions wrote; their files read as before.
    const std::vector<IniEntry> plain = ProfileEntries(MakeProfile(L"Lab", 2, L"Ethernet", false));
    EXPECT_EQ(plain.back().first, L"autoconf");
    const Profile old = ReadSection({plain.begin(), plain.end()});
    EXPECT_TRUE(ExtraAddresses(old).empty());
    EXPECT_FALSE(NamesProxyServer(old));
    // A DHCP profile's pairs are neither read nor written.
    Profile dhcp = LabWithExtras();
    dhcp.dhcpip = 1;
    for (const auto& [key, value] : ProfileEntries(dhcp)) EXPECT_NE(key, L"ip2");
    EXPECT_TRUE(
        ExtraAddresses(ReadSection({{L"ip2", L"10.1.0.5"}, {L"subnet2", L"255.0.0.0"}})).empty());
}

TEST(ProfileExtras, DamagedValuesAreSkippedWithoutTouchingTheRest) {
    const Profile p = ReadSection({{L"dhcpip", L"FALSE"},
                                   {L"ip", L"10.0.0.5"},
                                   {L"subnet2", L"255.255.255.0"},  // no ip2
                                   {L"ip3", L"10.0.0.300"},
                                   {L"subnet3", L"255.255.255.0"},
                                   {L"ip4", L"10.0.0.05"},  // the first address again
                                   {L"subnet4", L"255.0.0.0"},
                                   {L"ip5", L"192.168.7.7"},
                                   {L"subnet5", L"255.255.0.0"},
                                   {L"checkproxy", L"true"},
                                   {L"proxy", L"proxy.lab:0"}});
    ASSERT_EQ(ExtraAddresses(p).size(), 1u);
    EXPECT_STREQ(p.extra[0].ip, L"192.168.7.7");
    EXPECT_STREQ(p.ip, L"10.0.0.5");
    // A damaged proxy server names none at all: the apply leaves the user's settings alone.
    EXPECT_FALSE(NamesProxyServer(p));
    EXPECT_FALSE(NamesProxyServer(ReadSection({{L"checkproxy", L"false"}})));
}

TEST(ProfileExtras, PairChecks) {
    const std::vector<AddressPair> pairs = {MakeAddressPair(L"10.1.0.5", L"255.255.0.0")};
    const auto check = [&](const wchar_t* ip, const wchar_t* mask, int replacing = -1) {
        return CheckAddressPair(ip, mask, L"10.0.0.5", pairs, replacing);
    };
    EXPECT_EQ(check(L"10.2.0.5", L"255.255.255.255"), ExtrasProblem::None);
    EXPECT_EQ(check(L"10.2.0", L"255.0.0.0"), ExtrasProblem::AddressIncomplete);
    EXPECT_EQ(check(L"10.2.0.5", L""), ExtrasProblem::MaskIncomplete);
    for (const wchar_t* mask : {L"0.0.0.0", L"255.0.255.0", L"255.255.255.1", L"0.255.255.255"}) {
        EXPECT_EQ(check(L"10.2.0.5", mask), ExtrasProblem::MaskInvalid) << mask;
    }
    EXPECT_EQ(check(L"10.0.0.5", L"255.0.0.0"), ExtrasProblem::AddressTaken) << "the first one";
    EXPECT_EQ(check(L"10.1.0.05", L"255.0.0.0"), ExtrasProblem::AddressTaken) << "another pair";
    EXPECT_EQ(check(L"10.1.0.5", L"255.0.0.0", 0), ExtrasProblem::None) << "changing itself";
    const std::vector<AddressPair> full(4, MakeAddressPair(L"10.3.0.1", L"255.0.0.0"));
    EXPECT_EQ(CheckAddressPair(L"10.4.0.1", L"255.0.0.0", L"", full), ExtrasProblem::TooMany);
}

TEST(ProfileExtras, ProxyServerChecksAndExceptions) {
    for (const wchar_t* good : {L"proxy:8080", L" proxy.corp.example:3128 ", L"10.0.0.1",
                                L"[::1]:8080", L"HTTP=p:1;https=p:443;socks=s:1080;"}) {
        EXPECT_EQ(CheckProxyServer(true, good, L""), ExtrasProblem::None) << good;
    }
    for (const wchar_t* bad : {L"http://proxy:8080", L"proxy:", L"proxy:80a", L"a b:80",
                               L"gopher=p:70", L"http=;", L"pröxy:80", L".p:80"}) {
        EXPECT_EQ(CheckProxyServer(true, bad, L""), ExtrasProblem::ProxyServerMalformed) << bad;
    }
    for (const wchar_t* port : {L"proxy:0", L"proxy:65536", L"http=p:99999999999"}) {
        EXPECT_EQ(CheckProxyServer(false, port, L""), ExtrasProblem::ProxyPortOutOfRange) << port;
    }
    EXPECT_EQ(CheckProxyServer(true, L"  ", L""), ExtrasProblem::ProxyServerEmpty);
    EXPECT_EQ(CheckProxyServer(false, L"", L"*.lab"), ExtrasProblem::None);
    EXPECT_EQ(CheckProxyServer(true, L"p:80", L"a;\tb"), ExtrasProblem::ProxyControlCharacter);

    EXPECT_EQ(JoinProxyBypass(L" *.lab ;; 10.* ", true), L"*.lab;10.*;<local>");
    EXPECT_EQ(JoinProxyBypass(L"<LOCAL>;*.lab", false), L"*.lab;<local>");
    const ProxyExceptions split = SplitProxyBypass(L"<local>;*.lab;10.*");
    EXPECT_EQ(split.list, L"*.lab;10.*");
    EXPECT_TRUE(split.bypassLocal);
}

TEST(ProfileExtras, FormChecksThePairsAgainstTheAddressNowInTheForm) {
    const Profile lab = LabWithExtras();
    ProfileForm form = ProfileAsForm(lab, L"Do not change Printer");
    ASSERT_TRUE(FormToProfile(form, false).ok);
    form.ip = {AddressFill::Complete, {10, 1, 0, 5}};  // now the first pair's address
    const FormResult taken = FormToProfile(form, false);
    EXPECT_FALSE(taken.ok);
    EXPECT_EQ(taken.extrasProblem, ExtrasProblem::AddressTaken);
    form.dhcpIp = true;  // the pairs go with the static address
    const FormResult dhcp = FormToProfile(form, false);
    ASSERT_TRUE(dhcp.ok);
    EXPECT_TRUE(ExtraAddresses(dhcp.profile).empty());
    form.proxy = L"  proxy:8080 ";
    EXPECT_STREQ(FormToProfile(form, false).profile.proxy, L"proxy:8080");
}

TEST(ProfileExtras, OneAddLinePerPairAfterTheSetLine) {
    Profile lab = LabWithExtras();
    std::vector<AddressPair> pairs;
    for (size_t count = 0; count <= 4; ++count) {
        SetExtraAddresses(lab, pairs);
        NetworkTarget target;
        CopyProfileToChanger(lab, target);
        const std::vector<std::wstring> lines = ApplyCommandLines(target);
        ASSERT_EQ(lines.size(), 2 + count);  // set address, the pairs, one DNS line
        EXPECT_TRUE(lines.back().starts_with(L"netsh interface ip set dns"));
        for (size_t i = 0; i < count; ++i) {
            EXPECT_EQ(lines[1 + i], L"netsh interface ip add address name=\"Ethernet\" addr=" +
                                        std::wstring(pairs[i].ip) + L" mask=255.255.0.0");
        }
        pairs.push_back(MakeAddressPair(L"10.5.0." + std::to_wstring(count + 1), L"255.255.0.0"));
    }
    // Pairs left in the target from a static profile never reach a DHCP apply.
    NetworkTarget target;
    CopyProfileToChanger(LabWithExtras(), target);
    target.m_bDhcpIp = true;
    EXPECT_EQ(ApplyCommandLines(target).size(), 2u);
}

TEST(ProfileExtras, ReportNamesTheAddressesTheAdapterLacks) {
    NetworkTarget asked;
    CopyProfileToChanger(LabWithExtras(), asked);
    std::vector<NICs> inventory = {MakeAdapter(2, L"Ethernet")};
    inventory[0].operstatus = 1;
    SetAddresses(inventory[0], L"192.168.10.25", L"255.255.255.0", L"192.168.10.1", L"", L"");
    inventory[0].extra[0] = MakeAddressPair(L"172.16.3.4", L"255.255.255.252");
    inventory[0].extra[1] = MakeAddressPair(L"10.1.0.5", L"255.255.255.0");  // another mask
    const std::vector<CommandResult> results = {
        {ApplyCommandLines(asked)[0], CommandOutcome::Exited, 0}};
    EXPECT_EQ(CheckAddress(asked, inventory), AddressCheck::NotYet);
    const std::wstring text = ApplyReport(asked, inventory, results, kLanguageEnglish);
    EXPECT_NE(text.find(L"gateway 192.168.10.1\nMissing: 10.1.0.5 / 255.255.0.0\n"),
              std::wstring::npos)
        << std::string(text.begin(), text.end());
    // Found in any order among the adapter's addresses: nothing to say.
    inventory[0].extra[3] = MakeAddressPair(L"10.1.0.5", L"255.255.0.0");
    EXPECT_EQ(CheckAddress(asked, inventory), AddressCheck::Took);
    EXPECT_EQ(ApplyReport(asked, inventory, results, kLanguageEnglish), L"");
}

TEST(ProfileExtras, ProxyValuesForEachKindOfProfile) {
    const Profile on = LabWithExtras();
    Profile off = on;
    off.checkproxy = 0;
    const Profile silent = MakeProfile(L"Old", 2, L"Ethernet", true);
    const std::wstring ours = on.proxy;
    const ProxyServerSettings byUs{true, ours, L""};
    const ProxyServerSettings byHand{true, L"other:8080", L""};
    using Memo = ProxyServerPlan::Memo;

    ProxyServerPlan plan = PlanProxyServer(on, std::nullopt, {});
    EXPECT_TRUE(plan.writeEnable && plan.enable && plan.writeServer);
    EXPECT_EQ(plan.server + L" " + plan.bypass, ours + L" *.lab;10.*;<local>");
    EXPECT_EQ(plan.memo, Memo::Remember);
    plan = PlanProxyServer(off, ours, byUs);
    EXPECT_TRUE(plan.writeEnable && !plan.enable && !plan.writeServer);
    EXPECT_EQ(plan.memo, Memo::Forget);
    // Naming nothing: alone it changes nothing; after a profile that turned the proxy on it
    // turns it off, unless the user has set another server since.
    plan = PlanProxyServer(silent, std::nullopt, byHand);
    EXPECT_TRUE(!ChangesProxySettings(plan) && plan.memo == Memo::Keep);
    plan = PlanProxyServer(silent, ours, byUs);
    EXPECT_TRUE(plan.writeEnable && !plan.enable && !plan.writeServer);
    EXPECT_EQ(plan.memo, Memo::Forget);
    plan = PlanProxyServer(silent, ours, byHand);
    EXPECT_TRUE(!ChangesProxySettings(plan) && plan.memo == Memo::Forget);
}

TEST(ProfileExtras, InformationListsEveryAddressCompactly) {
    NICs adapter = MakeAdapter(7, L"Ethernet");
    adapter.operstatus = 1;
    SetAddresses(adapter, L"192.168.1.10", L"255.255.255.0", L"192.168.1.1", L"8.8.8.8",
                 L"0.0.0.0");
    adapter.extra[0] = MakeAddressPair(L"10.0.0.5", L"255.0.0.0");
    EXPECT_EQ(ComposeNicInformation(adapter, false),
              L"[NIC 7] Ethernet\nIP: 192.168.1.10/24\nIP: 10.0.0.5/8\nGateway: 192.168.1.1\n"
              L"DNS1: 8.8.8.8\nDNS2: 0.0.0.0");
}
