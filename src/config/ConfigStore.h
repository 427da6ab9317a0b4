// The configuration store: reading vorlip_configure.ini into sections and keys by the rules of the
// private-profile functions, and every change of the file as one read-modify-write under the
// file's lock, written whole with sections merged as the system merges them. What the sections
// and keys mean is decided in ConfigReader and ConfigWriter; the file's bytes, its encoding, the
// lock and the one-step replace are reached through src/platform (ConfigurationFile). Built for
// Windows only.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/ConfigKeys.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "config/IniText.h"

// The file at path read once and decoded as the private-profile functions decode it (a UTF-16
// or UTF-8 byte-order mark, otherwise the ANSI code page), then split into its sections by the
// rules those functions apply. A file (or folder) that does not exist gives no sections. A file
// another program holds is tried again for about a second; a file that still cannot be read
// gives no sections too, and *pdwError (when given) then says why; it is 0 otherwise.
std::shared_ptr<const std::vector<IniTextSection>> ReadIniFile(const std::wstring& path,
                                                               unsigned long* pdwError = nullptr);
// The same for a reader that must know: null when the file could not be read, a missing file
// included, with the system's reason in GetLastError.
std::shared_ptr<const std::vector<IniTextSection>> ReadIniFileOrNull(const std::wstring& path);

// The file's path and its section names in file order, read once when the object is built.
// Every name is seen, however many there are, and each is kept whole. A missing file or one
// without sections is loaded with no names (and is not created); only an empty path leaves
// loaded false. A file that exists but cannot be read is loaded with no names as well, and
// readError says why: such a list must never be written back.
struct IniSectionList {
    explicit IniSectionList(std::wstring filePath);
    // The list of text already read from filePath.
    IniSectionList(std::wstring filePath, std::shared_ptr<const std::vector<IniTextSection>> text);

    std::wstring path;
    bool loaded = false;
    std::vector<std::wstring> names;
    int count = 0;  // names.size()
    unsigned long readError = 0;
    // The text the names came from; a reader built on this list answers from the same text.
    std::shared_ptr<const std::vector<IniTextSection>> sections;
};

// Answers the reading rules from one reading of the file: each section's lines as
// GetPrivateProfileSectionW hands them over (the first section of that name, compared without
// regard to case), and each key by the rules GetPrivateProfileStringW applies: key names compared
// without regard to case, the first of repeated keys wins, blanks around name and value dropped,
// one pair of matching quotes around a value removed, a name without '=' reads as missing.
// Under Wine every private-profile call costs a file open and, for a file written moments ago
// (as after every save), a fresh parse of the whole file; one read per load instead of one call
// per section is what keeps a reload after a save fast. The text is not refreshed: use one
// reader per load.
class PrivateProfileReader final : public IniReader {
public:
    explicit PrivateProfileReader(const std::wstring& path) : m_sections(ReadIniFile(path)) {}
    explicit PrivateProfileReader(const IniSectionList& list) : m_sections(list.sections) {}
    explicit PrivateProfileReader(std::shared_ptr<const std::vector<IniTextSection>> sections)
        : m_sections(std::move(sections)) {}

    // The value, or kMissingText. Not cut to kMaxValueChars; the reading rules do that.
    std::wstring GetString(const std::wstring& section, const std::wstring& key) override;

private:
    std::shared_ptr<const std::vector<IniTextSection>> m_sections;
    bool m_fetched = false;
    std::wstring m_section;
    std::vector<IniEntry> m_entries;
};

// Replaces the file at path with exactly these sections, in this order, holding the text that
// one WritePrivateProfileSectionW call per section would leave, under the file's lock
// (platform::ConfigurationLock). The new file is written beside the old one under
// platform::TemporaryConfigurationPath, starting with a UTF-16LE byte-order mark so every
// character is stored as typed, and then takes the old one's place in one rename: a crash at any
// point leaves either the old file or the new one. Returns false when the file could not be
// replaced; the old file is then untouched and the temporary file removed. An empty path writes
// nothing.
bool WriteConfigurationFile(const std::wstring& path, std::span<const IniSection> sections);

// Writes the options that keys names (kOption... bits) into the options section of the file at
// path, under the file's lock, leaving every other key and section as the file has it now. A
// missing file is created holding only that section, Unicode like a rewritten one; a new section
// starts with "AutoGenerated=true"; an existing file keeps its encoding, so an ANSI file stays
// ANSI. The update is made in a copy that replaces the file, as above. With pInFile, the options
// the file holds afterwards (its own read over options, then the written ones) go there. Returns
// false, with the reason in GetLastError, when the file was not changed (also when it could not
// be read), and at once for an empty path.
bool WriteOptionsSection(const std::wstring& path, const Options& options,
                         unsigned keys = kAllOptions, Options* pInFile = nullptr);

// Whether two titles name one section of the file: the private-profile functions ignore case
// and the blanks around a section name.
bool SameSectionName(std::wstring_view a, std::wstring_view b);

// What one update of the file does to the profiles and options as they are in the file now.
using ConfigurationChange = std::function<void(std::vector<Profile>& profiles, Options& options)>;

// How an update reads the file: ReadIniFile, or a stand-in in a test.
using IniFileReader = std::function<std::shared_ptr<const std::vector<IniTextSection>>(
    const std::wstring& path, unsigned long* pdwError)>;

// Reads the file at path as it is now (adapter references repaired against inventory, options
// read over the given ones), applies change and writes the result as WriteConfigurationFile
// does, all under one taking of the file's lock: a profile another copy saved, or a hand edit made,
// since the caller last loaded the file is kept. Only a file that does not exist starts from an
// empty list; one that cannot be read (held by another program, access denied, a read error) ends
// the update unwritten. Returns false, with the reason in GetLastError, when the lock could not be
// had or the file could not be read or written; the file is then as it was.
bool UpdateConfigurationFile(const std::wstring& path, std::span<const NICs> inventory,
                             const Options& options, const ConfigurationChange& change,
                             const IniFileReader& read = ReadIniFile);

// The same read-modify-write for a change that works on the file's sections as they stand
// (SectionsAsStored: the first section of each name, every key as stored, so keys this version
// does not know stay), not on profile records: no adapter reference is repaired and no section
// is rewritten from a record. change gets every named section, the options section included.
bool UpdateConfigurationSections(const std::wstring& path,
                                 const std::function<void(std::vector<IniSection>&)>& change,
                                 const IniFileReader& read = ReadIniFile);

// Sets one key of the profile titled title (value empty: removes the key), leaving every other
// key and section as the file has it now, under the file's lock. False, with the reason in
// GetLastError, when the file could not be read or written; false too (file unchanged) when no
// profile of that title is there any more.
bool WriteProfileKey(const std::wstring& path, std::wstring_view title, std::wstring_view key,
                     const std::wstring& value);
