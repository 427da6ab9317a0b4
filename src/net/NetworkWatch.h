// What automatic switching reads from the system about the adapters, and how it hears of changes:
// one place for the IP helper's routes, neighbours and notifications and for the WLAN API. The
// optional functions (ResolveIpNetEntry2, the change notifications, the WLAN API) are loaded at
// run time, so the program still starts where a system lacks them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// One IPv4 adapter, read without sending anything on the network.
struct AdapterSnapshot {
    int32_t ifIndex = 0;
    uint64_t luid = 0;
    std::wstring nicname;       // friendly name
    std::wstring adapterName;   // "{GUID}", for the WLAN API
    bool up = false;
    bool wireless = false;
    bool dhcpEnabled = false;
    std::wstring address;       // first IPv4 unicast address, empty when none
    bool addressFromDhcp = false;  // its prefix origin is DHCP
    std::wstring gateway;       // next hop of the adapter's own IPv4 default route, empty if none
    uint32_t routeMetric = 0;   // that route's metric plus the interface metric
    bool ipv6DefaultRoute = false;
    std::wstring dnsSuffix;
    // The hardware address the neighbour cache holds for the gateway now ("" when none); only a
    // hint that something changed, never an answer.
    std::wstring cachedGatewayMac;
    // Everything above in one string: two equal fingerprints mean nothing changed.
    std::wstring Fingerprint() const;
};

// Every IPv4 adapter the system has; empty on failure.
std::vector<AdapterSnapshot> ReadAdapterSnapshots();

// Asks the gateway of adapter afresh for its hardware address: ResolveIpNetEntry2 on the adapter
// where the system has it, otherwise one ICMP echo and then the neighbour table's reachable entry
// of this interface. Up to three tries over about three seconds. "" when nothing answered.
// Blocks: call it from a worker thread.
std::wstring ResolveGatewayMac(const AdapterSnapshot& adapter);

// The SSID the adapter is connected to, through the WLAN API; "" for a wired adapter, without the
// WLAN service or without a connection. The first call opens the WLAN API (the call that may
// raise Windows' location prompt).
std::wstring CurrentSsid(const AdapterSnapshot& adapter);

// Posts message to window (wParam 0) whenever the system reports an interface, address or route
// change. Callbacks only post; Stop cancels from the thread that started.
class NetworkChangeNotifier {
public:
    NetworkChangeNotifier() = default;
    ~NetworkChangeNotifier();
    NetworkChangeNotifier(const NetworkChangeNotifier&) = delete;
    NetworkChangeNotifier& operator=(const NetworkChangeNotifier&) = delete;

    // True when at least one notification could be registered.
    bool Start(HWND window, UINT message);
    void Stop();

private:
    // What the system calls on a thread of its own, for each kind of change (defined and used
    // in NetworkWatchWin.cpp only).
    template <class Row, class Kind>
    static VOID WINAPI OnChange(PVOID pContext, Row* pRow, Kind kind);

    HWND m_hWnd = nullptr;
    UINT m_uMessage = 0;
    HANDLE m_handles[3] = {};
};
