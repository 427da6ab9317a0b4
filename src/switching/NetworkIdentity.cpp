#include "switching/NetworkIdentity.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "net/AddressText.h"
#include "win/AddressInput.h"

namespace {

// An SSID is at most 32 octets; a DNS name at most 255 characters. Anything longer in the file
// was not written by us.
constexpr size_t kMaxSsidLength = 32;
constexpr size_t kMaxDnsSuffixLength = 255;

int HexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

wchar_t LowerAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c;
}

bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return LowerAscii(x) == LowerAscii(y); });
}

// "10.0.0.01" and "10.0.0.1" are one gateway: both are kept in the one form the watch reports.
std::wstring CanonicalAddress(std::wstring_view text) {
    uint8_t bytes[4];
    return ParseDottedQuad(text, bytes) ? FormatDottedQuad(bytes) : std::wstring();
}

// The forms an identity is compared and stored in; a hardware address without a gateway
// address means nothing.
NetworkIdentity Canonical(const NetworkIdentity& identity) {
    NetworkIdentity out = identity;
    out.gateway = CanonicalAddress(identity.gateway);
    out.mac = out.gateway.empty() ? std::wstring() : NormalizeMac(identity.mac);
    return out;
}

bool SameGateway(const NetworkIdentity& a, const NetworkIdentity& b) {
    return GatewayAnswered(a) && GatewayAnswered(b) &&
           CanonicalAddress(a.gateway) == CanonicalAddress(b.gateway) &&
           NormalizeMac(a.mac) == NormalizeMac(b.mac);
}

bool NeedsEscape(wchar_t c) {
    return c == L'%' || c == L'|' || c == L',' || c < 0x20 || c == 0x7F;
}

// The file's reader drops blanks around a value, so a blank at either end of a name is escaped
// too: an SSID "Cafe " written last in the line would otherwise come back as "Cafe".
std::wstring EscapeName(std::wstring_view name) {
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring out;
    for (size_t i = 0; i < name.size(); ++i) {
        const wchar_t c = name[i];
        const bool atEnd = i == 0 || i + 1 == name.size();
        if (NeedsEscape(c) || (atEnd && c == L' ')) {
            out += L'%';
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::wstring> UnescapeName(std::wstring_view text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = HexValue(text[i + 1]);
        const int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<wchar_t>(high * 16 + low);
        i += 2;
    }
    return out;
}

// One '|'-separated item; nullopt when any field it names cannot be read, so that a damaged
// item never turns into a weaker identity of another network. Fields of a kind this version
// does not know are passed over.
std::optional<NetworkIdentity> ParseItem(std::wstring_view item) {
    NetworkIdentity identity;
    bool seenGateway = false, seenSsid = false, seenDns = false;
    while (true) {
        const size_t comma = item.find(L',');
        const std::wstring_view field = item.substr(0, comma);
        const size_t colon = field.find(L':');
        const std::wstring_view kind = field.substr(0, colon);
        const std::wstring_view value =
            colon == std::wstring_view::npos ? std::wstring_view() : field.substr(colon + 1);
        if (kind == L"gw") {
            const size_t slash = value.find(L'/');
            if (seenGateway || slash == std::wstring_view::npos) return std::nullopt;
            identity.gateway = CanonicalAddress(value.substr(0, slash));
            identity.mac = NormalizeMac(value.substr(slash + 1));
            if (identity.gateway.empty() || identity.mac.empty()) return std::nullopt;
            seenGateway = true;
        } else if (kind == L"ssid" || kind == L"dns") {
            const bool ssid = kind == L"ssid";
            std::optional<std::wstring> name = UnescapeName(value);
            if ((ssid ? seenSsid : seenDns) || !name || name->empty() ||
                name->size() > (ssid ? kMaxSsidLength : kMaxDnsSuffixLength)) {
                return std::nullopt;
            }
            (ssid ? identity.ssid : identity.dnsSuffix) = std::move(*name);
            (ssid ? seenSsid : seenDns) = true;
        }
        if (comma == std::wstring_view::npos) break;
        item.remove_prefix(comma + 1);
    }
    if (IsEmptyIdentity(identity)) return std::nullopt;
    return identity;
}

}  // namespace

std::wstring NormalizeMac(std::wstring_view text) {
    static constexpr size_t kOctets = 6;
    if (text.size() != kOctets * 3 - 1) return {};
    std::wstring out;
    for (size_t octet = 0; octet < kOctets; ++octet) {
        const size_t at = octet * 3;
        if (octet > 0 && text[at - 1] != L'-' && text[at - 1] != L':') return {};
        if (HexValue(text[at]) < 0 || HexValue(text[at + 1]) < 0) return {};
        if (octet > 0) out += L'-';
        out += LowerAscii(text[at]);
        out += LowerAscii(text[at + 1]);
    }
    return out;
}

bool GatewayAnswered(const NetworkIdentity& identity) {
    return !identity.gateway.empty() && !identity.mac.empty();
}

bool IsEmptyIdentity(const NetworkIdentity& identity) {
    return !GatewayAnswered(identity) && identity.ssid.empty();
}

bool IsVirtualRouterMac(std::wstring_view mac) {
    const std::wstring normal = NormalizeMac(mac);
    return normal.starts_with(L"00-00-5e-00-01-") || normal.starts_with(L"00-00-0c-07-ac-") ||
           normal.starts_with(L"00-07-b4-");
}

bool SameNetwork(const NetworkIdentity& a, const NetworkIdentity& b) {
    const NetworkIdentity x = Canonical(a), y = Canonical(b);
    return x.gateway == y.gateway && x.mac == y.mac && x.ssid == y.ssid;
}

IdentityMatch MatchIdentity(const NetworkIdentity& known, const NetworkIdentity& seen) {
    const bool bothSsid = !known.ssid.empty() && !seen.ssid.empty();
    if (bothSsid && known.ssid != seen.ssid) return IdentityMatch::None;
    if (SameGateway(known, seen)) {
        if (!IsVirtualRouterMac(known.mac)) return IdentityMatch::Gateway;
        const bool suffixAgrees =
            !known.dnsSuffix.empty() && EqualIgnoringAsciiCase(known.dnsSuffix, seen.dnsSuffix);
        return bothSsid || suffixAgrees ? IdentityMatch::Gateway : IdentityMatch::GatewayWeak;
    }
    return bothSsid ? IdentityMatch::SsidOnly : IdentityMatch::None;
}

std::vector<NetworkIdentity> ParseNetworks(std::wstring_view value) {
    std::vector<NetworkIdentity> networks;
    while (networks.size() < kMaxRememberedNetworks) {
        const size_t bar = value.find(L'|');
        if (std::optional<NetworkIdentity> identity = ParseItem(value.substr(0, bar))) {
            networks.push_back(std::move(*identity));
        }
        if (bar == std::wstring_view::npos) break;
        value.remove_prefix(bar + 1);
    }
    return networks;
}

std::wstring FormatNetworks(std::span<const NetworkIdentity> networks) {
    std::wstring out;
    size_t written = 0;
    for (const NetworkIdentity& network : networks) {
        if (written == kMaxRememberedNetworks) break;
        const NetworkIdentity identity = Canonical(network);
        std::wstring item;
        const auto field = [&item](std::wstring_view text) {
            if (!item.empty()) item += L',';
            item += text;
        };
        if (GatewayAnswered(identity)) field(L"gw:" + identity.gateway + L'/' + identity.mac);
        // Longer names would not be read back; a name cut short would be another network.
        if (!identity.ssid.empty() && identity.ssid.size() <= kMaxSsidLength) {
            field(L"ssid:" + EscapeName(identity.ssid));
        }
        if (item.empty()) continue;
        if (!identity.dnsSuffix.empty() && identity.dnsSuffix.size() <= kMaxDnsSuffixLength) {
            field(L"dns:" + EscapeName(identity.dnsSuffix));
        }
        if (written++ > 0) out += L'|';
        out += item;
    }
    return out;
}

void RememberNetwork(std::vector<NetworkIdentity>& networks, const NetworkIdentity& identity) {
    NetworkIdentity stored = Canonical(identity);
    if (!GatewayAnswered(stored)) stored.gateway.clear();
    if (IsEmptyIdentity(stored)) return;
    std::erase_if(networks,
                  [&stored](const NetworkIdentity& known) { return SameNetwork(known, stored); });
    networks.insert(networks.begin(), std::move(stored));
    if (networks.size() > kMaxRememberedNetworks) networks.resize(kMaxRememberedNetworks);
}

void ForgetNetwork(std::vector<NetworkIdentity>& networks, const NetworkIdentity& identity) {
    std::erase_if(networks, [&identity](const NetworkIdentity& known) {
        return MatchIdentity(known, identity) != IdentityMatch::None;
    });
}

std::wstring DescribeNetwork(const NetworkIdentity& identity) {
    std::wstring text;
    if (!identity.gateway.empty()) {
        text =
            identity.gateway + L" (" + (identity.mac.empty() ? L"no answer" : identity.mac) + L')';
    }
    if (!identity.ssid.empty()) text += (text.empty() ? L"SSID " : L" SSID ") + identity.ssid;
    return text.empty() ? L"no gateway" : text;
}
