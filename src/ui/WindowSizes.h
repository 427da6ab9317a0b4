// Main-window sizes in pixels by screen dpi. The template is far wider than the window is ever
// made; these sizes show the left panel, or both panels when expanded.
#pragma once

#include <optional>

struct PixelSize {
    int cx;
    int cy;
    bool operator==(const PixelSize&) const = default;
};

// Size given at the first size message; other dpi values keep the template's size.
std::optional<PixelSize> StartSizeForDpi(int nDpi);

struct ExpandGeometry {
    PixelSize size;
    int dy;  // caption height: the window's top is the client top minus this
};

// Size after ">>"/"<<" for the new expanded state. Normal mode knows 96, 120 and 144 dpi only;
// size-trouble mode has one row below 144 dpi and one from 144 up.
std::optional<ExpandGeometry> ExpandGeometryFor(int nDpi, bool bSizeTrouble, bool bExpanded);

// Frame width: the window's left is the client left minus this.
inline constexpr int kExpandFrameWidth = 3;
