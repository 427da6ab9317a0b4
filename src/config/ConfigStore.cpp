#include "config/ConfigStore.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/ProfileTransfer.h"
#include "config/SectionNames.h"
#include "platform/CodePage.h"
#include "platform/ConfigurationFile.h"
#include "platform/FileRules.h"
#include "platform/SystemError.h"

namespace {

// Section and key names compare as the private-profile functions compare them.
bool SameIniName(std::wstring_view a, std::wstring_view b) {
    return platform::SameTextIgnoringCase(a, b);
}

// The file the rewrite leaves is the one WritePrivateProfileStringW leaves when the sections are
// written key by key: a section name is matched without regard to case or surrounding blanks,
// so "Home", "home" and " Home" share the first one's section; a key already there takes the
// new value in its place, a new key goes last, and keys only the earlier profile wrote stay.
// Leading blanks of a value are not stored.
std::vector<IniSection> MergeSectionsLikeTheSystem(std::span<const IniSection> sections) {
    std::vector<IniSection> merged;
    for (const IniSection& section : sections) {
        const std::wstring name(TrimIniBlanks(section.name));
        IniSection* target = nullptr;
        for (IniSection& existing : merged) {
            if (SameIniName(existing.name, name)) {
                target = &existing;
                break;
            }
        }
        if (!target) target = &merged.emplace_back(IniSection{name, {}});
        for (const auto& [key, value] : section.entries) {
            std::wstring_view stored = value;
            while (!stored.empty() && IsIniBlank(stored.front())) stored.remove_prefix(1);
            auto entry = std::find_if(target->entries.begin(), target->entries.end(),
                                      [&](const auto& e) { return SameIniName(e.first, key); });
            if (entry != target->entries.end()) {
                entry->second = stored;
            } else {
                target->entries.emplace_back(key, std::wstring(stored));
            }
        }
    }
    return merged;
}

// Sets each key in the section, leaving the section's other keys as they are.
bool WriteKeys(const std::wstring& file, const std::wstring& name,
               std::span<const IniEntry> entries) {
    for (const auto& [key, value] : entries) {
        if (!platform::WritePrivateProfileKey(file, name, key, value)) {
            return false;
        }
    }
    return true;
}

// "key=value" lines as GetPrivateProfileSectionW returns them, turned into the pairs that
// GetPrivateProfileStringW would answer.
std::vector<IniEntry> EntriesOfBlock(std::wstring_view block) {
    std::vector<IniEntry> entries;
    for (std::wstring_view line : SplitSectionNames(block)) {
        const size_t equals = line.find(L'=');
        // A name without '=' still shadows a later line of that name, and reads as missing.
        if (equals == std::wstring_view::npos) {
            entries.emplace_back(std::wstring(TrimIniBlanks(line)), kMissingText);
            continue;
        }
        std::wstring_view value = TrimIniBlanks(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        entries.emplace_back(std::wstring(TrimIniBlanks(line.substr(0, equals))),
                             std::wstring(value));
    }
    return entries;
}

// The file's sections as the private-profile functions split them.
std::shared_ptr<const std::vector<IniTextSection>> SectionsOfBytes(const std::string& bytes) {
    return std::make_shared<const std::vector<IniTextSection>>(
        ParseIniText(platform::DecodeIniBytes(bytes)));
}

}  // namespace

std::shared_ptr<const std::vector<IniTextSection>> ReadIniFile(const std::wstring& path,
                                                               unsigned long* pdwError) {
    std::string bytes;
    uint32_t dwError =
        path.empty() ? kErrorFileNotFound : platform::ReadConfigurationBytes(path, bytes);
    if (dwError == kErrorFileNotFound) dwError = 0;
    if (pdwError) *pdwError = dwError;
    if (dwError != 0 || bytes.empty()) {
        return std::make_shared<const std::vector<IniTextSection>>();
    }
    return SectionsOfBytes(bytes);
}

std::shared_ptr<const std::vector<IniTextSection>> ReadIniFileOrNull(const std::wstring& path) {
    std::string bytes;
    const uint32_t dwError =
        path.empty() ? kErrorPathNotFound : platform::ReadConfigurationBytes(path, bytes);
    if (dwError != 0) {
        platform::SetLastErrorCode(dwError);
        return nullptr;
    }
    return SectionsOfBytes(bytes);
}

std::wstring PrivateProfileReader::GetString(const std::wstring& section, const std::wstring& key) {
    if (!m_fetched || m_section != section) {
        m_entries.clear();
        for (const IniTextSection& candidate : *m_sections) {
            if (!candidate.name.empty() && SameIniName(candidate.name, section)) {
                m_entries = EntriesOfBlock(candidate.block);
                break;
            }
        }
        m_section = section;
        m_fetched = true;
    }
    for (const auto& [name, value] : m_entries) {
        if (SameIniName(name, key)) return value;
    }
    return kMissingText;
}

IniSectionList::IniSectionList(std::wstring filePath) : path(std::move(filePath)) {
    if (path.empty()) return;
    sections = ReadIniFile(path, &readError);
    names = ListedSectionNames(*sections);
    count = static_cast<int>(names.size());
    loaded = true;
}

IniSectionList::IniSectionList(std::wstring filePath,
                               std::shared_ptr<const std::vector<IniTextSection>> text)
    : path(std::move(filePath)), loaded(true), sections(std::move(text)) {
    names = ListedSectionNames(*sections);
    count = static_cast<int>(names.size());
}

bool SameSectionName(std::wstring_view a, std::wstring_view b) {
    return SameIniName(TrimIniBlanks(a), TrimIniBlanks(b));
}

namespace {

// Runs one write of the file at path under its lock, after clearing what killed writers left.
// The lock is taken here only: a write inside an update runs in the update's one taking of it.
// Without the program's own path a temporary name would land in whatever the current folder is,
// and the failure path would delete a stranger's file of that name: an empty path writes nothing.
template <class Write>
bool WriteUnderLock(const std::wstring& path, const Write& write) {
    if (path.empty()) {
        platform::SetLastErrorCode(kErrorPathNotFound);
        return false;
    }
    platform::ConfigurationLock lock(path);
    if (!lock.Owned()) return false;
    platform::RemoveStaleTemporaryFiles(path);
    return write();
}

// Replaces the file with these sections; the caller holds the lock.
bool WriteSectionsLocked(const std::wstring& path, std::span<const IniSection> sections) {
    const std::wstring temp = platform::TemporaryConfigurationPath(path);
    // One write of the whole file: under Wine every private-profile call re-reads and rewrites
    // a recently changed file, which made a section-by-section rewrite cost the square of the
    // profile count. The bytes are the ones WritePrivateProfileSectionW would leave.
    const std::wstring text = RenderIniText(MergeSectionsLikeTheSystem(sections));
    return platform::ReplaceConfigurationFile(platform::CreateUnicodeFile(temp, text), temp, path);
}

}  // namespace

bool UpdateConfigurationFile(const std::wstring& path, std::span<const NICs> inventory,
                             const Options& options, const ConfigurationChange& change,
                             const IniFileReader& read) {
    return WriteUnderLock(path, [&] {
        // Read from the disk, not from the private-profile functions' cache: this update must see
        // the file as another copy has just left it. A file that could not be read is not an
        // empty one: writing the change over it would drop every other profile.
        unsigned long dwError = 0;
        const std::shared_ptr<const std::vector<IniTextSection>> sections = read(path, &dwError);
        if (dwError != 0) {
            platform::SetLastErrorCode(dwError);
            return false;
        }
        PrivateProfileReader reader(sections);
        Options current = options;
        LoadedConfiguration loaded =
            ReadConfiguration(reader, ListedSectionNames(*sections), inventory, current);
        change(loaded.profiles, current);
        std::vector<IniSection> content = BuildConfigurationContent(loaded.profiles, current);
        CarryStoredKeys(content, SectionsAsStored(*sections, SameSectionName).sections,
                        SameSectionName);
        return WriteSectionsLocked(path, content);
    });
}

bool UpdateConfigurationSections(const std::wstring& path,
                                 const std::function<void(std::vector<IniSection>&)>& change,
                                 const IniFileReader& read) {
    return WriteUnderLock(path, [&] {
        unsigned long dwError = 0;
        const std::shared_ptr<const std::vector<IniTextSection>> text = read(path, &dwError);
        if (dwError != 0) {
            platform::SetLastErrorCode(dwError);
            return false;
        }
        std::vector<IniSection> sections = SectionsAsStored(*text, SameSectionName).sections;
        change(sections);
        return WriteSectionsLocked(path, sections);
    });
}

bool WriteConfigurationFile(const std::wstring& path, std::span<const IniSection> sections) {
    return WriteUnderLock(path, [&] { return WriteSectionsLocked(path, sections); });
}

bool WriteOptionsSection(const std::wstring& path, const Options& options, unsigned keys,
                         Options* pInFile) {
    return WriteUnderLock(path, [&] {
        std::string bytes;
        const uint32_t dwRead = platform::ReadConfigurationBytes(path, bytes);
        if (dwRead != 0 && dwRead != kErrorFileNotFound) {
            platform::SetLastErrorCode(dwRead);
            return false;
        }
        const std::shared_ptr<const std::vector<IniTextSection>> sections = SectionsOfBytes(bytes);
        const bool bHasSection = std::any_of(sections->begin(), sections->end(), [](const auto& s) {
            return SameIniName(s.name, kOptionsSection);
        });
        const std::wstring temp = platform::TemporaryConfigurationPath(path);
        // The copy holds the file's bytes as they are, so its encoding carries over; a missing
        // file starts as a new Unicode one.
        bool written = dwRead == kErrorFileNotFound ? platform::CreateUnicodeFile(temp)
                                                    : platform::CreateFileWithBytes(temp, bytes);
        written = written &&
                  WriteKeys(temp, kOptionsSection, OptionsEntries(options, keys, !bHasSection));
        if (!platform::ReplaceConfigurationFile(written, temp, path)) return false;
        if (pInFile) {
            PrivateProfileReader reader(sections);
            *pInFile = options;
            ReadOptions(reader, *pInFile);
            CopyOptions(options, keys, *pInFile);
        }
        return true;
    });
}

bool WriteProfileKey(const std::wstring& path, std::wstring_view title, std::wstring_view key,
                     const std::wstring& value) {
    return WriteUnderLock(path, [&] {
        unsigned long dwError = 0;
        const std::shared_ptr<const std::vector<IniTextSection>> text = ReadIniFile(path, &dwError);
        if (dwError != 0) {
            platform::SetLastErrorCode(dwError);
            return false;
        }
        std::vector<IniSection> sections = SectionsAsStored(*text, SameSectionName).sections;
        const auto section = std::find_if(sections.begin(), sections.end(), [&](const auto& s) {
            return SameSectionName(s.name, title) && !IsOptionsSectionName(s.name);
        });
        if (section == sections.end()) {
            platform::SetLastErrorCode(kErrorFileNotFound);
            return false;
        }
        auto& entries = section->entries;
        const auto entry = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
            return SameSectionName(e.first, key);
        });
        if (value.empty()) {
            if (entry == entries.end()) return true;
            entries.erase(entry);
        } else if (entry == entries.end()) {
            entries.emplace_back(std::wstring(key), value);
        } else {
            entry->second = value;
        }
        return WriteSectionsLocked(path, sections);
    });
}
