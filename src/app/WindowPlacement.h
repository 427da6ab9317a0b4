// Window sizes and placement on the monitor's work area, for the main window and the terminate
// dialog.
#pragma once

#include <windows.h>

#include <algorithm>

#include "platform/System.h"
#include "ui/WindowSizes.h"

// What the sizes of WindowSizes.h are built from: the dialog hWnd's own base units (its font as
// the system chose it for this scale) and what its frame and caption add around the client area.
inline DialogMetrics MetricsOf(HWND hWnd) {
    RECT units = {0, 0, 4, 8};
    ::MapDialogRect(hWnd, &units);
    RECT frame = {0, 0, 0, 0};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(hWnd, GWL_EXSTYLE)));
    return {units.right, units.bottom, {frame.right - frame.left, frame.bottom - frame.top}};
}

// Gives hWnd the rectangle (x, y, cx, cy), moved and if need be shrunk so that it lies in the work
// area of the monitor that holds most of the window.
inline void PlaceInWorkArea(HWND hWnd, int x, int y, int cx, int cy) {
    const platform::ScreenArea work = platform::WorkAreaOf(hWnd);
    const PixelRect rc = FitInWorkArea({x, y, cx, cy}, {work.x, work.y, work.cx, work.cy});
    ::SetWindowPos(hWnd, nullptr, rc.x, rc.y, rc.cx, rc.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Gives hWnd the size cx x cy, at most its monitor's work area, keeping its top-left corner
// wherever it is, whatever the frame around the client area.
inline void ResizeKeepingCorner(HWND hWnd, int cx, int cy) {
    const platform::ScreenArea work = platform::WorkAreaOf(hWnd);
    ::SetWindowPos(hWnd, nullptr, 0, 0, std::min(cx, work.cx), std::min(cy, work.cy),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
