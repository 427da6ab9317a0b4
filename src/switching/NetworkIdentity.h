// What automatic switching knows a network by: the gateway of the adapter's default route with
// the hardware address that answered for it, and on Wi-Fi the SSID. A gateway address alone is
// worth nothing (192.168.1.1 is everywhere); the hardware address is what tells two sites apart.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct NetworkIdentity {
    std::wstring gateway;    // dotted IPv4; empty when the adapter has no default route
    std::wstring mac;        // "00-1a-2b-3c-4d-5e" in lower case; empty: the gateway gave no answer
    std::wstring ssid;       // Wi-Fi only; empty when not known
    std::wstring dnsSuffix;  // the connection's DNS suffix; may be empty
    bool operator==(const NetworkIdentity&) const = default;
};

// How many networks one profile remembers, newest first.
inline constexpr size_t kMaxRememberedNetworks = 4;

// "00-1a-2b-3c-4d-5e" from six hex pairs in either case, separated by '-' or ':'; "" for anything
// else.
std::wstring NormalizeMac(std::wstring_view text);

// A gateway that answered with a hardware address: the identity can stand for a site.
bool GatewayAnswered(const NetworkIdentity& identity);
// Nothing at all to know the network by (no answer, no SSID).
bool IsEmptyIdentity(const NetworkIdentity& identity);

// VRRP 00-00-5e-00-01-xx, HSRP 00-00-0c-07-ac-xx, GLBP 00-07-b4-xx: the same at every branch
// built from one template, so such an answer alone does not tell sites apart.
bool IsVirtualRouterMac(std::wstring_view mac);

// How a remembered network matches the one seen now.
enum class IdentityMatch {
    None,
    SsidOnly,     // the SSID agrees and no gateway does: good enough for a DHCP profile only
    Gateway,      // gateway and hardware address agree (and the SSID where both sides have one);
                  // strong enough for a static profile
    GatewayWeak,  // as Gateway, but a virtual-router address with neither SSID nor DNS suffix to
                  // back it: good enough for a DHCP profile only
};
IdentityMatch MatchIdentity(const NetworkIdentity& known, const NetworkIdentity& seen);

// The same gateway address, hardware address and SSID, each empty or not alike (the DNS suffix
// plays no part): nothing new to decide on.
bool SameNetwork(const NetworkIdentity& a, const NetworkIdentity& b);

// The "networks" key's value: identities separated by '|', each a ','-separated list of
// "gw:ADDRESS/MAC", "ssid:NAME" and "dns:SUFFIX" ('%', '|', ',', control characters and a blank
// at either end of a name are written as %XX). An item with a field that cannot be read is
// skipped whole, as is one with neither gateway nor SSID; fields of other kinds are passed over.
// At most kMaxRememberedNetworks are kept.
std::vector<NetworkIdentity> ParseNetworks(std::wstring_view value);
std::wstring FormatNetworks(std::span<const NetworkIdentity> networks);

// Puts identity first, dropping an equal one further down and the oldest beyond the limit.
void RememberNetwork(std::vector<NetworkIdentity>& networks, const NetworkIdentity& identity);
// Drops every remembered network that matches identity at least as strongly as SsidOnly.
void ForgetNetwork(std::vector<NetworkIdentity>& networks, const NetworkIdentity& identity);

// "192.168.10.1 (00-1a-2b-3c-4d-5e)", with " SSID Office" after it where there is one, or only
// "SSID Office": how the user and the log see a network.
std::wstring DescribeNetwork(const NetworkIdentity& identity);
