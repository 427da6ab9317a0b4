// Text forms of addresses as the program shows and stores them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// "0.0.0.0" stands for no gateway and for no secondary DNS server.
inline constexpr wchar_t kNoAddress[] = L"0.0.0.0";

// "%d.%d.%d.%d" of the four bytes, first to last.
std::wstring FormatDottedQuad(const uint8_t bytes[4]);

// Each byte as two lowercase hex digits, joined by "-": 00-1a-2b-3c-4d-5e.
std::wstring FormatMacAddress(const uint8_t* bytes, size_t length);

// Copies text into a fixed character array, keeping at most nKeep characters and always
// terminating (nKeep is clamped to the array's capacity minus one).
void CopyField(wchar_t* dst, size_t nCapacity, std::wstring_view text, size_t nKeep = SIZE_MAX);

template <size_t N>
void CopyField(wchar_t (&dst)[N], std::wstring_view text, size_t nKeep = SIZE_MAX) {
    CopyField(dst, N, text, nKeep);
}

// The number of leading one bits of a dotted mask ("255.255.255.0" gives 24), or -1 when the
// text is no dotted address or its ones are not followed by zeros only.
int MaskPrefixLength(std::wstring_view mask);

// Widens ASCII / narrow text byte for byte (adapter names and dotted addresses are ASCII).
std::wstring WidenAscii(std::string_view text);
