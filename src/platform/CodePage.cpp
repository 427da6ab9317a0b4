#include "platform/CodePage.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace platform {

std::wstring AnsiToWide(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int nBytes = static_cast<int>(std::min<size_t>(bytes.size(), INT_MAX));
    const int nChars = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), nBytes, nullptr, 0);
    if (nChars <= 0) return {};
    std::wstring text(static_cast<size_t>(nChars), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), nBytes, text.data(), nChars);
    return text;
}

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace platform
