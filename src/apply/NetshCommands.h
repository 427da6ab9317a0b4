// The netsh command lines that apply the network half of a profile. Plain text building with no
// system calls, so every line can be checked on any machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/AddressText.h"
#include "net/NICs.h"

// One more address the adapter is to carry beside the first.
struct ExtraAddressTarget {
    std::wstring ip;
    std::wstring mask;
    bool operator==(const ExtraAddressTarget&) const = default;
};

// What the next apply is to set. NetworkChanger keeps these fields and runs the lines; the command
// lines depend on nothing else.
struct NetworkTarget {
    int32_t m_nNicIndex = -1;   // kept for reference; no command line uses it
    std::wstring m_strNicName;  // connection name, the name= argument of every line
    std::wstring m_strIp;
    std::wstring m_strMask;
    std::wstring m_strGateway;  // "0.0.0.0" means no gateway
    std::wstring m_strDns[2];   // "0.0.0.0" as the secondary means none
    bool m_bDhcpIp = true;
    bool m_bDhcpDns = true;
    int32_t m_nMetric = 1;
    // Added after the first address, in order; only with a static address.
    std::vector<ExtraAddressTarget> m_ExtraAddresses;
    // The adapter already takes its address from DHCP: the DHCP address line is left out, since
    // netsh refuses it ("DHCP is already enabled on this interface") and a DHCP client may renew
    // its lease on it. Only automatic switching sets it; CopyProfileToChanger clears it.
    bool m_bDhcpAlreadyOn = false;
};

// The start of every DNS line, trailing blank included.
inline constexpr wchar_t kDnsCommandPrefix[] = L"netsh interface ip ";

// The address line: DHCP, static without gateway, or static with gateway and metric.
std::wstring AddressCommandLine(const NetworkTarget& target);

// The DNS line for server slot 0 (primary; always a line) or 1 (secondary). Returns false and
// leaves line untouched when slot 1 has nothing to do: DNS from DHCP, or no secondary server.
bool DnsCommandLine(const NetworkTarget& target, int nIndex, std::wstring& line);

// "netsh interface ip add address name="..." addr=A mask=M" for one extra address.
std::wstring AddAddressCommandLine(const NetworkTarget& target, const ExtraAddressTarget& extra);

// Every line an apply runs, in order: address, one line per extra address (static only), primary
// DNS, then the secondary if there is one.
std::vector<std::wstring> ApplyCommandLines(const NetworkTarget& target);

// How one command line of an apply ended.
enum class CommandOutcome {
    Exited,      // ran to its end; exitCode holds its status
    NotStarted,  // the system would not start it
    TimedOut,    // ran past the limit and was ended
};

struct CommandResult {
    std::wstring line;  // as built, starting with "netsh"
    CommandOutcome outcome = CommandOutcome::NotStarted;
    uint32_t exitCode = 0;
    uint32_t limitMs = 0;  // for TimedOut: the limit it ran past
};

// The line as the system is to run it: its first word, "netsh", replaced by the quoted full path
// of the system's own netsh.exe, so that no netsh.exe in the program's or the current folder is
// ever found instead. The rest of the line is kept as it is.
std::wstring SystemCommandLine(const std::wstring& netshPath, const std::wstring& line);

// Takes a profile's network settings into the target. Addresses (extra pairs included) are copied
// only when their DHCP flag is off; the others keep whatever the target held, since no command
// line reads them.
void CopyProfileToChanger(const NICs& record, NetworkTarget& target);
