// The adapter inventory: one NICs record per IPv4 interface, built from three IP-helper queries in
// a fixed order and rebuilt whole each time.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "net/NICs.h"

class IPHelper {
public:
    // How the second pass ended. On the two fatal results the inventory cannot be used, and the
    // caller decides what follows; the pass itself never ends the process.
    enum class PassResult {
        Ok,
        FatalAllocation,  // message already shown
        FatalError,       // the system's error text already shown
    };

    // Shows one message to the user; the main window points it at its message box.
    using Reporter = std::function<void(const std::wstring&)>;
    // Stands in for GetAdaptersAddresses(AF_INET, GAA_FLAG_INCLUDE_PREFIX, ...).
    using AddressesQuery = std::function<ULONG(void* pBuffer, ULONG* pcbSize)>;
    // Stands in for GetInterfaceInfo(pBuffer, pcbSize).
    using InterfaceQuery = std::function<DWORD(void* pBuffer, ULONG* pcbSize)>;

    IPHelper();
    virtual ~IPHelper();
    IPHelper(const IPHelper&) = delete;
    IPHelper& operator=(const IPHelper&) = delete;

    void SetReporter(Reporter reporter) { m_Report = std::move(reporter); }
    void SetAddressesQuery(AddressesQuery query) { m_Query = std::move(query); }
    void SetInterfaceQuery(InterfaceQuery query) { m_InterfaceQuery = std::move(query); }

    // First pass: sizes the array from GetInterfaceInfo and fills nic and metric. False on
    // failure (after the message); count receives the number of interfaces, 0 included ("no
    // data", as with every adapter disabled, is 0).
    bool IPH_GetInterfaceInfo(int& count);
    // Second pass: names, MAC, status, link speeds and DNS from GetAdaptersAddresses.
    PassResult IPH_GetCurrentInterfaces();
    // Third pass: address, mask, gateway and DHCP flag from GetAdaptersInfo.
    void IPH_GetAdaptersInfo();
    // 1 when the interface's "NameServer" registry value exists and is empty, else 0.
    static int IPH_IsDnsAutomatic(const NICs& record);

    NICs* m_pNICs = nullptr;
    int32_t m_nCount = 0;

private:
    NICs* FindByIndex(DWORD dwIndex);
    void Report(const std::wstring& text) {
        if (m_Report) m_Report(text);
    }

    Reporter m_Report;
    InterfaceQuery m_InterfaceQuery;
    AddressesQuery m_Query;
};
