// What the window and the command line share of automatic switching: its log, asking the
// adapter's network for its identity, the profiles of an adapter with the networks the file holds
// for them now, and a profile learning a network.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "net/NICs.h"
#include "net/NetworkWatch.h"
#include "switching/AutoSwitch.h"

// One line of vorlip_autoswitch.log beside the program; a log that cannot be written is left.
void SwitchLog(const std::wstring& line);
void SwitchLog(const std::wstring& nicname, const std::wstring& line);

// The identity of the network the adapter is on. Blocks for up to a few seconds.
NetworkIdentity ProbeAdapterNetwork(const AdapterSnapshot& snapshot);

// The adapter as the system shows it now; false when it is not there.
bool ReadAdapterSnapshot(const std::wstring& nicname, AdapterSnapshot& snapshot);

// The profiles that name nicname, in list order, with the networks the file at path holds for
// each now (another copy or /apply may have taught one since the last load).
std::vector<SwitchProfile> SwitchProfilesFromFile(const std::wstring& path,
                                                  std::span<const Profile> profiles,
                                                  const std::wstring& nicname);

// profile learns seen (newest first); only its networks key is written. True when the file holds
// it afterwards.
bool RememberNetworkFor(const std::wstring& path, const SwitchProfile& profile,
                        const NetworkIdentity& seen);

// A manual apply of the profile titled title took on its adapter nicname: the profile learns the
// network when no other profile knows it. *pOther is set (and nothing written) when another one
// does; the caller may ask the user and call MoveNetwork. Returns the network seen.
NetworkIdentity TeachNetwork(const std::wstring& path, std::span<const Profile> profiles,
                             const std::wstring& title, const std::wstring& nicname,
                             std::wstring* pOther);
// Moves seen from the profile titled from to the one titled to.
bool MoveNetwork(const std::wstring& path, std::span<const Profile> profiles,
                 const std::wstring& nicname, const std::wstring& from, const std::wstring& to,
                 const NetworkIdentity& seen);
