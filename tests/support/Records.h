// Building NICs records (adapters and profiles) in tests, so every fixture states only what
// it is about.
#pragma once

#include <cstdint>
#include <string_view>

#include "net/AddressText.h"
#include "net/NICs.h"

// The five address fields travel together in every fixture.
inline void SetAddresses(NICs& record, std::wstring_view ip, std::wstring_view subnet,
                         std::wstring_view gateway, std::wstring_view dns, std::wstring_view dns2) {
    CopyField(record.ip, ip);
    CopyField(record.subnet, subnet);
    CopyField(record.gateway, gateway);
    CopyField(record.dns, dns);
    CopyField(record.dns2, dns2);
}

// An adapter of the inventory: its interface number and name, every other field zero.
inline NICs MakeAdapter(int32_t nic, std::wstring_view name) {
    NICs adapter{};
    adapter.nic = nic;
    CopyField(adapter.nicname, name);
    return adapter;
}

// A profile with a title and nothing else.
inline Profile TitledProfile(std::wstring_view title) {
    Profile p{};
    CopyField(p.title, title);
    return p;
}

// A profile as the form saves one: gateway metric 1, the printer left alone, and either DHCP
// for address and DNS or one fixed set of static addresses.
inline Profile MakeProfile(std::wstring_view title, int32_t nic, std::wstring_view nicname,
                           bool dhcp) {
    Profile p = TitledProfile(title);
    p.nic = nic;
    p.metric = 1;
    CopyField(p.nicname, nicname);
    p.dhcpip = dhcp ? 1 : 0;
    p.dhcpdns = dhcp ? 1 : 0;
    if (!dhcp) {
        SetAddresses(p, L"192.168.10.25", L"255.255.255.0", L"192.168.10.1", L"192.168.10.2",
                     kNoAddress);
    }
    CopyField(p.printer, L"Do not change Printer");
    return p;
}
