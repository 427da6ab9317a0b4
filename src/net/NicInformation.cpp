#include "net/NicInformation.h"

std::wstring ComposeNicInformation(const NICs& adapter, bool bChangeForce) {
    std::wstring text =
        L"[NIC " + std::to_wstring(adapter.nic) + L"]\n" + adapter.nicname + L"\n\n";
    if (!bChangeForce && adapter.operstatus != 1) {
        return text + L"Disconnected\nStatus : " + std::to_wstring(adapter.operstatus);
    }
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
