// What a profile holds beyond one address and a proxy script: up to four more address/mask pairs
// for its adapter, and a proxy server. Their keys in the profile's section, the checks the form
// and the "Advanced" dialog make, and the exceptions' text forms. A profile that uses neither
// reads and writes exactly the keys it always had.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "net/NICs.h"

// Why a pair or a proxy server is refused; the window says it in its language.
enum class ExtrasProblem {
    None,
    AddressIncomplete,      // an extra address is blank or not a whole dotted address
    MaskIncomplete,         // likewise its mask
    MaskInvalid,            // not ones followed by zeros, or no ones at all
    AddressTaken,           // the first address or another pair already has it
    TooMany,                // more pairs than kExtraAddressCount
    ProxyServerEmpty,       // "Use a proxy server" ticked with no address
    ProxyServerMalformed,   // not host[:port] nor scheme=host[:port];...
    ProxyPortOutOfRange,    // a port outside 1-65535
    ProxyControlCharacter,  // in the address or the exceptions
};

// Windows' own entry in the exceptions for "Bypass proxy server for local addresses".
inline constexpr wchar_t kProxyLocalEntry[] = L"<local>";
// The exceptions box leaves room for kProxyLocalEntry and its separator in the 1,023 characters
// the record keeps.
inline constexpr size_t kProxyExceptionsMaxChars = 1014;
inline constexpr size_t kProxyServerMaxChars = 1023;

// "ip2" ... "ip5" and "subnet2" ... "subnet5" for slots 0 to 3.
std::wstring ExtraIpKey(int slot);
std::wstring ExtraSubnetKey(int slot);

// The pairs in use: those before the first empty address.
std::vector<AddressPair> ExtraAddresses(const NICs& record);
// Puts pairs (at most kExtraAddressCount) into record and empties the slots after them.
void SetExtraAddresses(NICs& record, std::span<const AddressPair> pairs);
AddressPair MakeAddressPair(std::wstring_view ip, std::wstring_view subnet);

// Whether the pair ip/mask may stand at index replacing of pairs (-1: added after them): both
// whole dotted addresses, a valid mask, and an address that differs from mainIp and from every
// other pair's. Checked in that order; the first failure is returned.
ExtrasProblem CheckAddressPair(std::wstring_view ip, std::wstring_view mask,
                               std::wstring_view mainIp, std::span<const AddressPair> pairs,
                               int replacing = -1);
// Every pair of a profile against its first address and against each other.
ExtrasProblem CheckAddressPairs(std::wstring_view mainIp, std::span<const AddressPair> pairs);

// True when the profile says anything about the proxy server: its box ticked, or an address or
// exceptions named. A profile that says nothing leaves the user's proxy server settings alone.
bool NamesProxyServer(const NICs& profile);
// The address (blanks around it ignored) and the exceptions as the form takes them: an address
// is needed only with the box ticked, but one that is given must be well formed either way.
ExtrasProblem CheckProxyServer(bool bEnabled, std::wstring_view server, std::wstring_view bypass);

// The exceptions box and the local check box, from a stored value and back. The entries are
// ";"-separated and trimmed, empty ones dropped; kProxyLocalEntry (in any case) goes to the check
// box and comes back as the last entry, as Windows writes it.
struct ProxyExceptions {
    std::wstring list;
    bool bypassLocal = false;
};
ProxyExceptions SplitProxyBypass(std::wstring_view value);
std::wstring JoinProxyBypass(std::wstring_view list, bool bBypassLocal);

// Reads the extra pairs (only for a static address) and the proxy server keys into profile. A
// pair that fails CheckAddressPair is skipped; a proxy server that fails CheckProxyServer is read
// as none at all, so a damaged value never switches anyone's proxy.
void ReadProfileExtras(IniReader& reader, const std::wstring& section, Profile& profile);
// Appends the keys of the pairs in use (static address only) and, when NamesProxyServer, the
// three proxy keys.
void AppendProfileExtrasEntries(const Profile& profile, std::vector<IniEntry>& entries);
