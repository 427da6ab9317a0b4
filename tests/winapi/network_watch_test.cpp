// The watch of the adapters against the inventory fixture of tools/run-tests.sh: the far end of
// vorl-lan's veth pair (peer0 in the namespace VORLIP_PEER_NS) holds the gateway address 10.77.1.1
// and plays the router. The test changes that router and puts it back as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/NetworkWatch.h"
#include "platform/TextLog.h"
#include "support/HostCommand.h"
#include "support/FileBytes.h"
#include "win/ScopeExit.h"

namespace {

const AdapterSnapshot* ByName(const std::vector<AdapterSnapshot>& adapters,
                              const std::wstring& name) {
    for (const AdapterSnapshot& adapter : adapters) {
        if (adapter.nicname == name) return &adapter;
    }
    return nullptr;
}

std::wstring Environment(const wchar_t* pszName) {
    wchar_t value[256] = {};
    const DWORD n = ::GetEnvironmentVariableW(pszName, value, 256);
    return n > 0 && n < 256 ? std::wstring(value, n) : std::wstring();
}


// ResolveGatewayMac and how long it took, in milliseconds.
std::pair<std::wstring, ULONGLONG> TimedResolve(const AdapterSnapshot& adapter) {
    const ULONGLONG started = ::GetTickCount64();
    std::wstring mac = ResolveGatewayMac(adapter);
    return {mac, ::GetTickCount64() - started};
}

}  // namespace

// The story of one gateway: the snapshot names it, asking it gives the router's hardware address,
// a new router behind the same address is told apart, and a router that is gone gives "" even
// while the neighbour cache still holds its last address.
TEST(NetworkWatch, AsksTheGatewayAfreshEachTime) {
    const std::wstring peerNs = Environment(L"VORLIP_PEER_NS");
    ASSERT_FALSE(peerNs.empty()) << "VORLIP_PEER_NS names the router's namespace";
    const std::wstring router = L"ip -n " + peerNs + L" ";
    // Whatever happens below, the later tests find the router where the fixture put it.
    win::ScopeExit restore([&] {
        RunHostCommand(router + L"addr replace 10.77.1.1/24 dev peer0");
        RunHostCommand(L"ip neigh flush dev vorl-lan");
    });
    ASSERT_TRUE(RunHostCommand(router + L"link set peer0 address 02:77:00:00:00:01"));
    ASSERT_TRUE(RunHostCommand(L"ip neigh flush dev vorl-lan"));

    const std::vector<AdapterSnapshot> adapters = ReadAdapterSnapshots();
    const AdapterSnapshot* pLan = ByName(adapters, L"vorl-lan");
    const AdapterSnapshot* pWifi = ByName(adapters, L"vorl-wifi");
    ASSERT_NE(pLan, nullptr);
    ASSERT_NE(pWifi, nullptr);
    EXPECT_TRUE(pLan->up);
    EXPECT_EQ(pLan->address, L"10.77.1.10");
    // Wine calls every address a DHCP lease, so addressFromDhcp is a check for Windows.
    EXPECT_EQ(pLan->gateway, L"10.77.1.1");
    EXPECT_GT(pLan->routeMetric, 0u);
    EXPECT_NE(pLan->luid, 0u);
    EXPECT_FALSE(pWifi->up);
    EXPECT_EQ(pWifi->gateway, L"");
    EXPECT_EQ(pLan->cachedGatewayMac, L"") << "nothing has asked the gateway yet";
    // A wired adapter has no SSID, and the WLAN API is not even loaded for it.
    EXPECT_EQ(CurrentSsid(*pLan), L"");
    EXPECT_EQ(::GetModuleHandleW(L"wlanapi.dll"), nullptr);

    auto [mac, ms] = TimedResolve(*pLan);
    EXPECT_EQ(mac, L"02-77-00-00-00-01");
    // What the snapshot holds is only a hint, but it follows what the cache learnt.
    const AdapterSnapshot* pAfter = nullptr;
    const std::vector<AdapterSnapshot> after = ReadAdapterSnapshots();
    ASSERT_NE(pAfter = ByName(after, L"vorl-lan"), nullptr);
    EXPECT_EQ(pAfter->cachedGatewayMac, L"02-77-00-00-00-01");
    EXPECT_NE(pAfter->Fingerprint(), pLan->Fingerprint());
    EXPECT_EQ(pAfter->Fingerprint(), ByName(ReadAdapterSnapshots(), L"vorl-lan")->Fingerprint())
        << "nothing changed between two reads";

    // Asked again once the cache has let the entry go stale, as it will between two asks.
    ASSERT_TRUE(
        RunHostCommand(L"ip neigh replace 10.77.1.1 dev vorl-lan lladdr 02:77:00:00:00:01 "
                       L"nud stale"));
    std::tie(mac, ms) = TimedResolve(*pLan);
    EXPECT_EQ(mac, L"02-77-00-00-00-01");

    // Another router takes the gateway's address.
    ASSERT_TRUE(RunHostCommand(router + L"link set peer0 address 02:77:00:00:00:02"));
    ASSERT_TRUE(RunHostCommand(L"ip neigh flush dev vorl-lan"));
    std::tie(mac, ms) = TimedResolve(*pLan);
    EXPECT_EQ(mac, L"02-77-00-00-00-02");

    // The router is gone; the cache still calls its address reachable, which is no answer.
    ASSERT_TRUE(RunHostCommand(router + L"addr del 10.77.1.1/24 dev peer0"));
    std::tie(mac, ms) = TimedResolve(*pLan);
    EXPECT_EQ(mac, L"");
    EXPECT_LT(ms, 4500u);
    EXPECT_GT(ms, 1500u) << "it was asked more than once";
}

// Registering for change notices works where the system has them, a second start replaces the
// first, and the last registration goes with the object.
TEST(NetworkWatch, ChangeNoticesStartAndStop) {
    const HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    {
        NetworkChangeNotifier notifier;
        EXPECT_TRUE(notifier.Start(hWnd, WM_APP + 7));
        notifier.Stop();
        EXPECT_TRUE(notifier.Start(hWnd, WM_APP + 7));
    }
    ::DestroyWindow(hWnd);
}

// The log as a user opens it: one line per entry with the local time in front, in UTF-8, and
// past its limit the older half gone while the entry just written is there.
TEST(NetworkWatch, LogKeepsItsNewerHalfAndTheNewLine) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring path =
        std::wstring(temp) + L"vorlip-log-" + std::to_wstring(::GetCurrentProcessId()) + L".log";
    ::DeleteFileW(path.c_str());
    win::ScopeExit remove([&] { ::DeleteFileW(path.c_str()); });

    platform::AppendLogLine(path, L"applied \u00bbHome\u00ab to vorl-lan", 1000);
    std::string text = ReadFileBytes(path);
    ASSERT_EQ(text.size(), 20u + 30u) << text;
    // "2026-12-09 21:30:05 "
    for (size_t i : {4u, 7u}) EXPECT_EQ(text[i], '-');
    for (size_t i : {13u, 16u}) EXPECT_EQ(text[i], ':');
    EXPECT_EQ(text.substr(19), " applied \xc2\xbbHome\xc2\xab to vorl-lan\r\n");

    for (int i = 0; i < 60; ++i) {
        platform::AppendLogLine(path, L"entry " + std::to_wstring(i) + L"\r\nsecond line", 1000);
    }
    text = ReadFileBytes(path);
    EXPECT_LE(text.size(), 1000u + 60u);
    EXPECT_EQ(text.find("applied"), std::string::npos) << "the oldest entry went";
    EXPECT_NE(text.find(" entry 59  second line\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.rfind("\r\n", text.size() - 3) + 2 + 20, text.rfind("entry 59"));

    // A log in a folder that does not exist is no failure of the caller.
    platform::AppendLogLine(std::wstring(temp) + L"no-such-folder\\x.log", L"lost", 1000);
}
