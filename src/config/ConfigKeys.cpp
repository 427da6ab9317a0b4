#include "config/ConfigKeys.h"

namespace {

constexpr const wchar_t* kLanguageCodes[kLanguageCount] = {L"eng", L"kor", L"jpn"};

}  // namespace

bool ParseIniBool(std::wstring_view text) {
    return text == L"TRUE" || text == L"true";
}

const wchar_t* FormatDhcpFlag(bool value) {
    return value ? L"TRUE" : L"FALSE";
}

const wchar_t* FormatOptionFlag(bool value) {
    return value ? L"true" : L"false";
}

int ParseLanguageCode(std::wstring_view code) {
    if (code == kLanguageCodes[kLanguageKorean]) return kLanguageKorean;
    if (code == kLanguageCodes[kLanguageJapanese]) return kLanguageJapanese;
    return kLanguageEnglish;
}

const wchar_t* LanguageCode(int language) {
    if (language < 0 || language >= kLanguageCount) return kLanguageCodes[kLanguageEnglish];
    return kLanguageCodes[language];
}

int32_t ParseIniInt(std::wstring_view text, int32_t fallback) {
    if (text.empty()) return fallback;
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == L' ' || text[pos] == L'\t')) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    // Unsigned arithmetic wraps on overflow instead of being undefined, as a 32-bit register would.
    uint32_t value = 0;
    while (pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9') {
        value = value * 10u + static_cast<uint32_t>(text[pos] - L'0');
        ++pos;
    }
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}
