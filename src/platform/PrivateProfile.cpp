#include "platform/PrivateProfile.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "config/SectionNames.h"
#include "platform/FileRules.h"
#include "platform/System.h"

namespace platform {

namespace {

// The private-profile functions store a file in the ANSI code page unless it already starts with
// this mark; with it they write and read UTF-16 and every title and adapter name survives.
constexpr BYTE kUtf16LeMark[] = {0xFF, 0xFE};

// Creates path holding exactly these bytes.
bool CreateFileWithBytes(const std::wstring& path, const std::string& bytes) {
    const HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok =
        bytes.empty() ||
        ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(hFile);
    return ok && written == bytes.size();
}

// Creates path holding the mark and then text in UTF-16LE.
bool CreateUnicodeFile(const std::wstring& path, std::wstring_view text = {}) {
    std::string bytes(reinterpret_cast<const char*>(kUtf16LeMark), sizeof(kUtf16LeMark));
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return CreateFileWithBytes(path, bytes);
}

// Tries a file access again while another program holds the file for a moment.
DWORD RetryWhileHeld(const std::function<DWORD()>& attempt) {
    return ::RetryWhileHeld([&] { return static_cast<uint32_t>(attempt()); },
                            [](uint32_t dwMs) { ::Sleep(dwMs); });
}

bool SameIniName(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
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

// The private-profile functions keep recently used files in memory. Wine re-reads a cached file
// only when its write time changed or is under about two seconds old; a file swapped in by a
// rename is judged by that time alone. Dropping the cached copy makes the next read go to disk.
void ForgetCachedFile(const std::wstring& path) {
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
}

// The private-profile functions write through the cache without flushing the disk; the rename
// must not reach the disk before the content it points to.
bool FlushToDisk(const std::wstring& path) {
    const HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    const BOOL ok = ::FlushFileBuffers(hFile);
    ::CloseHandle(hFile);
    return ok != FALSE;
}

// Sets each key in the section, leaving the section's other keys as they are.
bool WriteKeys(const std::wstring& file, const std::wstring& name,
               std::span<const IniEntry> entries) {
    for (const auto& [key, value] : entries) {
        if (!::WritePrivateProfileStringW(name.c_str(), key.c_str(), value.c_str(), file.c_str())) {
            return false;
        }
    }
    return true;
}

// Gives the new file what the user may have set on the old one: its attributes and its access
// rights. A plain rename would leave the temporary file's own.
void CarryOverFileSettings(const std::wstring& from, const std::wstring& to) {
    const DWORD dwAttributes = ::GetFileAttributesW(from.c_str());
    if (dwAttributes == INVALID_FILE_ATTRIBUTES) return;
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (dwAttributes & kKept) ::SetFileAttributesW(to.c_str(), dwAttributes & kKept);
    DWORD cbNeeded = 0;
    ::GetFileSecurityW(from.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &cbNeeded);
    if (cbNeeded == 0) return;
    std::vector<BYTE> descriptor(cbNeeded);
    if (::GetFileSecurityW(from.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), cbNeeded,
                           &cbNeeded)) {
        ::SetFileSecurityW(to.c_str(), DACL_SECURITY_INFORMATION, descriptor.data());
    }
}

// Puts the finished file in place with one rename over the old one, which the file system
// carries out whole: there is no moment without a file. (ReplaceFileW keeps attributes too, but
// under Wine it first moves the old file aside; a process killed then left no file at all.)
// Windows refuses the rename while another program holds the file without sharing its
// deletion, as scanners and sync clients do for a moment: that is tried again.
bool ReplaceWith(const std::wstring& temp, const std::wstring& path) {
    const DWORD dwAttributes = ::GetFileAttributesW(path.c_str());
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    if (dwAttributes != INVALID_FILE_ATTRIBUTES) CarryOverFileSettings(path, temp);
    const DWORD dwError = RetryWhileHeld([&] {
        return ::MoveFileExW(temp.c_str(), path.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   ? static_cast<DWORD>(ERROR_SUCCESS)
                   : ::GetLastError();
    });
    ::SetLastError(dwError);
    return dwError == ERROR_SUCCESS;
}

// Ends an update assembled in temp: on success the finished file replaces path in one step,
// otherwise (or when that step fails) the temporary file goes and path stays as it was.
// The reason for a failure is left in GetLastError for the message the user sees.
bool Finish(bool written, const std::wstring& temp, const std::wstring& path) {
    // A failed step need not leave a code behind; it is a failure all the same.
    const auto failure = [] {
        const DWORD dwLast = ::GetLastError();
        return dwLast == ERROR_SUCCESS ? static_cast<DWORD>(ERROR_WRITE_FAULT) : dwLast;
    };
    DWORD dwError = written ? ERROR_SUCCESS : failure();
    ForgetCachedFile(temp);
    if (written && !FlushToDisk(temp)) dwError = failure();
    if (dwError == ERROR_SUCCESS) {
        // A read-only file is one the user chose to protect; Windows refuses to replace it, and
        // so does the program everywhere (Wine would replace it).
        const DWORD dwAttributes = ::GetFileAttributesW(path.c_str());
        if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY)) {
            dwError = ERROR_ACCESS_DENIED;
        }
    }
    if (dwError == ERROR_SUCCESS) {
        ForgetCachedFile(path);
        if (ReplaceWith(temp, path)) return true;
        dwError = failure();
    }
    ::DeleteFileW(temp.c_str());
    ::SetLastError(dwError);
    return false;
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

constexpr BYTE kUtf8Mark[] = {0xEF, 0xBB, 0xBF};
constexpr BYTE kUtf16BeMark[] = {0xFE, 0xFF};

bool StartsWith(const std::string& bytes, const BYTE* mark, size_t size) {
    if (bytes.size() < size) return false;
    for (size_t i = 0; i < size; ++i) {
        if (static_cast<BYTE>(bytes[i]) != mark[i]) return false;
    }
    return true;
}

std::wstring FromCodePage(UINT codePage, const char* data, size_t size) {
    if (size == 0) return {};
    const int chars = ::MultiByteToWideChar(codePage, 0, data, static_cast<int>(size), nullptr, 0);
    std::wstring text(static_cast<size_t>(chars > 0 ? chars : 0), L'\0');
    if (chars > 0) {
        ::MultiByteToWideChar(codePage, 0, data, static_cast<int>(size), text.data(), chars);
    }
    return text;
}

// The text as the private-profile functions see it: a byte-order mark picks UTF-16 (either
// order) or UTF-8; anything else is in the ANSI code page. An odd last byte of UTF-16 is dropped.
std::wstring DecodeIniBytes(const std::string& bytes) {
    if (StartsWith(bytes, kUtf8Mark, sizeof(kUtf8Mark))) {
        return FromCodePage(CP_UTF8, bytes.data() + 3, bytes.size() - 3);
    }
    const bool little = StartsWith(bytes, kUtf16LeMark, sizeof(kUtf16LeMark));
    if (little || StartsWith(bytes, kUtf16BeMark, sizeof(kUtf16BeMark))) {
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        for (size_t i = 0; i < text.size(); ++i) {
            const auto first = static_cast<BYTE>(bytes[2 + 2 * i]);
            const auto second = static_cast<BYTE>(bytes[3 + 2 * i]);
            text[i] = static_cast<wchar_t>(little ? first | (second << 8) : second | (first << 8));
        }
        return text;
    }
    return FromCodePage(CP_ACP, bytes.data(), bytes.size());
}

// The whole file, read while other copies may replace it: every save replaces it in one
// rename, so the bytes are the old file's or the new one's. Returns 0 or the system's reason.
DWORD ReadWholeFile(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    const HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return ::GetLastError();
    DWORD dwError = ERROR_SUCCESS;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(hFile, &size)) {
        dwError = ::GetLastError();
    } else if (size.QuadPart >= (1LL << 31)) {
        dwError = ERROR_FILE_TOO_LARGE;
    } else {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        if (!bytes.empty() &&
            !::ReadFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) {
            dwError = ::GetLastError();
        }
        bytes.resize(got);
    }
    ::CloseHandle(hFile);
    if (dwError != ERROR_SUCCESS) bytes.clear();
    return dwError;
}

// ReadWholeFile, tried again while the file is held; a file (or folder) that does not exist
// reads as ERROR_FILE_NOT_FOUND with no bytes.
DWORD ReadConfigurationBytes(const std::wstring& path, std::string& bytes) {
    const DWORD dwError = RetryWhileHeld([&] { return ReadWholeFile(path, bytes); });
    return IsMissingFileError(dwError) ? static_cast<DWORD>(ERROR_FILE_NOT_FOUND) : dwError;
}

}  // namespace

std::wstring ConfigurationPath() {
    const std::wstring module = ModulePath();
    const size_t slash = module.find_last_of(L'\\');
    if (slash == std::wstring::npos) return {};
    return module.substr(0, slash + 1) + kConfigFileName;
}

std::shared_ptr<const std::vector<IniTextSection>> ReadIniFile(const std::wstring& path,
                                                               unsigned long* pdwError) {
    std::string bytes;
    DWORD dwError = path.empty() ? static_cast<DWORD>(ERROR_FILE_NOT_FOUND)
                                 : ReadConfigurationBytes(path, bytes);
    if (dwError == ERROR_FILE_NOT_FOUND) dwError = ERROR_SUCCESS;
    if (pdwError) *pdwError = dwError;
    if (dwError != ERROR_SUCCESS || bytes.empty()) {
        return std::make_shared<const std::vector<IniTextSection>>();
    }
    return std::make_shared<const std::vector<IniTextSection>>(ParseIniText(DecodeIniBytes(bytes)));
}

std::shared_ptr<const std::vector<IniTextSection>> ReadIniFileOrNull(const std::wstring& path) {
    std::string bytes;
    const DWORD dwError = path.empty() ? static_cast<DWORD>(ERROR_PATH_NOT_FOUND)
                                       : ReadConfigurationBytes(path, bytes);
    if (dwError != ERROR_SUCCESS) {
        ::SetLastError(dwError);
        return nullptr;
    }
    return std::make_shared<const std::vector<IniTextSection>>(ParseIniText(DecodeIniBytes(bytes)));
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
        if (::CompareStringOrdinal(name.data(), static_cast<int>(name.size()), key.data(),
                                   static_cast<int>(key.size()), TRUE) == CSTR_EQUAL) {
            return value;
        }
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
    return SameIniName(std::wstring(TrimIniBlanks(a)), std::wstring(TrimIniBlanks(b)));
}

std::wstring TemporaryConfigurationPath(const std::wstring& path) {
    static std::atomic<unsigned> s_nCounter{0};
    return path + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(++s_nCounter) + L".tmp";
}

void RemoveStaleTemporaryFiles(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    const std::wstring folder =
        slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
    WIN32_FIND_DATAW data;
    const HANDLE hFind = ::FindFirstFileW((path + L".*tmp").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE) return;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (IsTemporaryName(path.substr(folder.size()), data.cFileName)) {
            ::DeleteFileW((folder + data.cFileName).c_str());
        }
    } while (::FindNextFileW(hFind, &data));
    ::FindClose(hFind);
}

namespace {

// prefix followed by a hash of the upper-cased path: mutex names may not contain backslashes.
std::wstring LockNameOf(const wchar_t* prefix, const std::wstring& path) {
    std::wstring upper = path;
    if (!upper.empty()) {
        ::CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    }
    // FNV-1a
    uint64_t hash = 14695981039346656037ull;
    for (wchar_t ch : upper) {
        hash ^= static_cast<uint16_t>(ch);
        hash *= 1099511628211ull;
    }
    wchar_t hex[17] = {};
    ::swprintf(hex, 17, L"%016llx", static_cast<unsigned long long>(hash));
    return std::wstring(prefix) + L"VorlIP.configuration." + hex;
}

constexpr wchar_t kGlobalLockPrefix[] = L"Global\\";
constexpr wchar_t kLocalLockPrefix[] = L"Local\\";

// The path the system resolves an open handle to: long names, the drive or share it really is
// on. Empty when the system cannot say.
std::wstring FinalPathOf(HANDLE hItem) {
    for (const DWORD dwVolume : {VOLUME_NAME_DOS, VOLUME_NAME_NT}) {
        std::wstring buffer(MAX_PATH, L'\0');
        DWORD dwLength = ::GetFinalPathNameByHandleW(hItem, buffer.data(),
                                                     static_cast<DWORD>(buffer.size()), dwVolume);
        if (dwLength >= buffer.size()) {
            buffer.resize(dwLength + 1);
            dwLength = ::GetFinalPathNameByHandleW(hItem, buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), dwVolume);
        }
        if (dwLength > 0 && dwLength < buffer.size()) return buffer.substr(0, dwLength);
    }
    return {};
}

// The final path of the file, or of its folder and its name when the file is not there yet.
// Opening asks for no access to the content, so a program that holds the file does not stand
// in the way.
std::wstring FinalConfigurationPath(const std::wstring& path) {
    const auto finalPath = [](const std::wstring& item) {
        const HANDLE hItem =
            ::CreateFileW(item.c_str(), FILE_READ_ATTRIBUTES,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (hItem == INVALID_HANDLE_VALUE) return std::wstring();
        std::wstring resolved = FinalPathOf(hItem);
        ::CloseHandle(hItem);
        return resolved;
    };
    if (std::wstring resolved = finalPath(path); !resolved.empty()) return resolved;
    const size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash + 1 == path.size()) return {};
    std::wstring folder = finalPath(path.substr(0, slash + 1));
    if (folder.empty()) return {};
    if (folder.back() != L'\\') folder += L'\\';
    return folder + path.substr(slash + 1);
}

}  // namespace

std::wstring ConfigurationLockName(const std::wstring& path) {
    const std::wstring resolved = path.empty() ? std::wstring() : FinalConfigurationPath(path);
    if (resolved.empty()) return LockNameOf(kLocalLockPrefix, path);
    return LockNameOf(kGlobalLockPrefix, resolved);
}

ConfigurationLock::ConfigurationLock(const std::wstring& path, unsigned long dwTimeoutMs) {
    const std::wstring name = ConfigurationLockName(path);
    m_hMutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
    // Without the right to the global namespace the lock is at least shared within the session.
    if (!m_hMutex && name.starts_with(kGlobalLockPrefix)) {
        m_hMutex = ::CreateMutexW(nullptr, FALSE, LockNameOf(kLocalLockPrefix, path).c_str());
    }
    if (!m_hMutex) return;
    const DWORD dwWait = ::WaitForSingleObject(m_hMutex, dwTimeoutMs);
    // An abandoned lock belonged to a copy that ended mid-update; the file is whole regardless.
    m_bOwned = dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED;
    if (!m_bOwned) ::SetLastError(dwWait == WAIT_TIMEOUT ? ERROR_TIMEOUT : ::GetLastError());
}

ConfigurationLock::~ConfigurationLock() {
    if (!m_hMutex) return;
    const DWORD dwError = ::GetLastError();
    if (m_bOwned) ::ReleaseMutex(m_hMutex);
    ::CloseHandle(m_hMutex);
    ::SetLastError(dwError);
}

namespace {

// Runs one write of the file at path under its lock, after clearing what killed writers left.
// Without the program's own path a temporary name would land in whatever the current folder is,
// and the failure path would delete a stranger's file of that name: an empty path writes nothing.
template <class Write>
bool WriteUnderLock(const std::wstring& path, const Write& write) {
    if (path.empty()) {
        ::SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    ConfigurationLock lock(path);
    if (!lock.Owned()) return false;
    RemoveStaleTemporaryFiles(path);
    return write();
}

}  // namespace

bool UpdateConfigurationFile(const std::wstring& path, std::span<const NICs> inventory,
                             const Options& options, const ConfigurationChange& change,
                             const IniFileReader& read) {
    return WriteUnderLock(path, [&] {
        // Read from the disk, not from the private-profile functions' cache: this update must see
        // the file as another copy has just left it. A file that could not be read is not an
        // empty one: writing the change over it would drop every other profile.
        unsigned long dwError = ERROR_SUCCESS;
        const std::shared_ptr<const std::vector<IniTextSection>> sections = read(path, &dwError);
        if (dwError != ERROR_SUCCESS) {
            ::SetLastError(dwError);
            return false;
        }
        PrivateProfileReader reader(sections);
        Options current = options;
        LoadedConfiguration loaded =
            ReadConfiguration(reader, ListedSectionNames(*sections), inventory, current);
        change(loaded.profiles, current);
        return WriteConfigurationFile(path, BuildConfigurationContent(loaded.profiles, current));
    });
}

bool WriteConfigurationFile(const std::wstring& path, std::span<const IniSection> sections) {
    return WriteUnderLock(path, [&] {
        const std::wstring temp = TemporaryConfigurationPath(path);
        // One write of the whole file: under Wine every private-profile call re-reads and rewrites
        // a recently changed file, which made a section-by-section rewrite cost the square of the
        // profile count. The bytes are the ones WritePrivateProfileSectionW would leave.
        const std::wstring text = RenderIniText(MergeSectionsLikeTheSystem(sections));
        return Finish(CreateUnicodeFile(temp, text), temp, path);
    });
}

bool WriteOptionsSection(const std::wstring& path, const Options& options, unsigned keys,
                         Options* pInFile) {
    return WriteUnderLock(path, [&] {
        std::string bytes;
        const DWORD dwRead = ReadConfigurationBytes(path, bytes);
        if (dwRead != ERROR_SUCCESS && dwRead != ERROR_FILE_NOT_FOUND) {
            ::SetLastError(dwRead);
            return false;
        }
        const std::vector<IniTextSection> sections = ParseIniText(DecodeIniBytes(bytes));
        const bool bHasSection = std::any_of(sections.begin(), sections.end(), [](const auto& s) {
            return SameIniName(s.name, kOptionsSection);
        });
        const std::wstring temp = TemporaryConfigurationPath(path);
        // The copy holds the file's bytes as they are, so its encoding carries over; a missing
        // file starts as a new Unicode one.
        bool written = dwRead == ERROR_FILE_NOT_FOUND ? CreateUnicodeFile(temp)
                                                      : CreateFileWithBytes(temp, bytes);
        written = written &&
                  WriteKeys(temp, kOptionsSection, OptionsEntries(options, keys, !bHasSection));
        if (!Finish(written, temp, path)) return false;
        if (pInFile) {
            PrivateProfileReader reader(
                std::make_shared<const std::vector<IniTextSection>>(sections));
            *pInFile = options;
            ReadOptions(reader, *pInFile);
            CopyOptions(options, keys, *pInFile);
        }
        return true;
    });
}

}  // namespace platform
