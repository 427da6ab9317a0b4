#include "config/ProfileTransfer.h"

#include <algorithm>

#include "config/ConfigKeys.h"
#include "config/FormToProfile.h"
#include "config/SectionNames.h"

namespace {

// The keys a profile is read from; a section without any of them is not one.
constexpr const wchar_t* kProfileKeys[] = {
    kKeyNic,     kKeyMetric, kKeyNicname, kKeyDhcpIp,  kKeyDhcpDns,       kKeyIp,       kKeySubnet,
    kKeyGateway, kKeyDns,    kKeyDns2,    kKeyPrinter, kKeyCheckAutoconf, kKeyAutoconf,
};

bool HoldsProfileKey(const IniSection& section, SameIniNameRule sameName) {
    return std::any_of(section.entries.begin(), section.entries.end(), [&](const IniEntry& e) {
        return std::any_of(std::begin(kProfileKeys), std::end(kProfileKeys),
                           [&](const wchar_t* key) { return sameName(e.first, key); });
    });
}

std::vector<IniEntry>::iterator FindKey(std::vector<IniEntry>& entries, std::wstring_view key,
                                        SameIniNameRule sameName) {
    return std::find_if(entries.begin(), entries.end(),
                        [&](const IniEntry& e) { return sameName(e.first, key); });
}

void LeaveOutNetworks(IniSection& section, SameIniNameRule sameName) {
    std::erase_if(section.entries,
                  [&](const IniEntry& e) { return sameName(e.first, kKeyNetworks); });
}

bool IsUsableTitle(std::wstring_view title) {
    return !TrimIniBlanks(title).empty() && !IsOptionsSectionName(title) &&
           title.size() <= kFormTitleMaxChars;
}

}  // namespace

std::vector<IniEntry> EntriesAsStored(std::wstring_view block, SameIniNameRule sameName) {
    std::vector<IniEntry> entries;
    std::vector<std::wstring> hidden;  // names whose first line has no '='
    const auto seen = [&](std::wstring_view name) {
        return std::any_of(entries.begin(), entries.end(),
                           [&](const IniEntry& e) { return sameName(e.first, name); }) ||
               std::any_of(hidden.begin(), hidden.end(),
                           [&](const std::wstring& h) { return sameName(h, name); });
    };
    while (!block.empty()) {
        const size_t end = block.find(L'\0');
        const std::wstring_view line = block.substr(0, end);
        block.remove_prefix(end == std::wstring_view::npos ? block.size() : end + 1);
        const size_t equals = line.find(L'=');
        const std::wstring_view name = line.substr(0, equals);
        if (name.empty() || seen(name)) continue;
        if (equals == std::wstring_view::npos) {
            hidden.emplace_back(name);
        } else {
            entries.emplace_back(std::wstring(name), std::wstring(line.substr(equals + 1)));
        }
    }
    return entries;
}

StoredSections SectionsAsStored(std::span<const IniTextSection> text, SameIniNameRule sameName) {
    StoredSections stored;
    for (const IniTextSection& section : text) {
        if (section.name.empty()) {
            if (!section.block.empty()) ++stored.strayParts;
            continue;
        }
        const bool bRepeated =
            std::any_of(stored.sections.begin(), stored.sections.end(),
                        [&](const IniSection& s) { return sameName(s.name, section.name); });
        if (bRepeated) {
            ++stored.strayParts;
            continue;
        }
        stored.sections.push_back({section.name, EntriesAsStored(section.block, sameName)});
    }
    return stored;
}

std::vector<IniSection> ProfilesToExport(std::span<const IniTextSection> text,
                                         SameIniNameRule sameName) {
    std::vector<IniSection> profiles = SectionsAsStored(text, sameName).sections;
    std::erase_if(profiles, [](const IniSection& s) { return IsOptionsSectionName(s.name); });
    for (IniSection& profile : profiles) LeaveOutNetworks(profile, sameName);
    return profiles;
}

ImportPlan PlanImport(std::span<const IniTextSection> text, SameIniNameRule sameName) {
    ImportPlan plan;
    std::vector<IniSection> seen;  // every named section so far, profile or not
    for (const IniTextSection& section : text) {
        if (section.name.empty()) {
            if (!section.block.empty()) plan.skipped.emplace_back();
            continue;
        }
        if (IsOptionsSectionName(section.name)) continue;
        IniSection candidate{section.name, EntriesAsStored(section.block, sameName)};
        const bool bRepeated = std::any_of(seen.begin(), seen.end(), [&](const IniSection& s) {
            return sameName(s.name, section.name);
        });
        seen.push_back({section.name, {}});
        if (bRepeated || !IsUsableTitle(candidate.name) || !HoldsProfileKey(candidate, sameName)) {
            plan.skipped.push_back(candidate.name);
            continue;
        }
        LeaveOutNetworks(candidate, sameName);
        plan.profiles.push_back(std::move(candidate));
    }
    return plan;
}

ImportCount MergeImportedProfiles(std::vector<IniSection>& file,
                                  std::span<const IniSection> imported, SameIniNameRule sameName) {
    ImportCount count;
    const auto lastProfile = std::find_if(file.rbegin(), file.rend(), [](const IniSection& s) {
        return !IsOptionsSectionName(s.name);
    });
    size_t insertAt = static_cast<size_t>(file.rend() - lastProfile);
    for (const IniSection& profile : imported) {
        const auto existing = std::find_if(file.begin(), file.end(), [&](const IniSection& s) {
            return !IsOptionsSectionName(s.name) && sameName(s.name, profile.name);
        });
        if (existing == file.end()) {
            file.insert(file.begin() + static_cast<std::ptrdiff_t>(insertAt++), profile);
            ++count.added;
            continue;
        }
        IniSection replacement = profile;
        LeaveOutNetworks(replacement, sameName);
        const auto networks = FindKey(existing->entries, kKeyNetworks, sameName);
        if (networks != existing->entries.end()) replacement.entries.push_back(*networks);
        *existing = std::move(replacement);
        ++count.replaced;
    }
    return count;
}
