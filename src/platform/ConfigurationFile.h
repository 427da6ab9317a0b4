// The configuration file as bytes on disk: where it lives, reading it whole and decoding it,
// writing a new copy beside it and putting that copy in its place in one step, and the lock
// every update holds. What the text says (sections, keys, profiles, options) is decided in
// src/config; the store there (ConfigStore) reaches the file only through here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// fileName in the folder of the running executable. Empty when the executable's own path cannot
// be read.
std::wstring ConfigurationPath(std::wstring_view fileName);

// path completed from the current folder as the system completes it (a file named on a command
// line); path itself when the system cannot.
std::wstring FullPathOf(const std::wstring& path);

// The whole file at path, read while other copies may replace it: every save replaces it in one
// rename, so the bytes are the old file's or the new one's. A file another program holds is
// tried again for about a second. Returns 0 or the system's reason, with no bytes then; a file
// (or folder) that does not exist reads as ERROR_FILE_NOT_FOUND.
uint32_t ReadConfigurationBytes(const std::wstring& path, std::string& bytes);

// The text as the private-profile functions see it: a byte-order mark picks UTF-16 (either
// order) or UTF-8; anything else is in the ANSI code page. An odd last byte of UTF-16 is dropped.
std::wstring DecodeIniBytes(const std::string& bytes);

// Creates path holding exactly these bytes.
bool CreateFileWithBytes(const std::wstring& path, const std::string& bytes);

// Creates path holding a UTF-16LE byte-order mark and then text in UTF-16LE. The private-profile
// functions store a file in the ANSI code page unless it starts with that mark; with it they
// write and read UTF-16 and every title and adapter name survives.
bool CreateUnicodeFile(const std::wstring& path, std::wstring_view text = {});

// Sets key in section of the file at path through WritePrivateProfileStringW, leaving the
// section's other keys and the file's encoding as they are.
bool WritePrivateProfileKey(const std::wstring& path, const std::wstring& section,
                            const std::wstring& key, const std::wstring& value);

// Ends an update assembled in temp: when bWritten, the finished file is flushed to disk and
// replaces path in one rename, taking over the old file's attributes and access rights; otherwise
// (or when that step fails) the temporary file goes and path stays as it was. A read-only file
// is not replaced. Returns false with the reason in GetLastError for the message the user sees.
bool ReplaceConfigurationFile(bool bWritten, const std::wstring& temp, const std::wstring& path);

// Where this writer assembles a new file: the same folder, so the final step never crosses
// volumes, under a name no other writer uses (the process id and a counter), so two copies of
// the program never write into one temporary file.
std::wstring TemporaryConfigurationPath(const std::wstring& path);

// Removes temporary files that writers killed in the middle of a save left beside the file at
// path (and the fixed-name one of earlier versions). Call only while holding ConfigurationLock:
// then no writer is working on any of them.
void RemoveStaleTemporaryFiles(const std::wstring& path);

// Serialises every read-modify-write of one configuration file among all copies of the program
// in every session (a named mutex derived from the file's final path, held only for the
// update). A copy that was killed while holding it gives it up to the next one; the file is
// intact either way, because every write replaces it in one step. Owned() is false when the lock
// could not be had within the time limit (GetLastError then says why).
class ConfigurationLock {
public:
    explicit ConfigurationLock(const std::wstring& path, unsigned long dwTimeoutMs = 10000);
    ~ConfigurationLock();
    ConfigurationLock(const ConfigurationLock&) = delete;
    ConfigurationLock& operator=(const ConfigurationLock&) = delete;
    bool Owned() const { return m_bOwned; }

private:
    void* m_hMutex = nullptr;
    bool m_bOwned = false;
};

// The name of the lock for the file at path, in the namespace every session sees: taken from
// the path the system resolves the file (or, before the file exists, its folder) to, so a short
// name, a mapped drive or a share's spelling of the same file all give the same lock. Where that
// path cannot be had, the name comes from the path as spelled (case is not significant) in the
// session's own namespace.
std::wstring ConfigurationLockName(const std::wstring& path);

}  // namespace platform
