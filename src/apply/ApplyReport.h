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

// The message after an apply, in language, or an empty text when there is nothing to say. Said
// when a static address did not take on the adapter named by asked (or that adapter is gone from
// the rebuilt inventory), and when a command had to be ended. DHCP addresses and DNS servers are
// not compared: an address from DHCP can take long to arrive, and the system's DNS servers may
// be read only once per process.
std::wstring ApplyReport(const NetworkTarget& asked, std::span<const NICs> inventory,
                         const std::vector<CommandResult>& results, int language);
