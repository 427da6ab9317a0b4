#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <icmpapi.h>
#include <wlanapi.h>

#include "net/NetworkWatch.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "net/AddressText.h"
#include "platform/CodePage.h"
#include "win/AddressInput.h"

namespace {

constexpr ULONG kFirstAddressesBufferSize = 15000;
constexpr int kAddressesAttempts = 3;
constexpr int kResolveTries = 3;
constexpr DWORD kResolveTryMs = 1000;
constexpr DWORD kWlanClientVersion = 2;  // Vista and later

using IcmpSendEcho2ExFn = DWORD(WINAPI*)(HANDLE, HANDLE, FARPROC, PVOID, IPAddr, IPAddr, LPVOID,
                                         WORD, PIP_OPTION_INFORMATION, LPVOID, DWORD, DWORD);
using GetIpForwardTable2Fn = NETIO_STATUS(WINAPI*)(ADDRESS_FAMILY, PMIB_IPFORWARD_TABLE2*);
using GetIpNetTable2Fn = NETIO_STATUS(WINAPI*)(ADDRESS_FAMILY, PMIB_IPNET_TABLE2*);
using FreeMibTableFn = VOID(WINAPI*)(PVOID);
using ResolveIpNetEntry2Fn = NETIO_STATUS(WINAPI*)(PMIB_IPNET_ROW2, const SOCKADDR_INET*);
using NotifyIpInterfaceChangeFn = NETIO_STATUS(WINAPI*)(ADDRESS_FAMILY,
                                                        PIPINTERFACE_CHANGE_CALLBACK, PVOID,
                                                        BOOLEAN, HANDLE*);
using NotifyUnicastIpAddressChangeFn = NETIO_STATUS(WINAPI*)(ADDRESS_FAMILY,
                                                             PUNICAST_IPADDRESS_CHANGE_CALLBACK,
                                                             PVOID, BOOLEAN, HANDLE*);
using NotifyRouteChange2Fn = NETIO_STATUS(WINAPI*)(ADDRESS_FAMILY, PIPFORWARD_CHANGE_CALLBACK,
                                                   PVOID, BOOLEAN, HANDLE*);
using CancelMibChangeNotify2Fn = NETIO_STATUS(WINAPI*)(HANDLE);

using WlanOpenHandleFn = DWORD(WINAPI*)(DWORD, PVOID, PDWORD, PHANDLE);
using WlanCloseHandleFn = DWORD(WINAPI*)(HANDLE, PVOID);
using WlanQueryInterfaceFn = DWORD(WINAPI*)(HANDLE, const GUID*, WLAN_INTF_OPCODE, PVOID, PDWORD,
                                            PVOID*, PWLAN_OPCODE_VALUE_TYPE);
using WlanFreeMemoryFn = VOID(WINAPI*)(PVOID);

template <class Fn>
Fn Resolve(HMODULE hModule, const char* pszName) {
    return hModule
               ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)))
               : nullptr;
}

// The IP helper's newer functions, each null where the system lacks it: Wine has no
// ResolveIpNetEntry2, older systems lack more. A plain (delay-loaded) call of a missing one would
// end the program at that call instead.
struct IpHelperFunctions {
    GetIpForwardTable2Fn pGetIpForwardTable2 = nullptr;
    GetIpNetTable2Fn pGetIpNetTable2 = nullptr;
    FreeMibTableFn pFreeMibTable = nullptr;
    ResolveIpNetEntry2Fn pResolveIpNetEntry2 = nullptr;
    IcmpSendEcho2ExFn pIcmpSendEcho2Ex = nullptr;
    NotifyIpInterfaceChangeFn pNotifyIpInterfaceChange = nullptr;
    NotifyUnicastIpAddressChangeFn pNotifyUnicastIpAddressChange = nullptr;
    NotifyRouteChange2Fn pNotifyRouteChange2 = nullptr;
    CancelMibChangeNotify2Fn pCancelMibChangeNotify2 = nullptr;

    IpHelperFunctions() {
        // The system folder's copy, the same module the delay-load helper gives the plain calls.
        const HMODULE h = ::LoadLibraryExW(L"iphlpapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        pGetIpForwardTable2 = Resolve<GetIpForwardTable2Fn>(h, "GetIpForwardTable2");
        pGetIpNetTable2 = Resolve<GetIpNetTable2Fn>(h, "GetIpNetTable2");
        pFreeMibTable = Resolve<FreeMibTableFn>(h, "FreeMibTable");
        pResolveIpNetEntry2 = Resolve<ResolveIpNetEntry2Fn>(h, "ResolveIpNetEntry2");
        pIcmpSendEcho2Ex = Resolve<IcmpSendEcho2ExFn>(h, "IcmpSendEcho2Ex");
        pNotifyIpInterfaceChange = Resolve<NotifyIpInterfaceChangeFn>(h, "NotifyIpInterfaceChange");
        pNotifyUnicastIpAddressChange =
            Resolve<NotifyUnicastIpAddressChangeFn>(h, "NotifyUnicastIpAddressChange");
        pNotifyRouteChange2 = Resolve<NotifyRouteChange2Fn>(h, "NotifyRouteChange2");
        pCancelMibChangeNotify2 = Resolve<CancelMibChangeNotify2Fn>(h, "CancelMibChangeNotify2");
        if (!pFreeMibTable) {
            pGetIpForwardTable2 = nullptr;
            pGetIpNetTable2 = nullptr;
        }
        if (!pCancelMibChangeNotify2) {
            pNotifyIpInterfaceChange = nullptr;
            pNotifyUnicastIpAddressChange = nullptr;
            pNotifyRouteChange2 = nullptr;
        }
    }
};

const IpHelperFunctions& IpHelper() {
    static const IpHelperFunctions s_functions;
    return s_functions;
}

// A table from GetIpForwardTable2/GetIpNetTable2, freed with FreeMibTable on every path.
template <class Table>
class MibTable {
public:
    MibTable() = default;
    ~MibTable() {
        if (m_p) IpHelper().pFreeMibTable(m_p);
    }
    MibTable(const MibTable&) = delete;
    MibTable& operator=(const MibTable&) = delete;
    Table** Out() { return &m_p; }
    const Table* Get() const { return m_p; }

private:
    Table* m_p = nullptr;
};

bool OnInterface(const NET_LUID& rowLuid, NET_IFINDEX rowIndex, const AdapterSnapshot& adapter) {
    return adapter.luid != 0 ? rowLuid.Value == adapter.luid
                             : rowIndex == static_cast<NET_IFINDEX>(adapter.ifIndex);
}

std::wstring Ipv4Text(const IN_ADDR& address) {
    uint8_t bytes[4];
    std::memcpy(bytes, &address, 4);
    return FormatDottedQuad(bytes);
}

bool ParseIpv4(const std::wstring& text, IN_ADDR& address) {
    uint8_t bytes[4];
    if (text.empty() || !ParseDottedQuad(text, bytes)) return false;
    std::memcpy(&address, bytes, 4);
    return true;
}

bool NonZeroMac(const UCHAR* pBytes, ULONG nLength) {
    return nLength > 0 && std::any_of(pBytes, pBytes + nLength, [](UCHAR b) { return b != 0; });
}

std::wstring SockaddrIpv4(const SOCKET_ADDRESS& address) {
    if (!address.lpSockaddr || address.lpSockaddr->sa_family != AF_INET) return {};
    return Ipv4Text(reinterpret_cast<const sockaddr_in*>(address.lpSockaddr)->sin_addr);
}

// What one adapter's reading needs besides the snapshot: its interface metric, and whether the
// gateway came from the route table (which then overrides the adapter's own gateway list).
struct Reading {
    AdapterSnapshot snapshot;
    uint32_t interfaceMetric = 0;
    bool routeFound = false;
    uint32_t routeOwnMetric = 0;
};

// The default routes: each adapter's IPv4 default route of lowest metric gives its gateway and
// metric; any IPv6 default route on it is noted.
void ReadDefaultRoutes(std::vector<Reading>& readings) {
    const auto pGetTable = IpHelper().pGetIpForwardTable2;
    if (!pGetTable) return;
    MibTable<MIB_IPFORWARD_TABLE2> v4;
    if (pGetTable(AF_INET, v4.Out()) == NO_ERROR && v4.Get()) {
        for (ULONG i = 0; i < v4.Get()->NumEntries; ++i) {
            const MIB_IPFORWARD_ROW2& row = v4.Get()->Table[i];
            // An on-link default route (a dial-up or VPN link) has no gateway to ask.
            if (row.DestinationPrefix.PrefixLength != 0 || row.NextHop.si_family != AF_INET ||
                row.NextHop.Ipv4.sin_addr.s_addr == 0) {
                continue;
            }
            for (Reading& r : readings) {
                if (!OnInterface(row.InterfaceLuid, row.InterfaceIndex, r.snapshot)) continue;
                if (r.routeFound && row.Metric >= r.routeOwnMetric) continue;
                r.routeFound = true;
                r.routeOwnMetric = row.Metric;
                r.snapshot.gateway = Ipv4Text(row.NextHop.Ipv4.sin_addr);
            }
        }
    }
    MibTable<MIB_IPFORWARD_TABLE2> v6;
    if (pGetTable(AF_INET6, v6.Out()) == NO_ERROR && v6.Get()) {
        for (ULONG i = 0; i < v6.Get()->NumEntries; ++i) {
            const MIB_IPFORWARD_ROW2& row = v6.Get()->Table[i];
            if (row.DestinationPrefix.PrefixLength != 0) continue;
            for (Reading& r : readings) {
                if (OnInterface(row.InterfaceLuid, row.InterfaceIndex, r.snapshot)) {
                    r.snapshot.ipv6DefaultRoute = true;
                }
            }
        }
    }
}

// The hardware address the neighbour cache holds now for each adapter's gateway, in whatever
// state: a hint that the network may have changed, read without sending anything.
void ReadCachedGatewayMacs(std::vector<Reading>& readings) {
    const auto pGetTable = IpHelper().pGetIpNetTable2;
    if (!pGetTable) return;
    MibTable<MIB_IPNET_TABLE2> table;
    if (pGetTable(AF_INET, table.Out()) != NO_ERROR || !table.Get()) return;
    for (Reading& r : readings) {
        IN_ADDR gateway = {};
        if (!ParseIpv4(r.snapshot.gateway, gateway)) continue;
        for (ULONG i = 0; i < table.Get()->NumEntries; ++i) {
            const MIB_IPNET_ROW2& row = table.Get()->Table[i];
            if (row.Address.si_family != AF_INET ||
                row.Address.Ipv4.sin_addr.s_addr != gateway.s_addr ||
                !OnInterface(row.InterfaceLuid, row.InterfaceIndex, r.snapshot) ||
                !NonZeroMac(row.PhysicalAddress, row.PhysicalAddressLength)) {
                continue;
            }
            r.snapshot.cachedGatewayMac =
                FormatMacAddress(row.PhysicalAddress, row.PhysicalAddressLength);
            break;
        }
    }
}

// The reachable entry the neighbour table holds for gateway on the adapter, "" when none.
std::wstring ReachableNeighbour(const AdapterSnapshot& adapter, const IN_ADDR& gateway) {
    const auto pGetTable = IpHelper().pGetIpNetTable2;
    if (!pGetTable) return {};
    MibTable<MIB_IPNET_TABLE2> table;
    if (pGetTable(AF_INET, table.Out()) != NO_ERROR || !table.Get()) return {};
    for (ULONG i = 0; i < table.Get()->NumEntries; ++i) {
        const MIB_IPNET_ROW2& row = table.Get()->Table[i];
        if (row.Address.si_family == AF_INET &&
            row.Address.Ipv4.sin_addr.s_addr == gateway.s_addr &&
            OnInterface(row.InterfaceLuid, row.InterfaceIndex, adapter) &&
            row.State == NlnsReachable &&
            NonZeroMac(row.PhysicalAddress, row.PhysicalAddressLength)) {
            return FormatMacAddress(row.PhysicalAddress, row.PhysicalAddressLength);
        }
    }
    return {};
}

// One fresh neighbour resolution on the adapter: the system flushes its entry and asks again.
std::wstring ResolveOnce(const AdapterSnapshot& adapter, const IN_ADDR& gateway) {
    MIB_IPNET_ROW2 row = {};
    row.Address.Ipv4.sin_family = AF_INET;
    row.Address.Ipv4.sin_addr = gateway;
    row.InterfaceLuid.Value = adapter.luid;
    row.InterfaceIndex = static_cast<NET_IFINDEX>(adapter.ifIndex);
    if (IpHelper().pResolveIpNetEntry2(&row, nullptr) != NO_ERROR) return {};
    // A permanent entry is one an administrator set on purpose; it is as good as an answer.
    if (row.State != NlnsReachable && row.State != NlnsPermanent) return {};
    if (!NonZeroMac(row.PhysicalAddress, row.PhysicalAddressLength)) return {};
    return FormatMacAddress(row.PhysicalAddress, row.PhysicalAddressLength);
}

// Where the system cannot resolve on request (Wine), one echo from the adapter's own address:
// only a gateway that replied, and whose neighbour entry on this adapter is reachable now, counts.
// The reply alone could come through another route; the entry alone may be left from before.
std::wstring EchoAndReadNeighbour(HANDLE hIcmp, const AdapterSnapshot& adapter,
                                  const IN_ADDR& gateway) {
    const auto pSend = IpHelper().pIcmpSendEcho2Ex;
    if (!pSend || hIcmp == INVALID_HANDLE_VALUE) return {};
    IN_ADDR source = {};
    ParseIpv4(adapter.address, source);
    char request[8] = {'v', 'o', 'r', 'l', 'i', 'p', 0, 0};
    // Room for one reply with its data and an ICMP error's payload, as the function asks.
    unsigned char reply[sizeof(ICMP_ECHO_REPLY) + sizeof(request) + 8 + 64] = {};
    const DWORD nReplies =
        pSend(hIcmp, nullptr, nullptr, nullptr, source.s_addr, gateway.s_addr, request,
              sizeof(request), nullptr, reply, sizeof(reply), kResolveTryMs);
    if (nReplies == 0) return {};
    ICMP_ECHO_REPLY first;
    std::memcpy(&first, reply, sizeof(first));
    if (first.Status != IP_SUCCESS || first.Address != gateway.s_addr) return {};
    return ReachableNeighbour(adapter, gateway);
}

// The WLAN API, loaded from the system folder at the first question and kept open until the
// program ends. Never imported: a wlanapi.dll beside the program must not be loaded.
class Wlan {
public:
    ~Wlan() {
        if (m_hClient && m_pClose) m_pClose(m_hClient, nullptr);
    }
    std::wstring Ssid(const GUID& interfaceGuid) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!Open()) return {};
        DWORD cbData = 0;
        void* pData = nullptr;
        if (m_pQuery(m_hClient, &interfaceGuid, wlan_intf_opcode_current_connection, nullptr,
                     &cbData, &pData, nullptr) != ERROR_SUCCESS ||
            !pData) {
            return {};
        }
        std::wstring ssid;
        const auto* pConnection = static_cast<const WLAN_CONNECTION_ATTRIBUTES*>(pData);
        if (cbData >= sizeof(WLAN_CONNECTION_ATTRIBUTES) &&
            pConnection->isState == wlan_interface_state_connected) {
            const DOT11_SSID& raw = pConnection->wlanAssociationAttributes.dot11Ssid;
            ssid = SsidText(raw.ucSSID, std::min<ULONG>(raw.uSSIDLength, DOT11_SSID_MAX_LENGTH));
        }
        m_pFree(pData);
        return ssid;
    }

private:
    bool Open() {
        if (m_hClient) return true;
        if (!m_hModule) {
            m_hModule = ::LoadLibraryExW(L"wlanapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
            m_pOpen = Resolve<WlanOpenHandleFn>(m_hModule, "WlanOpenHandle");
            m_pClose = Resolve<WlanCloseHandleFn>(m_hModule, "WlanCloseHandle");
            m_pQuery = Resolve<WlanQueryInterfaceFn>(m_hModule, "WlanQueryInterface");
            m_pFree = Resolve<WlanFreeMemoryFn>(m_hModule, "WlanFreeMemory");
        }
        if (!m_pOpen || !m_pClose || !m_pQuery || !m_pFree) return false;
        // Without the WLAN service (a desktop without wireless) this fails; a later question
        // tries again, as the service may have been started since.
        DWORD dwVersion = 0;
        HANDLE hClient = nullptr;
        if (m_pOpen(kWlanClientVersion, nullptr, &dwVersion, &hClient) != ERROR_SUCCESS) {
            return false;
        }
        m_hClient = hClient;
        return true;
    }

    // An SSID is bytes; nearly always UTF-8, else taken in the ANSI code page.
    static std::wstring SsidText(const UCHAR* pBytes, ULONG nLength) {
        if (nLength == 0) return {};
        const char* p = reinterpret_cast<const char*>(pBytes);
        const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, p,
                                            static_cast<int>(nLength), nullptr, 0);
        if (n > 0) {
            std::wstring text(static_cast<size_t>(n), L'\0');
            ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, p, static_cast<int>(nLength),
                                  text.data(), n);
            return text;
        }
        return platform::AnsiToWide(std::string(p, nLength));
    }

    std::mutex m_mutex;
    HMODULE m_hModule = nullptr;
    WlanOpenHandleFn m_pOpen = nullptr;
    WlanCloseHandleFn m_pClose = nullptr;
    WlanQueryInterfaceFn m_pQuery = nullptr;
    WlanFreeMemoryFn m_pFree = nullptr;
    HANDLE m_hClient = nullptr;
};

}  // namespace

std::wstring AdapterSnapshot::Fingerprint() const {
    std::wstring text;
    const auto add = [&text](const std::wstring& field) {
        text += field;
        text += L'|';
    };
    add(std::to_wstring(ifIndex));
    add(std::to_wstring(luid));
    add(nicname);
    add(adapterName);
    add(up ? L"up" : L"down");
    add(wireless ? L"wireless" : L"wired");
    add(dhcpEnabled ? L"dhcp" : L"static");
    add(address);
    add(addressFromDhcp ? L"lease" : L"set");
    add(gateway);
    add(std::to_wstring(routeMetric));
    add(ipv6DefaultRoute ? L"v6" : L"no-v6");
    add(dnsSuffix);
    add(cachedGatewayMac);
    return text;
}

std::vector<AdapterSnapshot> ReadAdapterSnapshots() {
    // Names, state, addresses and gateways without the DNS servers and the multicast and
    // anycast lists nobody here reads.
    constexpr ULONG kFlags = GAA_FLAG_INCLUDE_GATEWAYS | GAA_FLAG_SKIP_ANYCAST |
                             GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    ULONG cbSize = kFirstAddressesBufferSize;
    std::vector<unsigned char> buffer;
    ULONG dwResult = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < kAddressesAttempts && dwResult == ERROR_BUFFER_OVERFLOW;
         ++attempt) {
        buffer.assign(cbSize, 0);
        dwResult =
            ::GetAdaptersAddresses(AF_INET, kFlags, nullptr,
                                   reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &cbSize);
    }
    if (dwResult != NO_ERROR) return {};

    std::vector<Reading> readings;
    for (const auto* pEntry = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); pEntry;
         pEntry = pEntry->Next) {
        if (pEntry->IfType == IF_TYPE_SOFTWARE_LOOPBACK) continue;
        Reading r;
        AdapterSnapshot& s = r.snapshot;
        s.ifIndex = static_cast<int32_t>(pEntry->IfIndex);
        s.luid = pEntry->Luid.Value;
        s.nicname = pEntry->FriendlyName ? pEntry->FriendlyName : L"";
        s.adapterName = WidenAscii(pEntry->AdapterName ? pEntry->AdapterName : "");
        s.up = pEntry->OperStatus == IfOperStatusUp;
        s.wireless = pEntry->IfType == IF_TYPE_IEEE80211;
        s.dhcpEnabled = (pEntry->Flags & IP_ADAPTER_DHCP_ENABLED) != 0;
        for (const IP_ADAPTER_UNICAST_ADDRESS* pAddress = pEntry->FirstUnicastAddress; pAddress;
             pAddress = pAddress->Next) {
            const std::wstring text = SockaddrIpv4(pAddress->Address);
            if (text.empty()) continue;
            s.address = text;
            s.addressFromDhcp = pAddress->PrefixOrigin == IpPrefixOriginDhcp;
            break;
        }
        s.dnsSuffix = pEntry->DnsSuffix ? pEntry->DnsSuffix : L"";
        // Where the route table cannot be read, the adapter's own list of gateways stands in.
        for (const IP_ADAPTER_GATEWAY_ADDRESS_LH* pGateway = pEntry->FirstGatewayAddress;
             pGateway && s.gateway.empty(); pGateway = pGateway->Next) {
            s.gateway = SockaddrIpv4(pGateway->Address);
        }
        r.interfaceMetric = pEntry->Ipv4Metric;
        readings.push_back(std::move(r));
    }

    ReadDefaultRoutes(readings);
    ReadCachedGatewayMacs(readings);

    std::vector<AdapterSnapshot> snapshots;
    snapshots.reserve(readings.size());
    for (Reading& r : readings) {
        if (!r.snapshot.gateway.empty()) {
            r.snapshot.routeMetric = r.interfaceMetric + (r.routeFound ? r.routeOwnMetric : 0);
        }
        snapshots.push_back(std::move(r.snapshot));
    }
    return snapshots;
}

std::wstring ResolveGatewayMac(const AdapterSnapshot& adapter) {
    IN_ADDR gateway = {};
    if (!ParseIpv4(adapter.gateway, gateway)) return {};
    const bool bResolve = IpHelper().pResolveIpNetEntry2 != nullptr;
    const HANDLE hIcmp = bResolve ? INVALID_HANDLE_VALUE : ::IcmpCreateFile();
    std::wstring mac;
    for (int i = 0; i < kResolveTries && mac.empty(); ++i) {
        const ULONGLONG started = ::GetTickCount64();
        mac = bResolve ? ResolveOnce(adapter, gateway)
                       : EchoAndReadNeighbour(hIcmp, adapter, gateway);
        // A quick refusal (no route yet, the adapter just came up) is tried again a moment
        // later rather than three times at once.
        const ULONGLONG elapsed = ::GetTickCount64() - started;
        if (mac.empty() && i + 1 < kResolveTries && elapsed < kResolveTryMs) {
            ::Sleep(static_cast<DWORD>(kResolveTryMs - elapsed));
        }
    }
    if (hIcmp != INVALID_HANDLE_VALUE) ::IcmpCloseHandle(hIcmp);
    return mac;
}

std::wstring CurrentSsid(const AdapterSnapshot& adapter) {
    if (!adapter.wireless) return {};
    GUID guid = {};
    NET_LUID luid = {};
    luid.Value = adapter.luid;
    if (::ConvertInterfaceLuidToGuid(&luid, &guid) != NO_ERROR) return {};
    static Wlan s_wlan;
    return s_wlan.Ssid(guid);
}

// Each callback only posts: it runs on a thread of the system's, which must not be held up and
// must not cancel its own registration.
template <class Row, class Kind>
VOID WINAPI NetworkChangeNotifier::OnChange(PVOID pContext, Row*, Kind) {
    const auto* pNotifier = static_cast<const NetworkChangeNotifier*>(pContext);
    ::PostMessageW(pNotifier->m_hWnd, pNotifier->m_uMessage, 0, 0);
}

NetworkChangeNotifier::~NetworkChangeNotifier() {
    Stop();
}

bool NetworkChangeNotifier::Start(HWND window, UINT message) {
    Stop();
    m_hWnd = window;
    m_uMessage = message;
    const IpHelperFunctions& f = IpHelper();
    void* pContext = this;
    bool bAny = false;
    if (f.pNotifyIpInterfaceChange &&
        f.pNotifyIpInterfaceChange(AF_INET, OnChange<MIB_IPINTERFACE_ROW, MIB_NOTIFICATION_TYPE>,
                                   pContext, FALSE, &m_handles[0]) == NO_ERROR) {
        bAny = true;
    }
    if (f.pNotifyUnicastIpAddressChange &&
        f.pNotifyUnicastIpAddressChange(AF_INET,
                                        OnChange<MIB_UNICASTIPADDRESS_ROW, MIB_NOTIFICATION_TYPE>,
                                        pContext, FALSE, &m_handles[1]) == NO_ERROR) {
        bAny = true;
    }
    if (f.pNotifyRouteChange2 &&
        f.pNotifyRouteChange2(AF_INET, OnChange<MIB_IPFORWARD_ROW2, MIB_NOTIFICATION_TYPE>,
                              pContext, FALSE, &m_handles[2]) == NO_ERROR) {
        bAny = true;
    }
    return bAny;
}

void NetworkChangeNotifier::Stop() {
    // Waits for a callback under way, so the context it reads outlives it.
    for (HANDLE& h : m_handles) {
        if (h) IpHelper().pCancelMibChangeNotify2(h);
        h = nullptr;
    }
}
