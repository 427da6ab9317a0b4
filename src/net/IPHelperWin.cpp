#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>

#include "net/IPHelper.h"

#include <cstring>
#include <new>

#include "net/AddressText.h"
#include "platform/Registry.h"
#include "platform/SystemError.h"

namespace {

constexpr wchar_t kNotAssigned[] = L"Not assigned";
constexpr ULONG kFirstAddressesBufferSize = 15000;
constexpr int kAddressesAttempts = 3;
constexpr DWORD kNameServerBufferBytes = 1024;

// Query buffers come from the process heap and go back to it on every path.
class HeapBuffer {
public:
    HeapBuffer() = default;
    explicit HeapBuffer(SIZE_T cbSize) : m_p(::HeapAlloc(::GetProcessHeap(), 0, cbSize)) {}
    ~HeapBuffer() { Free(); }
    HeapBuffer(const HeapBuffer&) = delete;
    HeapBuffer& operator=(const HeapBuffer&) = delete;
    void Reset(SIZE_T cbSize) {
        Free();
        m_p = ::HeapAlloc(::GetProcessHeap(), 0, cbSize);
    }
    void Free() {
        if (m_p) ::HeapFree(::GetProcessHeap(), 0, m_p);
        m_p = nullptr;
    }
    template <class T>
    T* As() const {
        return static_cast<T*>(m_p);
    }
    explicit operator bool() const { return m_p != nullptr; }

private:
    void* m_p = nullptr;
};

std::wstring SockaddrText(const SOCKET_ADDRESS& address) {
    if (!address.lpSockaddr || address.lpSockaddr->sa_family != AF_INET) return {};
    const auto* pIn = reinterpret_cast<const sockaddr_in*>(address.lpSockaddr);
    uint8_t bytes[4];
    std::memcpy(bytes, &pIn->sin_addr, 4);
    return FormatDottedQuad(bytes);
}

}  // namespace

IPHelper::IPHelper()
    : m_InterfaceQuery([](void* pBuffer, ULONG* pcbSize) {
          return ::GetInterfaceInfo(static_cast<IP_INTERFACE_INFO*>(pBuffer), pcbSize);
      }),
      m_Query([](void* pBuffer, ULONG* pcbSize) {
          return ::GetAdaptersAddresses(AF_INET, GAA_FLAG_INCLUDE_PREFIX, nullptr,
                                        static_cast<IP_ADAPTER_ADDRESSES*>(pBuffer), pcbSize);
      }) {}

IPHelper::~IPHelper() {
    delete[] m_pNICs;
}

NICs* IPHelper::FindByIndex(DWORD dwIndex) {
    for (int32_t i = 0; i < m_nCount; ++i) {
        if (static_cast<DWORD>(m_pNICs[i].nic) == dwIndex) return &m_pNICs[i];
    }
    return nullptr;
}

bool IPHelper::IPH_GetInterfaceInfo(int& count) {
    ULONG cbSize = 0;
    HeapBuffer buffer;
    DWORD dwResult = m_InterfaceQuery(nullptr, &cbSize);
    if (dwResult == ERROR_INSUFFICIENT_BUFFER) {
        buffer.Reset(cbSize);
        if (!buffer) {
            Report(L"Unable to allocate memory needed to call GetInterfaceInfo\n");
            return false;
        }
        dwResult = m_InterfaceQuery(buffer.As<void>(), &cbSize);
    }
    // With every adapter disabled the query answers "no data": a machine without adapters, not
    // a failure.
    if (dwResult == ERROR_NO_DATA) {
        count = 0;
        m_nCount = 0;
        return true;
    }
    if (dwResult != NO_ERROR) {
        Report(L"GetInterfaceInfo failed with error: " + std::to_wstring(dwResult) + L"\n");
        return false;
    }
    const IP_INTERFACE_INFO* pInfo = buffer.As<IP_INTERFACE_INFO>();
    const LONG nAdapters = pInfo ? pInfo->NumAdapters : 0;
    count = static_cast<int>(nAdapters);
    m_nCount = static_cast<int32_t>(nAdapters);
    if (nAdapters > 0) {
        delete[] m_pNICs;
        m_pNICs = new NICs[nAdapters]();
    }
    for (LONG i = 0; i < nAdapters; ++i) {
        m_pNICs[i].metric = 1;
        m_pNICs[i].nic = static_cast<int32_t>(pInfo->Adapter[i].Index);
    }
    return true;
}

IPHelper::PassResult IPHelper::IPH_GetCurrentInterfaces() {
    ULONG cbSize = kFirstAddressesBufferSize;
    HeapBuffer buffer(cbSize);
    ULONG dwResult = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < kAddressesAttempts; ++attempt) {
        if (attempt > 0) buffer.Reset(cbSize);
        if (!buffer) {
            Report(L"Memory allocation failed for IP_ADAPTER_ADDRESSES struct\n");
            return PassResult::FatalAllocation;
        }
        dwResult = m_Query(buffer.As<void>(), &cbSize);
        if (dwResult != ERROR_BUFFER_OVERFLOW) break;
    }
    if (dwResult == ERROR_NO_DATA) return PassResult::Ok;
    if (dwResult != NO_ERROR) {
        // An adapter that appears while we ask can answer "buffer overflow" three times. Say so
        // rather than ending without a word.
        const std::wstring text = platform::SystemErrorText(dwResult);
        if (text.empty()) return PassResult::Ok;
        Report(text);
        return PassResult::FatalError;
    }

    for (const IP_ADAPTER_ADDRESSES* pEntry = buffer.As<IP_ADAPTER_ADDRESSES>(); pEntry;
         pEntry = pEntry->Next) {
        NICs* pRecord = FindByIndex(pEntry->IfIndex);
        if (!pRecord) continue;
        CopyField(pRecord->adaptername, WidenAscii(pEntry->AdapterName ? pEntry->AdapterName : ""),
                  127);
        pRecord->dhcpdns = IPH_IsDnsAutomatic(*pRecord);
        pRecord->hasunicast = pEntry->FirstUnicastAddress ? 1 : 0;
        pRecord->dnscount = 0;
        CopyField(pRecord->dns, kNotAssigned);
        CopyField(pRecord->dns2, kNotAssigned);
        const IP_ADAPTER_DNS_SERVER_ADDRESS* pDns = pEntry->FirstDnsServerAddress;
        for (int i = 0; i < 2 && pDns; ++i, pDns = pDns->Next) {
            ++pRecord->dnscount;
            wchar_t(&target)[32] = i == 0 ? pRecord->dns : pRecord->dns2;
            CopyField(target, SockaddrText(pDns->Address), 31);
        }
        CopyField(pRecord->description, pEntry->Description ? pEntry->Description : L"");
        CopyField(pRecord->nicname, pEntry->FriendlyName ? pEntry->FriendlyName : L"");
        if (pEntry->PhysicalAddressLength != 0) {
            CopyField(pRecord->macaddress,
                      FormatMacAddress(pEntry->PhysicalAddress, pEntry->PhysicalAddressLength));
        }
        pRecord->operstatus = static_cast<int32_t>(pEntry->OperStatus);
        pRecord->txlinkspeed = pEntry->TransmitLinkSpeed;
        pRecord->rxlinkspeed = pEntry->ReceiveLinkSpeed;
    }
    return PassResult::Ok;
}

void IPHelper::IPH_GetAdaptersInfo() {
    ULONG cbSize = sizeof(IP_ADAPTER_INFO);
    HeapBuffer buffer(cbSize);
    if (!buffer) {
        Report(L"Error allocating memory needed to call GetAdaptersinfo\n");
        return;
    }
    DWORD dwResult = ::GetAdaptersInfo(buffer.As<IP_ADAPTER_INFO>(), &cbSize);
    if (dwResult == ERROR_BUFFER_OVERFLOW) {
        buffer.Reset(cbSize);
        if (!buffer) {
            Report(L"Error allocating memory needed to call GetAdaptersinfo\n");
            return;
        }
        dwResult = ::GetAdaptersInfo(buffer.As<IP_ADAPTER_INFO>(), &cbSize);
    }
    if (dwResult != NO_ERROR) return;

    for (const IP_ADAPTER_INFO* pEntry = buffer.As<IP_ADAPTER_INFO>(); pEntry;
         pEntry = pEntry->Next) {
        NICs* pRecord = FindByIndex(pEntry->Index);
        if (!pRecord) continue;
        CopyField(pRecord->ip, WidenAscii(pEntry->IpAddressList.IpAddress.String), 31);
        CopyField(pRecord->subnet, WidenAscii(pEntry->IpAddressList.IpMask.String), 31);
        CopyField(pRecord->gateway, WidenAscii(pEntry->GatewayList.IpAddress.String), 31);
        pRecord->dhcpip = pEntry->DhcpEnabled ? 1 : 0;
        // The adapter's further addresses, as many as a profile can carry.
        int nExtra = 0;
        for (const IP_ADDR_STRING* pAddress = pEntry->IpAddressList.Next;
             pAddress && nExtra < kExtraAddressCount; pAddress = pAddress->Next) {
            const std::wstring ip = WidenAscii(pAddress->IpAddress.String);
            if (ip.empty() || ip == kNoAddress) continue;
            AddressPair& pair = pRecord->extra[nExtra++];
            CopyField(pair.ip, ip, 31);
            CopyField(pair.subnet, WidenAscii(pAddress->IpMask.String), 31);
        }
    }
}

int IPHelper::IPH_IsDnsAutomatic(const NICs& record) {
    const std::wstring path =
        std::wstring(L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\") +
        record.adaptername + L"\\";
    std::wstring value;
    const platform::RegRead result = platform::ReadRegString(
        HKEY_LOCAL_MACHINE, path, L"NameServer", value, kNameServerBufferBytes);
    return result == platform::RegRead::Ok && value.empty() ? 1 : 0;
}
