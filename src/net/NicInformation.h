// The "Current NIC Information" text: what the last inventory says about one adapter.
#pragma once

#include <string>

#include "net/NICs.h"

// Describes adapter; a down link (operstatus not 1) shows only "Disconnected" and the working
// record's status unless bChangeForce is set. Line ends are "\n"; the caller converts them for a
// static control.
std::wstring ComposeNicInformation(const NICs& adapter, int nWorkingOperStatus, bool bChangeForce);

// The text shown while no adapter is selected.
inline constexpr wchar_t kNoAdapterInformation[] = L"No NIC selected";
