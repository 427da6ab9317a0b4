#include "platform/ConfigurationFile.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/FileRules.h"
#include "platform/System.h"

namespace platform {

namespace {

constexpr BYTE kUtf16LeMark[] = {0xFF, 0xFE};
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

// Tries a file access again while another program holds the file for a moment.
DWORD RetryWhileHeld(const std::function<DWORD()>& attempt) {
    return ::RetryWhileHeld([&] { return static_cast<uint32_t>(attempt()); },
                            [](uint32_t dwMs) { ::Sleep(dwMs); });
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

}  // namespace

std::wstring ConfigurationPath(std::wstring_view fileName) {
    const std::wstring module = ModulePath();
    const size_t slash = module.find_last_of(L'\\');
    if (slash == std::wstring::npos) return {};
    return module.substr(0, slash + 1) + std::wstring(fileName);
}

std::wstring FullPathOf(const std::wstring& path) {
    const DWORD dwChars = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (dwChars == 0) return path;
    std::wstring full(dwChars, L'\0');
    const DWORD dwGot = ::GetFullPathNameW(path.c_str(), dwChars, full.data(), nullptr);
    if (dwGot == 0 || dwGot >= dwChars) return path;
    full.resize(dwGot);
    return full;
}

uint32_t ReadConfigurationBytes(const std::wstring& path, std::string& bytes) {
    const DWORD dwError = RetryWhileHeld([&] { return ReadWholeFile(path, bytes); });
    return IsMissingFileError(dwError) ? static_cast<DWORD>(ERROR_FILE_NOT_FOUND) : dwError;
}

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

bool CreateUnicodeFile(const std::wstring& path, std::wstring_view text) {
    std::string bytes(reinterpret_cast<const char*>(kUtf16LeMark), sizeof(kUtf16LeMark));
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return CreateFileWithBytes(path, bytes);
}

bool WritePrivateProfileKey(const std::wstring& path, const std::wstring& section,
                            const std::wstring& key, const std::wstring& value) {
    return ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(),
                                        path.c_str()) != FALSE;
}

bool ReplaceConfigurationFile(bool bWritten, const std::wstring& temp, const std::wstring& path) {
    // A failed step need not leave a code behind; it is a failure all the same.
    const auto failure = [] {
        const DWORD dwLast = ::GetLastError();
        return dwLast == ERROR_SUCCESS ? static_cast<DWORD>(ERROR_WRITE_FAULT) : dwLast;
    };
    DWORD dwError = bWritten ? ERROR_SUCCESS : failure();
    ForgetCachedFile(temp);
    if (bWritten && !FlushToDisk(temp)) dwError = failure();
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

}  // namespace platform
