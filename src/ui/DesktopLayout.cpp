#include "ui/DesktopLayout.h"

bool IsOverTerminateLink(int xWindow, int yWindow) {
    return xWindow >= 0 && xWindow < kTerminateLinkSize.cx && yWindow >= 0 &&
           yWindow < kTerminateLinkSize.cy;
}

bool IsTerminateLinkClick(int xClient, int yClient) {
    return xClient > 0 && xClient < kTerminateLinkSize.cx && yClient > 0 &&
           yClient < kTerminateLinkSize.cy;
}

std::wstring FloatAddressText(const uint8_t bytes[4]) {
    std::wstring text;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) text += L" : ";
        text += std::to_wstring(bytes[i]);
    }
    return text;
}
