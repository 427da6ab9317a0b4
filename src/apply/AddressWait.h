// The short wait after an apply's commands for a static address to show on its adapter.
#pragma once

#include <chrono>
#include <vector>

#include "apply/NetshCommands.h"

// Windows checks a new address for duplicates on the network (about a second or three) before it
// reports it; past this, an address that is still missing is reported as not taken.
inline constexpr std::chrono::milliseconds kAddressWaitLimit{5000};

// Waits, at most limit, until the static address asked for shows on its adapter, reading the
// adapters afresh a few times a second. Returns at once when there is nothing to wait for (DHCP,
// a refused address command, a down link). Blocks: call it on the apply thread.
void WaitForAddress(const NetworkTarget& asked, const std::vector<CommandResult>& results,
                    std::chrono::milliseconds limit = kAddressWaitLimit);
