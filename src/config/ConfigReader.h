// Reading the configuration file into profiles and options, and repairing profiles whose adapter
// reference no longer matches the machine. The file itself is reached through IniReader, so the
// rules here run the same against the private-profile functions and against a test double.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "config/ConfigKeys.h"
#include "net/NICs.h"

class IniReader {
public:
    virtual ~IniReader() = default;

    // The value of key in section, or exactly kMissingText when the key is absent. Values longer
    // than kMaxValueChars may be returned; the readers below cut them.
    virtual std::wstring GetString(const std::wstring& section, const std::wstring& key) = 0;

    // The integer value of key, or fallback when the key is absent or empty: GetString read
    // through ParseIniInt, which gives what GetPrivateProfileIntW gives for the same text.
    virtual int32_t GetInt(const std::wstring& section, const std::wstring& key, int32_t fallback);
};

// One profile as read, with what the repair needs to know about it: whether the file named an
// adapter index and an adapter name at all (a missing key never matches an adapter, even one
// that happens to carry the stand-in value).
struct LoadedProfile {
    Profile profile{};
    bool hasNic = false;
    bool hasNicname = false;
};

// Reads the profile stored under section; the title is the section name. Fields the file does
// not mention get their stand-ins; address fields are read only when the matching DHCP flag is
// off and are cut to kAddressKeepChars. The extra pairs and the proxy server follow the rules of
// ReadProfileExtras.
LoadedProfile ReadProfile(IniReader& reader, const std::wstring& section);

// Reads the options section into options. Keys that are absent leave their field as it was.
// Returns true when the file named a language, which the caller then applies to the window.
bool ReadOptions(IniReader& reader, Options& options);

// What the repair does to one profile. The inventory is searched in its order and the first
// match wins.
//   index known, name known:  nothing, even if the two belong to different adapters
//   index known, name unknown: name of the first adapter with that index
//   index unknown, name known: index of the first adapter with that name
//   neither known:             index and name of the first adapter
// With an empty inventory there is nothing to take: the profile keeps what was read (or the
// stand-ins -1 and "No Friend name") and is not counted as repaired, so no save is offered for
// a file that would not change.
struct AdapterRepair {
    bool repaired = false;  // something changed; offer to save the file
    bool setNic = false;
    int32_t nic = 0;
    bool setNicname = false;
    std::wstring nicname;
};

AdapterRepair DecideAdapterRepair(const LoadedProfile& loaded, std::span<const NICs> inventory);
void ApplyAdapterRepair(const AdapterRepair& repair, Profile& profile);

struct RepairPlan {
    std::vector<AdapterRepair> repairs;  // one per profile, in list order
    bool askToSave = false;              // at least one profile was repaired
};

RepairPlan PlanAdapterRepairs(std::span<const LoadedProfile> profiles,
                              std::span<const NICs> inventory);

struct LoadedConfiguration {
    std::vector<Profile> profiles;  // file order, adapter references already repaired
    bool askToSave = false;         // a repair happened; ask in the current language
    bool languageRead = false;      // the options section named a language
};

// Reads every section of sectionNames in order: the options section into options, every other
// section as a profile, and repairs the profiles against inventory. The caller asks the save
// question only when askToSave is set and the language has a text for it.
LoadedConfiguration ReadConfiguration(IniReader& reader, std::span<const std::wstring> sectionNames,
                                      std::span<const NICs> inventory, Options& options);
