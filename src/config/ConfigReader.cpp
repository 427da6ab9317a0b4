#include "config/ConfigReader.h"

#include <algorithm>

#include "config/ProfileExtras.h"
#include "config/SectionNames.h"
#include "net/AddressText.h"

namespace {

// A value as the program sees it through its read buffer, or nothing when the key is absent.
bool ReadText(IniReader& reader, const std::wstring& section, const wchar_t* key,
              std::wstring& value, size_t maxChars = kMaxValueChars) {
    value = reader.GetString(section, key);
    if (value == kMissingText) return false;
    if (value.size() > maxChars) value.resize(maxChars);
    return true;
}

// Missing reads as true: a section that says nothing about DHCP is a DHCP profile.
int32_t ReadDhcpFlag(IniReader& reader, const std::wstring& section, const wchar_t* key) {
    std::wstring value;
    if (!ReadText(reader, section, key, value)) return 1;
    return ParseIniBool(value) ? 1 : 0;
}

template <size_t N>
void ReadAddress(IniReader& reader, const std::wstring& section, const wchar_t* key,
                 wchar_t (&field)[N]) {
    std::wstring value;
    if (ReadText(reader, section, key, value)) CopyField(field, value, kAddressKeepChars);
}

void ReadOptionFlag(IniReader& reader, const wchar_t* key, bool& field) {
    std::wstring value;
    if (ReadText(reader, kOptionsSection, key, value)) field = ParseIniBool(value);
}

const NICs* FindByIndex(std::span<const NICs> inventory, int32_t nic) {
    auto it = std::find_if(inventory.begin(), inventory.end(),
                           [nic](const NICs& adapter) { return adapter.nic == nic; });
    return it == inventory.end() ? nullptr : &*it;
}

const NICs* FindByName(std::span<const NICs> inventory, std::wstring_view nicname) {
    auto it = std::find_if(inventory.begin(), inventory.end(), [nicname](const NICs& adapter) {
        return std::wstring_view(adapter.nicname) == nicname;
    });
    return it == inventory.end() ? nullptr : &*it;
}

}  // namespace

int32_t IniReader::GetInt(const std::wstring& section, const std::wstring& key, int32_t fallback) {
    const std::wstring value = GetString(section, key);
    if (value == kMissingText) return fallback;
    return ParseIniInt(value, fallback);
}

LoadedProfile ReadProfile(IniReader& reader, const std::wstring& section) {
    LoadedProfile loaded;
    Profile& p = loaded.profile;
    CopyField(p.title, section);

    const int32_t nic = reader.GetInt(section, kKeyNic, kMissingInt);
    loaded.hasNic = nic != kMissingInt;
    p.nic = loaded.hasNic ? nic : kNicWhenMissing;

    std::wstring value;
    loaded.hasNicname = ReadText(reader, section, kKeyNicname, value);
    CopyField(p.nicname, loaded.hasNicname ? value : std::wstring(kNicnameWhenMissing));

    p.metric = reader.GetInt(section, kKeyMetric, kMetricWhenMissing);
    p.dhcpip = ReadDhcpFlag(reader, section, kKeyDhcpIp);
    p.dhcpdns = ReadDhcpFlag(reader, section, kKeyDhcpDns);

    if (!p.dhcpip) {
        ReadAddress(reader, section, kKeyIp, p.ip);
        ReadAddress(reader, section, kKeySubnet, p.subnet);
        ReadAddress(reader, section, kKeyGateway, p.gateway);
    }
    if (!p.dhcpdns) {
        ReadAddress(reader, section, kKeyDns, p.dns);
        ReadAddress(reader, section, kKeyDns2, p.dns2);
    }

    CopyField(p.printer, ReadText(reader, section, kKeyPrinter, value, kMaxLongValueChars)
                             ? value
                             : std::wstring(kPrinterWhenMissing));
    p.checkautoconf =
        ReadText(reader, section, kKeyCheckAutoconf, value) && ParseIniBool(value) ? 1 : 0;
    if (ReadText(reader, section, kKeyAutoconf, value, kMaxLongValueChars)) {
        CopyField(p.autoconf, value);
    }
    ReadProfileExtras(reader, section, p);
    return loaded;
}

bool ReadOptions(IniReader& reader, Options& options) {
    std::wstring value;
    const bool languageRead = ReadText(reader, kOptionsSection, kKeyLanguage, value);
    if (languageRead) options.language = ParseLanguageCode(value);
    ReadOptionFlag(reader, kKeyStartOnBoot, options.startonboot);
    ReadOptionFlag(reader, kKeyUseGlobalHotKey, options.useglobalhotkey);
    ReadOptionFlag(reader, kKeyChangeForce, options.changeforce);
    ReadOptionFlag(reader, kKeyAutoSwitch, options.autoswitch);
    return languageRead;
}

AdapterRepair DecideAdapterRepair(const LoadedProfile& loaded, std::span<const NICs> inventory) {
    AdapterRepair repair;
    if (inventory.empty()) return repair;

    const Profile& p = loaded.profile;
    const NICs* byIndex = loaded.hasNic ? FindByIndex(inventory, p.nic) : nullptr;
    const NICs* byName = loaded.hasNicname ? FindByName(inventory, p.nicname) : nullptr;
    if (byIndex && byName) return repair;

    const NICs* source = byIndex ? byIndex : byName ? byName : &inventory.front();
    repair.repaired = true;
    repair.setNic = byIndex == nullptr;
    repair.nic = source->nic;
    repair.setNicname = byName == nullptr;
    repair.nicname = source->nicname;
    return repair;
}

void ApplyAdapterRepair(const AdapterRepair& repair, Profile& profile) {
    if (repair.setNic) profile.nic = repair.nic;
    if (repair.setNicname) CopyField(profile.nicname, repair.nicname);
}

RepairPlan PlanAdapterRepairs(std::span<const LoadedProfile> profiles,
                              std::span<const NICs> inventory) {
    RepairPlan plan;
    plan.repairs.reserve(profiles.size());
    for (const LoadedProfile& loaded : profiles) {
        plan.repairs.push_back(DecideAdapterRepair(loaded, inventory));
        plan.askToSave = plan.askToSave || plan.repairs.back().repaired;
    }
    return plan;
}

LoadedConfiguration ReadConfiguration(IniReader& reader, std::span<const std::wstring> sectionNames,
                                      std::span<const NICs> inventory, Options& options) {
    LoadedConfiguration result;
    std::vector<LoadedProfile> loaded;
    for (const std::wstring& name : sectionNames) {
        // A hand-edited file may spell it in another case; the system's functions take it for
        // the same section, and reading it as a profile would lose the options at the next save.
        if (IsOptionsSectionName(name)) {
            result.languageRead = ReadOptions(reader, options) || result.languageRead;
        } else {
            loaded.push_back(ReadProfile(reader, name));
        }
    }

    const RepairPlan plan = PlanAdapterRepairs(loaded, inventory);
    result.askToSave = plan.askToSave;
    result.profiles.reserve(loaded.size());
    for (size_t i = 0; i < loaded.size(); ++i) {
        result.profiles.push_back(loaded[i].profile);
        ApplyAdapterRepair(plan.repairs[i], result.profiles.back());
    }
    return result;
}
