#include "ui/ButtonColors.h"

#include <algorithm>

uint32_t LightenColor(uint32_t colorref, int nAmount) {
    if (nAmount <= 0) return colorref;
    const int red = static_cast<int>(colorref & 0xFF);
    const int green = static_cast<int>((colorref >> 8) & 0xFF);
    const int blue = static_cast<int>((colorref >> 16) & 0xFF);
    const int add = std::min({nAmount, 255 - red, 255 - green, 255 - blue});
    return static_cast<uint32_t>(red + add) | (static_cast<uint32_t>(green + add) << 8) |
           (static_cast<uint32_t>(blue + add) << 16);
}
