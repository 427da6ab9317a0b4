// Geometry and texts of the terminate dialog and the floating IP bar.
#pragma once

#include <cstdint>
#include <string>

#include "ui/WindowSizes.h"

// The picture strip at the terminate dialog's left edge that links to the project's page.
inline constexpr PixelSize kTerminateLinkSize = {100, 200};
// The hand cursor shows over the strip, measured from the window's top-left corner (caption
// included); left and top edges belong to it.
bool IsOverTerminateLink(int xWindow, int yWindow);
// A click opens the page only strictly inside the strip, in client coordinates.
bool IsTerminateLinkClick(int xClient, int yClient);

// The bar's text for an IPv4 address, first byte first: "192 : 168 : 0 : 10".
std::wstring FloatAddressText(const uint8_t bytes[4]);
