#include "net/AddressText.h"

#include <algorithm>

bool ParseDottedQuad(std::wstring_view text, uint8_t bytes[4]) {
    size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != L'.') return false;
            ++pos;
        }
        unsigned value = 0;
        size_t digits = 0;
        while (pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9' && digits < 3) {
            value = value * 10 + static_cast<unsigned>(text[pos] - L'0');
            ++pos;
            ++digits;
        }
        if (digits == 0 || value > 255) return false;
        bytes[part] = static_cast<uint8_t>(value);
    }
    return pos == text.size();
}

std::wstring FormatDottedQuad(const uint8_t bytes[4]) {
    std::wstring text;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) text += L'.';
        text += std::to_wstring(bytes[i]);
    }
    return text;
}

std::wstring FormatMacAddress(const uint8_t* bytes, size_t length) {
    static const wchar_t kHex[] = L"0123456789abcdef";
    std::wstring text;
    for (size_t i = 0; i < length; ++i) {
        if (i > 0) text += L'-';
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0x0F];
    }
    return text;
}

void CopyField(wchar_t* dst, size_t nCapacity, std::wstring_view text, size_t nKeep) {
    if (nCapacity == 0) return;
    const size_t n = std::min({text.size(), nKeep, nCapacity - 1});
    std::copy_n(text.data(), n, dst);
    dst[n] = L'\0';
}

std::wstring WidenAscii(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}
