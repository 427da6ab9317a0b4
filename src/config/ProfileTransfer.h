// Carrying profiles from one PC's configuration file to another's: which sections of a file are
// profiles, what an export writes and how an import merges into the file as it is now. Sections
// travel with their keys as they stand, so keys this version does not know (written by a newer
// version) travel too; only the networks a PC learned stay on that PC. Plain C++: the store
// (ConfigStore) does the reading and writing under the file's lock.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/ConfigWriter.h"
#include "config/IniText.h"

// Whether two section or key names are one for the private-profile functions. The store passes
// its own rule (any case, blanks around the name ignored); the logic here never guesses it.
using SameIniNameRule = bool (*)(std::wstring_view, std::wstring_view);

// The key lines of a section block as the reading rules answer them: the first line of each
// name wins, a name without '=' reads as missing (and hides later lines of that name, so it goes
// with them), and every value stays as stored, quotes included, so it reads back the same.
std::vector<IniEntry> EntriesAsStored(std::wstring_view block, SameIniNameRule sameName);

// The named sections of a file as the program reads them: the first section of each name, in
// file order, with its keys as stored. What the reading rules never show is counted in
// strayParts: lines before the first section or under an empty name "[]", and every later
// section of a name already seen.
struct StoredSections {
    std::vector<IniSection> sections;
    size_t strayParts = 0;
};
StoredSections SectionsAsStored(std::span<const IniTextSection> text, SameIniNameRule sameName);

// A rewrite builds each section from the program's record, which holds only the keys this
// version knows. This adds to each written section, after its own keys and in stored order, the
// keys its stored section of the same name holds that this version never writes itself: the
// networks automatic switching learned, and keys a newer version wrote. Keys this version owns
// (the addresses a DHCP profile drops, the extra pairs, the options) are never carried.
void CarryStoredKeys(std::vector<IniSection>& written, std::span<const IniSection> stored,
                     SameIniNameRule sameName);

// What an export writes: every profile of the configuration file in list order, keys as stored
// but without the networks this PC learned; the options stay behind.
std::vector<IniSection> ProfilesToExport(std::span<const IniTextSection> text,
                                         SameIniNameRule sameName);

// What an import takes from a file. A section is a profile when its title is one the form would
// take (not blank, not the options section, at most kFormTitleMaxChars characters) and it holds
// at least one key a profile is read from; its networks are left out. The options section is
// passed over without a word: a whole configuration file of another PC may be imported.
// Everything else is damaged and left out: each such part is named in skipped (the title, or an
// empty text for lines that belong to no section).
struct ImportPlan {
    std::vector<IniSection> profiles;
    std::vector<std::wstring> skipped;
};
ImportPlan PlanImport(std::span<const IniTextSection> text, SameIniNameRule sameName);

// Merges the imported profiles into the file's sections as they stand: a profile whose title is
// there replaces that section in its place (keeping that section's networks); the others follow
// the last profile, in the order given. The options section and every other section stay as they
// are.
struct ImportCount {
    size_t added = 0;
    size_t replaced = 0;
};
ImportCount MergeImportedProfiles(std::vector<IniSection>& file,
                                  std::span<const IniSection> imported, SameIniNameRule sameName);
