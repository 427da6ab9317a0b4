#include "net/AddressText.h"

#include <algorithm>

#include "win/AddressInput.h"

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

int MaskPrefixLength(std::wstring_view mask) {
    uint8_t bytes[4];
    if (!ParseDottedQuad(mask, bytes)) return -1;
    const uint32_t bits = (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) |
                          (uint32_t{bytes[2]} << 8) | uint32_t{bytes[3]};
    // Ones followed by zeros: the inverted mask plus one is a power of two (or zero for /0).
    const uint32_t inverted = ~bits;
    if ((inverted & (inverted + 1)) != 0) return -1;
    int length = 0;
    for (uint32_t b = bits; b & 0x80000000u; b <<= 1) ++length;
    return length;
}
