// What the user is told after the commands of an apply have run: nothing when the adapter now
// has what was asked, otherwise what was asked, what the adapter has and how each command ended.
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

// The message after an apply, in language, or an empty text when there is nothing to say. Said
// when a static address (or one of its extra addresses, which it then names) did not take on the
// adapter named by asked (or that adapter is gone from the rebuilt inventory), unless its link is
// down, and when a command had to be ended. DHCP
// addresses and DNS servers are not compared: an address from DHCP can take long to arrive, and the
// system's DNS servers may be read only once per process.
std::wstring ApplyReport(const NetworkTarget& asked, std::span<const NICs> inventory,
                         const std::vector<CommandResult>& results, int language);
