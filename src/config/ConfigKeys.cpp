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
    // The system's integer read looks at the value through a 30-character buffer.
    text = text.substr(0, 29);
    size_t pos = 0;
    while (pos < text.size() && text[pos] <= L' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    // The system's integer read takes "0x", "0o" and "0b" (lower case only) as a base; a
    // hand-edited "nic=0x1A" must name the same adapter here as it does there.
    uint32_t base = 10;
    if (pos + 1 < text.size() && text[pos] == L'0') {
        const wchar_t prefix = text[pos + 1];
        base = prefix == L'x' ? 16 : prefix == L'o' ? 8 : prefix == L'b' ? 2 : 10;
        if (base != 10) pos += 2;
    }
    // Unsigned arithmetic wraps on overflow instead of being undefined, as a 32-bit register would.
    uint32_t value = 0;
    for (; pos < text.size(); ++pos) {
        const wchar_t c = text[pos];
        uint32_t digit = 0;
        if (c >= L'0' && c <= L'9') {
            digit = static_cast<uint32_t>(c - L'0');
        } else if (c >= L'a' && c <= L'f') {
            digit = static_cast<uint32_t>(c - L'a') + 10u;
        } else if (c >= L'A' && c <= L'F') {
            digit = static_cast<uint32_t>(c - L'A') + 10u;
        } else {
            break;
        }
        if (digit >= base) break;
        value = value * base + digit;
    }
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

void CopyOptions(const Options& from, unsigned keys, Options& to) {
    if (keys & kOptionLanguage) to.language = from.language;
    if (keys & kOptionStartOnBoot) to.startonboot = from.startonboot;
    if (keys & kOptionGlobalHotKey) to.useglobalhotkey = from.useglobalhotkey;
    if (keys & kOptionChangeForce) to.changeforce = from.changeforce;
    if (keys & kOptionAutoSwitch) to.autoswitch = from.autoswitch;
}
