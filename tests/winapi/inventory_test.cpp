// The adapter inventory against real interfaces: the test runner starts this program under Wine
// inside a network namespace that tools/run-tests.sh builds with tools/rig/netns.sh (names, MACs
// and addresses below are that fixture's).
#include <winsock2.h>
#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/CommandLineRun.h"
#include "config/ConfigKeys.h"
#include "net/IPHelper.h"
#include "platform/ConfigurationFile.h"

namespace {

struct Inventory {
    IPHelper helper;
    std::vector<std::wstring> messages;
    int count = -1;
    IPHelper::PassResult second = IPHelper::PassResult::Ok;

    Inventory() {
        helper.SetReporter([this](const std::wstring& text) { messages.push_back(text); });
    }
    void Build() {
        ASSERT_TRUE(helper.IPH_GetInterfaceInfo(count));
        second = helper.IPH_GetCurrentInterfaces();
        helper.IPH_GetAdaptersInfo();
    }
    const NICs* ByName(const std::wstring& name) const {
        for (int i = 0; i < helper.m_nCount; ++i) {
            if (name == helper.m_pNICs[i].nicname) return &helper.m_pNICs[i];
        }
        return nullptr;
    }
};

const std::wstring kInterfacesKey =
    L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";

void SetNameServer(const NICs& record, const wchar_t* pszValue) {
    const std::wstring path = kInterfacesKey + record.adaptername;
    if (!pszValue) {
        ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, path.c_str());
        return;
    }
    HKEY hKey = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(hKey, L"NameServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(pszValue),
                     static_cast<DWORD>((wcslen(pszValue) + 1) * sizeof(wchar_t)));
    ::RegCloseKey(hKey);
}

}  // namespace

TEST(Inventory, ListsTheNamespaceAdaptersWithTheirSettings) {
    Inventory inv;
    inv.Build();
    EXPECT_TRUE(inv.messages.empty());
    EXPECT_EQ(inv.second, IPHelper::PassResult::Ok);
    ASSERT_EQ(inv.count, 2);
    ASSERT_EQ(inv.helper.m_nCount, 2);
    // Inventory order is GetInterfaceInfo's order: the LAN link was created first.
    EXPECT_STREQ(inv.helper.m_pNICs[0].nicname, L"vorl-lan");
    EXPECT_STREQ(inv.helper.m_pNICs[1].nicname, L"vorl-wifi");

    const NICs& lan = inv.helper.m_pNICs[0];
    EXPECT_STREQ(lan.macaddress, L"00-1a-2b-3c-4d-5e");
    EXPECT_STREQ(lan.ip, L"10.77.1.10");
    EXPECT_STREQ(lan.subnet, L"255.255.255.0");
    EXPECT_STREQ(lan.gateway, L"10.77.1.1");
    EXPECT_EQ(lan.dnscount, 2);
    EXPECT_STREQ(lan.dns, L"10.77.1.53");
    EXPECT_STREQ(lan.dns2, L"10.77.1.54");
    EXPECT_EQ(lan.operstatus, 1);
    EXPECT_EQ(lan.hasunicast, 1);

    const NICs& wifi = inv.helper.m_pNICs[1];
    EXPECT_STREQ(wifi.macaddress, L"02-00-00-00-00-02");
    EXPECT_STREQ(wifi.ip, L"10.77.2.20");
    EXPECT_STREQ(wifi.subnet, L"255.255.0.0");
    EXPECT_NE(wifi.operstatus, 1);

    for (int i = 0; i < inv.helper.m_nCount; ++i) {
        const NICs& rec = inv.helper.m_pNICs[i];
        EXPECT_EQ(rec.metric, 1);
        EXPECT_STREQ(rec.title, L"");
        EXPECT_GT(rec.nic, 0);
        EXPECT_EQ(rec.adaptername[0], L'{') << "adapter names are GUIDs";
        // Profile-only fields stay empty in an adapter record.
        EXPECT_STREQ(rec.printer, L"");
        EXPECT_STREQ(rec.autoconf, L"");
    }
}

TEST(Inventory, RebuildReplacesTheArrayWhole) {
    Inventory inv;
    inv.Build();
    ASSERT_EQ(inv.helper.m_nCount, 2);
    const NICs first = inv.helper.m_pNICs[0];
    inv.Build();
    ASSERT_EQ(inv.helper.m_nCount, 2);
    EXPECT_EQ(std::memcmp(&first, &inv.helper.m_pNICs[0], sizeof(NICs)), 0);
}

TEST(Inventory, NameServerValueDecidesWhetherDnsIsAutomatic) {
    Inventory inv;
    inv.Build();
    ASSERT_GE(inv.helper.m_nCount, 1);
    const NICs lan = inv.helper.m_pNICs[0];

    SetNameServer(lan, L"");
    EXPECT_EQ(IPHelper::IPH_IsDnsAutomatic(lan), 1);
    SetNameServer(lan, L"10.77.1.53,10.77.1.54");
    EXPECT_EQ(IPHelper::IPH_IsDnsAutomatic(lan), 0);
    SetNameServer(lan, nullptr);
    EXPECT_EQ(IPHelper::IPH_IsDnsAutomatic(lan), 0);

    // A value too long for the 1024-byte buffer counts as "not automatic".
    const std::wstring huge(700, L'1');
    SetNameServer(lan, huge.c_str());
    EXPECT_EQ(IPHelper::IPH_IsDnsAutomatic(lan), 0);

    // The second pass reads the flag for every adapter.
    SetNameServer(lan, L"");
    inv.Build();
    EXPECT_EQ(inv.ByName(L"vorl-lan")->dhcpdns, 1);
    EXPECT_EQ(inv.ByName(L"vorl-wifi")->dhcpdns, 0);
    SetNameServer(lan, nullptr);
}

TEST(Inventory, SecondPassNeverEndsSilently) {
    Inventory inv;
    int count = 0;
    ASSERT_TRUE(inv.helper.IPH_GetInterfaceInfo(count));
    int calls = 0;
    inv.helper.SetAddressesQuery([&calls](void*, ULONG* pcbSize) -> ULONG {
        ++calls;
        *pcbSize += 1000;  // an adapter appeared while we asked
        return ERROR_BUFFER_OVERFLOW;
    });
    EXPECT_EQ(inv.helper.IPH_GetCurrentInterfaces(), IPHelper::PassResult::FatalError);
    EXPECT_EQ(calls, 3);
    ASSERT_EQ(inv.messages.size(), 1u);
    EXPECT_FALSE(inv.messages[0].empty()) << "the system's error text is shown";
}

TEST(Inventory, SecondPassWithoutDataLeavesTheRecordsAsTheyWere) {
    Inventory inv;
    int count = 0;
    ASSERT_TRUE(inv.helper.IPH_GetInterfaceInfo(count));
    inv.helper.SetAddressesQuery([](void*, ULONG*) -> ULONG { return ERROR_NO_DATA; });
    EXPECT_EQ(inv.helper.IPH_GetCurrentInterfaces(), IPHelper::PassResult::Ok);
    // An error code the system has no text for is ignored the same way.
    inv.helper.SetAddressesQuery([](void*, ULONG*) -> ULONG { return 0x2000ABCDu; });
    EXPECT_EQ(inv.helper.IPH_GetCurrentInterfaces(), IPHelper::PassResult::Ok);
    EXPECT_TRUE(inv.messages.empty());
    EXPECT_STREQ(inv.helper.m_pNICs[0].nicname, L"");
}

TEST(Inventory, InterfacesUnknownToTheFirstPassAreIgnored) {
    Inventory inv;
    int count = 0;
    ASSERT_TRUE(inv.helper.IPH_GetInterfaceInfo(count));
    std::vector<NICs> before(inv.helper.m_pNICs, inv.helper.m_pNICs + inv.helper.m_nCount);
    inv.helper.SetAddressesQuery([](void* pBuffer, ULONG* pcbSize) -> ULONG {
        if (*pcbSize < sizeof(IP_ADAPTER_ADDRESSES)) return ERROR_BUFFER_OVERFLOW;
        auto* pEntry = static_cast<IP_ADAPTER_ADDRESSES*>(pBuffer);
        std::memset(pEntry, 0, sizeof(*pEntry));
        pEntry->IfIndex = 0x7FFF;
        pEntry->FriendlyName = const_cast<PWCHAR>(L"ghost");
        return NO_ERROR;
    });
    EXPECT_EQ(inv.helper.IPH_GetCurrentInterfaces(), IPHelper::PassResult::Ok);
    for (int i = 0; i < inv.helper.m_nCount; ++i) {
        EXPECT_EQ(std::memcmp(&before[i], &inv.helper.m_pNICs[i], sizeof(NICs)), 0);
    }
}

// Wine's IP helper cannot be made to fail, so the queries stand in: `/apply` that cannot read
// the adapters says so in the file's language and ends with its own code before any command,
// whichever pass fails; the process is not ended under it (it once ended with the code of a bad
// command line).
TEST(Inventory, ACommandLineRunThatCannotReadTheAdaptersEndsWithItsOwnCode) {
    const std::wstring ini = platform::ConfigurationPath(kConfigFileName);
    const std::string text =
        "[Lab]\r\nnic=2\r\nnicname=vorl-lan\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n"
        "[VorlIP_Basic_Information]\r\nlanguage=jpn\r\nchangeforce=true\r\n";
    HANDLE hFile = ::CreateFileW(ini.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    DWORD cbWritten = 0;
    ::WriteFile(hFile, text.data(), static_cast<DWORD>(text.size()), &cbWritten, nullptr);
    ::CloseHandle(hFile);

    for (const bool bFirstPass : {true, false}) {
        IPHelper helper;
        if (bFirstPass) {
            helper.SetInterfaceQuery([](void*, ULONG*) -> DWORD { return ERROR_ACCESS_DENIED; });
        } else {
            helper.SetAddressesQuery([](void*, ULONG*) -> ULONG { return ERROR_ACCESS_DENIED; });
        }
        std::vector<std::wstring> messages;
        const auto tell = [&messages](const std::wstring& message) { messages.push_back(message); };
        EXPECT_EQ(ApplyStoredProfile(L"Lab", tell, helper), kExitAdaptersUnreadable);
        ASSERT_EQ(messages.size(), 2u) << "the system's reason, then the conclusion";
        EXPECT_EQ(messages[1], L"ネットワークアダプターを読めないため、何も変更しませんでした。");
    }
    ::DeleteFileW(ini.c_str());
}

TEST(EmptyInventory, ZeroAdaptersIsAnEmptyInventoryNotAFailure) {
    Inventory inv;
    inv.Build();
    EXPECT_EQ(inv.count, 0);
    EXPECT_EQ(inv.helper.m_nCount, 0);
    EXPECT_TRUE(inv.messages.empty());
}

// With every adapter disabled the first query answers "no data": an empty inventory after a
// full one, without a message, like a machine that has no adapters.
TEST(Inventory, AllAdaptersDisabledIsAnEmptyInventory) {
    Inventory inv;
    inv.Build();
    ASSERT_GT(inv.helper.m_nCount, 0);
    inv.helper.SetInterfaceQuery([](void*, ULONG*) -> DWORD { return ERROR_NO_DATA; });
    inv.helper.SetAddressesQuery([](void*, ULONG*) -> ULONG { return ERROR_NO_DATA; });
    inv.Build();
    EXPECT_EQ(inv.count, 0);
    EXPECT_EQ(inv.helper.m_nCount, 0);
    EXPECT_TRUE(inv.messages.empty());
}
