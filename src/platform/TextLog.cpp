#include "platform/TextLog.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <mutex>

namespace platform {

namespace {

std::string ToUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int nBytes = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                             nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0) return {};
    std::string bytes(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                          nBytes, nullptr, nullptr);
    return bytes;
}

std::string LogLine(std::wstring_view line) {
    SYSTEMTIME now = {};
    ::GetLocalTime(&now);
    char stamp[32] = {};
    std::snprintf(stamp, sizeof(stamp), "%04u-%02u-%02u %02u:%02u:%02u ", now.wYear, now.wMonth,
                  now.wDay, now.wHour, now.wMinute, now.wSecond);
    std::string text = stamp + ToUtf8(line);
    // One entry is one line, whatever the caller's text held: the trim counts on line starts.
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text + "\r\n";
}

bool WriteAll(HANDLE hFile, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD cbWritten = 0;
        const DWORD cbChunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        if (!::WriteFile(hFile, bytes.data() + done, cbChunk, &cbWritten, nullptr) ||
            cbWritten == 0) {
            return false;
        }
        done += cbWritten;
    }
    return true;
}

bool ReadAll(HANDLE hFile, size_t cbSize, std::string& bytes) {
    bytes.assign(cbSize, '\0');
    size_t done = 0;
    while (done < cbSize) {
        DWORD cbRead = 0;
        const DWORD cbChunk = static_cast<DWORD>(std::min<size_t>(cbSize - done, 1 << 20));
        if (!::ReadFile(hFile, bytes.data() + done, cbChunk, &cbRead, nullptr)) return false;
        if (cbRead == 0) break;
        done += cbRead;
    }
    bytes.resize(done);
    return true;
}

// The watch and the window both write; one at a time, so a trim never cuts into another line.
std::mutex& LogMutex() {
    static std::mutex s_mutex;
    return s_mutex;
}

}  // namespace

void AppendLogLine(const std::wstring& path, std::wstring_view line, size_t maxBytes) {
    const std::string entry = LogLine(line);
    std::lock_guard<std::mutex> lock(LogMutex());
    // Shared for reading and writing: a user may have the log open in an editor, and another
    // copy of the program may be logging too.
    const HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_READ | FILE_APPEND_DATA,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(hFile, &size) || static_cast<uint64_t>(size.QuadPart) <= maxBytes) {
        WriteAll(hFile, entry);
        ::CloseHandle(hFile);
        return;
    }
    // Rewritten in place rather than through a renamed copy: a rename over the log fails while
    // anyone holds it open, and a log that stops shrinking is worse than one that loses its older
    // half in a crash.
    std::string old;
    const bool bRead = ReadAll(hFile, static_cast<size_t>(size.QuadPart), old);
    ::CloseHandle(hFile);
    const HANDLE hRewrite =
        bRead ? ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
              : INVALID_HANDLE_VALUE;
    if (hRewrite == INVALID_HANDLE_VALUE) {
        // Cannot shrink it now: the new line still goes in, and a later call trims.
        const HANDLE hAppend =
            ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hAppend != INVALID_HANDLE_VALUE) {
            WriteAll(hAppend, entry);
            ::CloseHandle(hAppend);
        }
        return;
    }
    WriteAll(hRewrite, TrimLogText(old, maxBytes) + entry);
    ::SetEndOfFile(hRewrite);
    ::CloseHandle(hRewrite);
}

}  // namespace platform
