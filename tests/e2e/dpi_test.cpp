// Window sizes at the screen dpi the runner set (VORLIP_DPI) before starting Wine.
#include <gtest/gtest.h>

#include <algorithm>

#include "Session.h"
#include "resource.h"

using namespace e2e;

namespace {

int RequestedDpi() {
    wchar_t buffer[16] = {};
    ::GetEnvironmentVariableW(L"VORLIP_DPI", buffer, 16);
    return _wtoi(buffer);
}

RECT WindowRect(HWND hWnd) {
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

SIZE WindowSize(HWND hWnd) {
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

struct DpiRow {
    int dpi;
    SIZE collapsed;
    SIZE expanded;
    SIZE terminate;  // placed in the corner from 120 dpi up
};

// The three drawn rows, and scales between and above them: the nearest lower row times
// dpi / row dpi.
constexpr DpiRow kRows[] = {
    {96, {370, 520}, {610, 520}, {300, 200}},   {120, {430, 630}, {710, 630}, {350, 230}},
    {144, {550, 750}, {910, 750}, {460, 270}},  {110, {424, 596}, {699, 596}, {344, 229}},
    {168, {642, 875}, {1062, 875}, {537, 315}}, {192, {733, 1000}, {1213, 1000}, {613, 360}},
};

const DpiRow* RowFor(int dpi) {
    for (const DpiRow& r : kRows) {
        if (r.dpi == dpi) return &r;
    }
    return nullptr;
}

// A window never grows past the work area (the rig's screen is 1280 x 900).
SIZE WithinWorkArea(SIZE size) {
    RECT work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {std::min<LONG>(size.cx, work.right - work.left),
            std::min<LONG>(size.cy, work.bottom - work.top)};
}

}  // namespace

TEST(Dpi, StartSizeAndExpandedWidthFollowTheScreenDpi) {
    const int dpi = RequestedDpi();
    if (dpi == 0) GTEST_SKIP() << "the runner sets VORLIP_DPI";
    HDC hScreen = ::GetDC(nullptr);
    ASSERT_EQ(::GetDeviceCaps(hScreen, LOGPIXELSX), dpi);
    ::ReleaseDC(nullptr, hScreen);
    const DpiRow* row = RowFor(dpi);
    ASSERT_NE(row, nullptr) << "add a row for " << dpi;

    Session s;
    ASSERT_NE(s.hMain, nullptr);
    const RECT start = WindowRect(s.hMain);
    const SIZE startSize = WindowSize(s.hMain);
    const SIZE collapsed = WithinWorkArea(row->collapsed);
    EXPECT_EQ(startSize.cx, collapsed.cx);
    EXPECT_EQ(startSize.cy, collapsed.cy);
    EXPECT_EQ(start.left, 0);
    EXPECT_EQ(start.top, 0);
    const std::wstring name = L"dpi_" + std::to_wstring(dpi);
    SaveScreenshot(name + L"_collapsed");

    // ">>" keeps the window's top-left corner wherever the window stands, whatever its frame.
    ::SetWindowPos(s.hMain, nullptr, 30, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT moved = WindowRect(s.hMain);
    ClickButton(s.hMain, IDC_EXPAND);
    Pause(300);
    EXPECT_EQ(ItemText(s.hMain, IDC_EXPAND), L"<<");
    const RECT expandedRect = WindowRect(s.hMain);
    const SIZE expanded = WithinWorkArea(row->expanded);
    EXPECT_EQ(expandedRect.right - expandedRect.left, expanded.cx);
    EXPECT_EQ(expandedRect.bottom - expandedRect.top, expanded.cy);
    EXPECT_EQ(expandedRect.left, moved.left);
    EXPECT_EQ(expandedRect.top, moved.top);
    SaveScreenshot(name + L"_expanded");

    ClickButton(s.hMain, IDC_EXPAND);
    Pause(300);
    const RECT back = WindowRect(s.hMain);
    EXPECT_EQ(back.left, moved.left);
    EXPECT_EQ(back.top, moved.top);
    EXPECT_EQ(back.right, moved.right);
    EXPECT_EQ(back.bottom, moved.bottom);
}

// The terminate dialog: below 120 dpi it keeps the place the system gave it; from 120 up it
// stands larger in the screen's corner.
TEST(Dpi, TerminateDialogSizeAndPlace) {
    const int dpi = RequestedDpi();
    if (dpi == 0) GTEST_SKIP() << "the runner sets VORLIP_DPI";
    const DpiRow* row = RowFor(dpi);
    ASSERT_NE(row, nullptr) << "add a row for " << dpi;
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    PressKey(s.hMain, IDC_NIC_LIST, VK_ESCAPE);
    HWND hAsk = s.app.WaitWindow(L"VorlIP - Terminating..");
    ASSERT_NE(hAsk, nullptr);
    Pause(300);
    RECT rc;
    ::GetWindowRect(hAsk, &rc);
    const SIZE size = WindowSize(hAsk);
    EXPECT_EQ(size.cx, row->terminate.cx);
    EXPECT_EQ(size.cy, row->terminate.cy);
    if (dpi >= 120) {
        EXPECT_EQ(rc.left, 0);
        EXPECT_EQ(rc.top, 0);
    } else {
        EXPECT_GT(rc.left, 0) << "left where the system placed it";
    }
    SaveScreenshot(L"terminate_" + std::to_wstring(dpi));
    ClickButton(hAsk, IDOK);
    EXPECT_EQ(s.app.WaitExit(), 0u);
}
