#include "win/AddressInput.h"

#include <cstddef>

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
