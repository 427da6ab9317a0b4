// Colour arithmetic of the icon buttons, on COLORREF values (0x00BBGGRR).
#pragma once

#include <cstdint>

// colour with the same amount added to red, green and blue: the requested amount, or less when
// a channel would pass 255, so the hue stays. A zero or negative amount leaves it unchanged.
uint32_t LightenColor(uint32_t colorref, int nAmount);
