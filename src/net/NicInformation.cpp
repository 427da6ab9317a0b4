#include "net/NicInformation.h"

#include "net/AddressText.h"

namespace {

// "IP: 10.0.0.5/24", or "IP: 10.0.0.5 / MASK" for a mask that has no prefix length.
std::wstring CompactAddressLine(const wchar_t* ip, const wchar_t* subnet) {
    const int nPrefix = MaskPrefixLength(subnet);
    return std::wstring(L"IP: ") + ip +
           (nPrefix >= 0 ? L"/" + std::to_wstring(nPrefix) : std::wstring(L" / ") + subnet) + L"\n";
}

// An adapter with further addresses: one line each, and no blank lines, so that five addresses
// still fit the information box.
std::wstring CompactInformation(const NICs& adapter) {
    std::wstring text = L"[NIC " + std::to_wstring(adapter.nic) + L"] " + adapter.nicname + L"\n" +
                        CompactAddressLine(adapter.ip, adapter.subnet);
    for (const AddressPair& pair : adapter.extra) {
        if (pair.ip[0] == L'\0') break;
        text += CompactAddressLine(pair.ip, pair.subnet);
    }
    text += std::wstring(L"Gateway: ") + adapter.gateway + L"\n";
    if (adapter.dhcpdns == 1) return text + L"Using DHCP for DNSP";
    return text + L"DNS1: " + adapter.dns + L"\nDNS2: " + adapter.dns2;
}

}  // namespace

std::wstring ComposeNicInformation(const NICs& adapter, bool bChangeForce) {
    std::wstring text =
        L"[NIC " + std::to_wstring(adapter.nic) + L"]\n" + adapter.nicname + L"\n\n";
    if (!bChangeForce && adapter.operstatus != 1) {
        return text + L"Disconnected\nStatus : " + std::to_wstring(adapter.operstatus);
    }
    if (adapter.dhcpip != 1 && adapter.extra[0].ip[0] != L'\0') return CompactInformation(adapter);
    if (adapter.dhcpip == 1) {
        text += L"Using DHCP for IP\n\n";
    } else {
        text += std::wstring(L"IP: ") + adapter.ip + L"\nSubnet: " + adapter.subnet +
                L"\nGateway: " + adapter.gateway + L"\n\n";
    }
    if (adapter.dhcpdns == 1) {
        text += L"Using DHCP for DNSP\n\n";
    } else {
        text += std::wstring(L"DNS1: ") + adapter.dns + L"\nDNS2: " + adapter.dns2;
    }
    return text;
}

int AdapterPosition(std::span<const NICs> inventory, std::wstring_view nicname) {
    for (size_t i = 0; i < inventory.size(); ++i) {
        if (std::wstring_view(inventory[i].nicname) == nicname) return static_cast<int>(i);
    }
    return -1;
}
