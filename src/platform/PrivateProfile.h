// The configuration file on disk. Every private-profile, file and rename call of the program goes
// through here; what the file holds and how it is read is decided in src/config.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "config/ConfigKeys.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"

namespace platform {

// vorlip_configure.ini in the folder of the running executable. Empty when the executable's own
// path cannot be read, which IniSectionList reports as not loaded.
std::wstring ConfigurationPath();

// Answers the reading rules from a file with the private-profile functions. Each section is
// fetched whole with one GetPrivateProfileSectionW call and its keys are answered from that copy
// by the rules GetPrivateProfileStringW applies: key names compared without regard to case, the
// first of repeated keys wins, blanks around name and value dropped, one pair of matching quotes
// around a value removed, a name without '=' reads as missing. Under Wine every private-profile
// call costs a file open and, for a file written in the last two seconds (as after every save), a
// fresh parse of the whole file, so one call per section instead of one per key is what keeps a
// reload after a save fast. The copy is not refreshed: use one reader per load.
class PrivateProfileReader final : public IniReader {
public:
    explicit PrivateProfileReader(std::wstring path) : m_path(std::move(path)) {}

    // The value, or kMissingText. Not cut to kMaxValueChars; the reading rules do that.
    std::wstring GetString(const std::wstring& section, const std::wstring& key) override;

private:
    std::wstring m_path;
    bool m_fetched = false;
    std::wstring m_section;
    std::vector<IniEntry> m_entries;
};

// The configuration file's path and its section names in file order, read once when the object
// is built. Every name is seen, however many there are, and each is kept whole. A missing file
// or one without sections is loaded with no names (and is not created); only an empty path
// leaves loaded false.
struct IniSectionList {
    explicit IniSectionList(std::wstring filePath);

    std::wstring path;
    bool loaded = false;
    std::vector<std::wstring> names;
    int count = 0;  // names.size()
};

// Replaces the file at path with exactly these sections, in this order, holding the text that
// one WritePrivateProfileSectionW call per section would leave. The new file is written beside
// the old one under
// TemporaryConfigurationPath, starting with a UTF-16LE byte-order mark so every character is
// stored as typed, and then takes the old one's place in one rename: a crash at any point leaves
// either the old file or the new one. Returns false when the file could not be replaced; the old
// file is then untouched and the temporary file removed. An empty path writes nothing.
bool WriteConfigurationFile(const std::wstring& path, std::span<const IniSection> sections);

// Replaces the options section of the file at path with OptionsEntries(options), leaving every
// other section as it is. A missing file is created holding only that section, Unicode like a
// rewritten one; an existing file keeps its encoding, so an ANSI file stays ANSI. The update is
// made in a copy that replaces the file, as above. Returns false when the file was not changed,
// and at once for an empty path.
bool WriteOptionsSection(const std::wstring& path, const Options& options);

// Where the new file is assembled: the same folder, so the final rename never crosses volumes.
// A leftover from a crash is simply overwritten by the next save.
std::wstring TemporaryConfigurationPath(const std::wstring& path);

}  // namespace platform
