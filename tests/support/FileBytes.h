// Whole files as bytes, for the Win32 tests, the end-to-end driver and the benches. The file is
// opened sharing read and write, so a log another process still holds open can be read.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Everything the file holds; empty when it cannot be opened.
inline std::string ReadFileBytes(const std::wstring& path) {
    std::string bytes;
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return bytes;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof(chunk), f)) > 0;) bytes.append(chunk, n);
    std::fclose(f);
    return bytes;
}

// Creates or replaces the file with bytes; false when it could not be written whole.
inline bool WriteFileBytes(const std::wstring& path, std::string_view bytes) {
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// The bytes of UTF-16 text as Windows stores it (little-endian), without a byte-order mark.
inline std::string_view BytesOf(std::wstring_view text) {
    return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)};
}
