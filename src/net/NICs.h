// One adapter of the inventory, and equally the storage of one saved profile. The record is plain
// data with fixed arrays so that it can be copied whole between the inventory, the profile list
// and the form's working record.
#pragma once

#include <cstdint>

// How many IPv4 addresses an adapter or a profile holds beyond the first one.
inline constexpr int kExtraAddressCount = 4;

// One further address of an adapter, or one extra address/mask pair of a profile; an empty ip
// ends the list.
struct AddressPair {
    wchar_t ip[32];
    wchar_t subnet[32];
};

struct NICs {
    wchar_t title[512];        // profile title (INI section name); empty for an adapter
    int32_t nic;               // interface index: the adapter's identity
    int32_t metric;            // gateway metric; 1 for every adapter
    int32_t hasunicast;        // adapter has at least one unicast address
    int32_t dhcpip;            // 1: address from DHCP
    wchar_t adaptername[128];  // internal name, "{GUID}"
    wchar_t description[1024];
    wchar_t nicname[1024];  // connection name shown to the user and addressed by netsh
    int32_t dhcpdns;        // 1: DNS from DHCP
    int32_t dnscount;       // DNS servers captured, 0 to 2
    wchar_t dns[32];
    wchar_t dns2[32];
    wchar_t ip[32];
    wchar_t subnet[32];
    wchar_t gateway[32];
    int32_t operstatus;      // 1 means up
    wchar_t macaddress[34];  // "00-1a-2b-3c-4d-5e"
    uint64_t txlinkspeed;
    uint64_t rxlinkspeed;
    wchar_t printer[1024];   // profile only
    int32_t checkautoconf;   // profile only: 1 sets the configuration script
    wchar_t autoconf[1024];  // profile only: configuration-script URL
    // The adapter's further IPv4 addresses (as many as fit), or the profile's extra pairs that
    // an apply adds after the first; only for a static address.
    AddressPair extra[kExtraAddressCount];
    int32_t checkproxy;         // profile only: 1 turns the proxy server on
    wchar_t proxy[1024];        // profile only: "host:port" or "http=host:port;https=..."
    wchar_t proxybypass[1024];  // profile only: exceptions as Windows stores them, "<local>" too
};

// A saved profile is the same record; the name says which meaning is in use.
using Profile = NICs;
