// What the user is told after an apply, and whether it took: nothing when every step did,
// otherwise, for the adapter, what was asked, what it has and how each command ended, and a line
// for a proxy script or a default printer that could not be set.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "apply/NetshCommands.h"
#include "net/NICs.h"

// True when adapter carries the static address and mask asked for, and the gateway when one was
// asked for. Only the first address the inventory keeps is compared.
bool AddressTook(const NetworkTarget& asked, const NICs& adapter);

// Each address of the profile, the first and the extra ones, that adapter does not carry with its
// mask among any of its addresses, as "ADDRESS / MASK". Empty for a DHCP profile.
std::vector<std::wstring> MissingAddresses(const NetworkTarget& asked, const NICs& adapter);

// Where the address of an apply stands on an inventory read after its commands.
enum class AddressCheck {
    NotCompared,  // DHCP, or the adapter's link is down: Windows shows no address on a down
                  // link, and the settings take effect when it connects
    Took,         // and every extra address is there too
    NotYet,       // not (yet) there, or the adapter is missing from the inventory
};
AddressCheck CheckAddress(const NetworkTarget& asked, std::span<const NICs> inventory);

// True when it is worth waiting for the address to appear: a static address whose command ended
// well. Windows checks a new address for duplicates on the network before it shows it.
bool ShouldWaitForAddress(const NetworkTarget& asked, const std::vector<CommandResult>& results);

// The adapter's part of the message after an apply, in language, or an empty text when there is
// nothing to say. Said when a static address (or one of its extra addresses, which it then names)
// did not take on the adapter named by asked (or that adapter is gone from the rebuilt inventory),
// unless its link is down, and when a command had to be ended or could not be started. DHCP
// addresses and DNS servers are not compared: an address from DHCP can take long to arrive, and the
// system's DNS servers may be read only once per process.
std::wstring ApplyReport(const NetworkTarget& asked, std::span<const NICs> inventory,
                         const std::vector<CommandResult>& results, int language);

// What became of the default printer in an apply.
enum class PrinterStep {
    Unchanged,  // the profile chose no printer
    Set,
    Refused,  // the system would not make it the default
    Missing,  // no printer of the profile's name is there, so nothing was set
};

// The steps after the commands: the proxy script and server, the default printer and the inventory
// read again to check the address.
struct ApplySteps {
    bool scriptFailed = false;       // the proxy script value could not be written or removed
    bool proxyServerFailed = false;  // the proxy server values could not be written
    PrinterStep printer = PrinterStep::Unchanged;
    std::wstring printerName;  // the printer that was to become the default
    bool adaptersRead = true;  // false: the inventory could not be read after the commands
};

enum class ApplyVerdict {
    Took,                // nothing to say (DHCP addresses and DNS servers are not compared)
    NotTaken,            // a step failed: the address, a command that had to be ended or could
                         // not be started, the proxy script or server, or the printer
    AdaptersUnreadable,  // the adapters could not be read after the commands: the address is
                         // unknown, whatever else failed
};

// A netsh's exit code plays no part: netsh ends with 1 also for harmless cases such as "DHCP is
// already enabled on this interface"; whether the address took is read from the adapter.
ApplyVerdict JudgeApply(const NetworkTarget& asked, std::span<const NICs> inventory,
                        const std::vector<CommandResult>& results, const ApplySteps& steps);

// The message for the whole apply in language: empty exactly when JudgeApply says Took.
// Otherwise the adapter's part as above (or, without an inventory, that it could not be checked,
// with every command's end), followed by one line per other step that failed.
std::wstring ApplyReport(const NetworkTarget& asked, std::span<const NICs> inventory,
                         const std::vector<CommandResult>& results, const ApplySteps& steps,
                         int language);
