#include "config/SectionNames.h"

#include <algorithm>

#include "config/ConfigKeys.h"

std::vector<std::wstring> SplitSectionNames(std::wstring_view returned) {
    std::vector<std::wstring> names;
    size_t start = 0;
    for (size_t pos = 0; pos < returned.size(); ++pos) {
        if (returned[pos] != L'\0') continue;
        names.emplace_back(returned.substr(start, pos - start));
        start = pos + 1;
    }
    return names;
}

bool SectionNamesFit(size_t returned, size_t bufferChars) {
    return bufferChars > 2 && returned < bufferChars - 2;
}

size_t GrowSectionNamesBuffer(size_t bufferChars) {
    return bufferChars < kSectionNamesInitialChars ? kSectionNamesInitialChars : bufferChars * 2;
}

bool IsIniBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A;
}

std::wstring_view TrimIniBlanks(std::wstring_view text) {
    while (!text.empty() && IsIniBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsIniBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsOptionsSectionName(std::wstring_view name) {
    const auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; };
    constexpr std::wstring_view kOptions = kOptionsSection;
    name = TrimIniBlanks(name);
    return std::equal(name.begin(), name.end(), kOptions.begin(), kOptions.end(),
                      [&](wchar_t x, wchar_t y) { return lower(x) == lower(y); });
}
