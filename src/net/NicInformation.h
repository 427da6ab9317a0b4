// The "Current NIC Information" text: what the last inventory says about one adapter.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "net/NICs.h"

// Describes adapter; a down link (operstatus not 1) shows only "Disconnected" and the adapter's
// status unless bChangeForce is set. A static adapter with further addresses is described more
// compactly, one "IP: ADDRESS/PREFIX" line per address. Line ends are "\n"; the caller converts
// them for a static control.
std::wstring ComposeNicInformation(const NICs& adapter, bool bChangeForce);

// The inventory position of the adapter the commands of an apply address: the first whose
// connection name is nicname (netsh knows adapters by that name). -1 when there is none.
int AdapterPosition(std::span<const NICs> inventory, std::wstring_view nicname);

// The text shown while no adapter is selected.
inline constexpr wchar_t kNoAdapterInformation[] = L"No NIC selected";
