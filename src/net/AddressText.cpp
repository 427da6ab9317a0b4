#include "net/AddressText.h"

#include <algorithm>

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
