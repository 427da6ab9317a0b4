#include "config/ProfileExtras.h"

#include <algorithm>
#include <cstdint>

#include "config/ConfigKeys.h"
#include "config/SectionNames.h"
#include "net/AddressText.h"
#include "win/AddressInput.h"

namespace {

bool ReadKey(IniReader& reader, const std::wstring& section, const std::wstring& key,
             std::wstring& value, size_t maxChars) {
    value = reader.GetString(section, key);
    if (value == kMissingText) {
        value.clear();
        return false;
    }
    if (value.size() > maxChars) value.resize(maxChars);
    return true;
}

bool SameAddress(std::wstring_view a, std::wstring_view b) {
    uint8_t x[4];
    uint8_t y[4];
    return ParseDottedQuad(a, x) && ParseDottedQuad(b, y) && std::equal(x, x + 4, y);
}

bool IsControl(wchar_t c) {
    return c < L' ' || c == 0x7F;
}

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

std::wstring Lower(std::wstring_view text) {
    std::wstring lower(text);
    for (wchar_t& c : lower) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return lower;
}

// A host name or IPv4 address (letters, digits, ".", "-", "_"), or an IPv6 address in brackets.
bool IsHost(std::wstring_view host) {
    if (host.size() >= 2 && host.front() == L'[' && host.back() == L']') {
        const std::wstring_view inner = host.substr(1, host.size() - 2);
        return !inner.empty() && std::all_of(inner.begin(), inner.end(), [](wchar_t c) {
            return IsDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F') ||
                   c == L':' || c == L'.';
        });
    }
    if (host.empty() || host.front() == L'.' || host.front() == L'-') return false;
    return std::all_of(host.begin(), host.end(), [](wchar_t c) {
        return IsAsciiLetter(c) || IsDigit(c) || c == L'.' || c == L'-' || c == L'_';
    });
}

// "host" or "host:port".
ExtrasProblem CheckHostAndPort(std::wstring_view text) {
    const size_t bracket = text.rfind(L']');
    const size_t colon = text.rfind(L':');
    const bool bHasPort =
        colon != std::wstring_view::npos && (bracket == std::wstring_view::npos || colon > bracket);
    const std::wstring_view host = bHasPort ? text.substr(0, colon) : text;
    if (!IsHost(host)) return ExtrasProblem::ProxyServerMalformed;
    if (!bHasPort) return ExtrasProblem::None;
    const std::wstring_view port = text.substr(colon + 1);
    if (port.empty() || !std::all_of(port.begin(), port.end(), IsDigit)) {
        return ExtrasProblem::ProxyServerMalformed;
    }
    uint32_t value = 0;
    for (wchar_t c : port) {
        value = value * 10 + static_cast<uint32_t>(c - L'0');
        if (value > 65535) return ExtrasProblem::ProxyPortOutOfRange;
    }
    return value == 0 ? ExtrasProblem::ProxyPortOutOfRange : ExtrasProblem::None;
}

// The per-protocol form Windows writes: "http=host:port;https=host:port;ftp=...;socks=...".
ExtrasProblem CheckPerProtocol(std::wstring_view text) {
    bool bAny = false;
    while (!text.empty()) {
        const size_t end = text.find(L';');
        const std::wstring_view entry = text.substr(0, end);
        text = end == std::wstring_view::npos ? std::wstring_view() : text.substr(end + 1);
        if (entry.empty()) continue;
        const size_t equals = entry.find(L'=');
        if (equals == std::wstring_view::npos) return ExtrasProblem::ProxyServerMalformed;
        const std::wstring scheme = Lower(entry.substr(0, equals));
        if (scheme != L"http" && scheme != L"https" && scheme != L"ftp" && scheme != L"socks") {
            return ExtrasProblem::ProxyServerMalformed;
        }
        const ExtrasProblem problem = CheckHostAndPort(entry.substr(equals + 1));
        if (problem != ExtrasProblem::None) return problem;
        bAny = true;
    }
    return bAny ? ExtrasProblem::None : ExtrasProblem::ProxyServerMalformed;
}

// Calls take(entry) for each trimmed, non-empty ";"-separated entry.
template <class Take>
void ForEachEntry(std::wstring_view list, Take take) {
    while (!list.empty()) {
        const size_t end = list.find(L';');
        const std::wstring_view entry = TrimIniBlanks(list.substr(0, end));
        list = end == std::wstring_view::npos ? std::wstring_view() : list.substr(end + 1);
        if (!entry.empty()) take(entry);
    }
}

}  // namespace

std::wstring ExtraIpKey(int slot) {
    return kKeyExtraIpStem + std::to_wstring(slot + 2);
}

std::wstring ExtraSubnetKey(int slot) {
    return kKeyExtraSubnetStem + std::to_wstring(slot + 2);
}

std::vector<AddressPair> ExtraAddresses(const NICs& record) {
    std::vector<AddressPair> pairs;
    for (const AddressPair& pair : record.extra) {
        if (pair.ip[0] == L'\0') break;
        pairs.push_back(pair);
    }
    return pairs;
}

void SetExtraAddresses(NICs& record, std::span<const AddressPair> pairs) {
    for (size_t slot = 0; slot < std::size(record.extra); ++slot) {
        record.extra[slot] = slot < pairs.size() ? pairs[slot] : AddressPair{};
    }
}

AddressPair MakeAddressPair(std::wstring_view ip, std::wstring_view subnet) {
    AddressPair pair{};
    CopyField(pair.ip, ip);
    CopyField(pair.subnet, subnet);
    return pair;
}

ExtrasProblem CheckAddressPair(std::wstring_view ip, std::wstring_view mask,
                               std::wstring_view mainIp, std::span<const AddressPair> pairs,
                               int replacing) {
    uint8_t bytes[4];
    if (!ParseDottedQuad(ip, bytes)) return ExtrasProblem::AddressIncomplete;
    if (!ParseDottedQuad(mask, bytes)) return ExtrasProblem::MaskIncomplete;
    if (MaskPrefixLength(mask) < 1) return ExtrasProblem::MaskInvalid;
    if (SameAddress(ip, mainIp)) return ExtrasProblem::AddressTaken;
    for (size_t i = 0; i < pairs.size(); ++i) {
        if (static_cast<int>(i) != replacing && SameAddress(ip, pairs[i].ip)) {
            return ExtrasProblem::AddressTaken;
        }
    }
    if (replacing < 0 && pairs.size() >= static_cast<size_t>(kExtraAddressCount)) {
        return ExtrasProblem::TooMany;
    }
    return ExtrasProblem::None;
}

ExtrasProblem CheckAddressPairs(std::wstring_view mainIp, std::span<const AddressPair> pairs) {
    if (pairs.size() > static_cast<size_t>(kExtraAddressCount)) return ExtrasProblem::TooMany;
    for (size_t i = 0; i < pairs.size(); ++i) {
        // Each against the first address and the pairs before it.
        const ExtrasProblem problem =
            CheckAddressPair(pairs[i].ip, pairs[i].subnet, mainIp, pairs.first(i));
        if (problem != ExtrasProblem::None) return problem;
    }
    return ExtrasProblem::None;
}

bool NamesProxyServer(const NICs& profile) {
    return profile.checkproxy == 1 || profile.proxy[0] != L'\0' || profile.proxybypass[0] != L'\0';
}

ExtrasProblem CheckProxyServer(bool bEnabled, std::wstring_view server, std::wstring_view bypass) {
    if (std::any_of(server.begin(), server.end(), IsControl) ||
        std::any_of(bypass.begin(), bypass.end(), IsControl)) {
        return ExtrasProblem::ProxyControlCharacter;
    }
    server = TrimIniBlanks(server);
    if (server.empty()) return bEnabled ? ExtrasProblem::ProxyServerEmpty : ExtrasProblem::None;
    if (server.find(L'=') != std::wstring_view::npos) return CheckPerProtocol(server);
    return CheckHostAndPort(server);
}

ProxyExceptions SplitProxyBypass(std::wstring_view value) {
    ProxyExceptions exceptions;
    const std::wstring local = Lower(kProxyLocalEntry);
    ForEachEntry(value, [&](std::wstring_view entry) {
        if (Lower(entry) == local) {
            exceptions.bypassLocal = true;
            return;
        }
        if (!exceptions.list.empty()) exceptions.list += L';';
        exceptions.list += entry;
    });
    return exceptions;
}

std::wstring JoinProxyBypass(std::wstring_view list, bool bBypassLocal) {
    // An entry "<local>" typed into the box counts as the check box.
    ProxyExceptions exceptions = SplitProxyBypass(list);
    if (bBypassLocal || exceptions.bypassLocal) {
        if (!exceptions.list.empty()) exceptions.list += L';';
        exceptions.list += kProxyLocalEntry;
    }
    return exceptions.list;
}

void ReadProfileExtras(IniReader& reader, const std::wstring& section, Profile& profile) {
    std::wstring ip;
    std::wstring mask;
    if (profile.dhcpip == 0) {
        std::vector<AddressPair> pairs;
        for (int slot = 0; slot < kExtraAddressCount; ++slot) {
            if (!ReadKey(reader, section, ExtraIpKey(slot), ip, kAddressKeepChars)) continue;
            if (!ReadKey(reader, section, ExtraSubnetKey(slot), mask, kAddressKeepChars)) continue;
            if (CheckAddressPair(ip, mask, profile.ip, pairs) == ExtrasProblem::None) {
                pairs.push_back(MakeAddressPair(ip, mask));
            }
        }
        SetExtraAddresses(profile, pairs);
    }

    std::wstring check;
    std::wstring server;
    std::wstring bypass;
    const bool bCheck = ReadKey(reader, section, kKeyCheckProxy, check, kMaxValueChars);
    const bool bServer = ReadKey(reader, section, kKeyProxy, server, kProxyServerMaxChars);
    const bool bBypass = ReadKey(reader, section, kKeyProxyBypass, bypass, kMaxLongValueChars);
    if (!bCheck && !bServer && !bBypass) return;
    const bool bEnabled = ParseIniBool(check);
    if (CheckProxyServer(bEnabled, server, bypass) != ExtrasProblem::None) return;
    profile.checkproxy = bEnabled ? 1 : 0;
    CopyField(profile.proxy, TrimIniBlanks(server));
    CopyField(profile.proxybypass, bypass);
}

void AppendProfileExtrasEntries(const Profile& profile, std::vector<IniEntry>& entries) {
    if (profile.dhcpip == 0) {
        const std::vector<AddressPair> pairs = ExtraAddresses(profile);
        for (size_t slot = 0; slot < pairs.size(); ++slot) {
            entries.emplace_back(ExtraIpKey(static_cast<int>(slot)), pairs[slot].ip);
            entries.emplace_back(ExtraSubnetKey(static_cast<int>(slot)), pairs[slot].subnet);
        }
    }
    if (!NamesProxyServer(profile)) return;
    entries.emplace_back(kKeyCheckProxy, FormatOptionFlag(profile.checkproxy == 1));
    entries.emplace_back(kKeyProxy, profile.proxy);
    entries.emplace_back(kKeyProxyBypass, profile.proxybypass);
}
