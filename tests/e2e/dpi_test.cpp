// Window sizes at the screen dpi the runner set (VORLIP_DPI) before starting Wine.
#include <gtest/gtest.h>

#include "Session.h"
#include "resource.h"

using namespace e2e;

namespace {

int RequestedDpi() {
    wchar_t buffer[16] = {};
    ::GetEnvironmentVariableW(L"VORLIP_DPI", buffer, 16);
    return _wtoi(buffer);
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
};

constexpr DpiRow kRows[] = {
    {96, {370, 520}, {610, 520}},
    {120, {430, 630}, {710, 630}},
    {144, {550, 750}, {910, 750}},
};

}  // namespace

TEST(Dpi, StartSizeAndExpandedWidthFollowTheScreenDpi) {
    const int dpi = RequestedDpi();
    if (dpi == 0) GTEST_SKIP() << "the runner sets VORLIP_DPI";
    HDC hScreen = ::GetDC(nullptr);
    ASSERT_EQ(::GetDeviceCaps(hScreen, LOGPIXELSX), dpi);
    ::ReleaseDC(nullptr, hScreen);

    Session s;
    ASSERT_NE(s.hMain, nullptr);
    const SIZE start = WindowSize(s.hMain);
    const DpiRow* row = nullptr;
    for (const DpiRow& r : kRows) {
        if (r.dpi == dpi) row = &r;
    }
    const std::wstring name = L"dpi_" + std::to_wstring(dpi);
    if (row) {
        EXPECT_EQ(start.cx, row->collapsed.cx);
        EXPECT_EQ(start.cy, row->collapsed.cy);
    } else {
        // Other dpi values keep the template's size: far wider than any of the table's rows.
        EXPECT_GT(start.cx, 1000);
    }
    SaveScreenshot(name + L"_collapsed");

    ClickButton(s.hMain, IDC_EXPAND);
    Pause(300);
    EXPECT_EQ(ItemText(s.hMain, IDC_EXPAND), L"<<");
    const SIZE expanded = WindowSize(s.hMain);
    if (row) {
        EXPECT_EQ(expanded.cx, row->expanded.cx);
        EXPECT_EQ(expanded.cy, row->expanded.cy);
    } else {
        EXPECT_EQ(expanded.cx, start.cx) << "unknown dpi: only the caption flips";
        EXPECT_EQ(expanded.cy, start.cy);
    }
    SaveScreenshot(name + L"_expanded");
}

// The terminate dialog: 300 x 200 where the system centred it, except at 120 and 144 dpi where it
// stands larger in the screen's corner.
TEST(Dpi, TerminateDialogSizeAndPlace) {
    const int dpi = RequestedDpi();
    if (dpi == 0) GTEST_SKIP() << "the runner sets VORLIP_DPI";
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    PressKey(s.hMain, IDC_NIC_LIST, VK_ESCAPE);
    HWND hAsk = s.app.WaitWindow(L"VorlIP - Terminating..");
    ASSERT_NE(hAsk, nullptr);
    Pause(300);
    RECT rc;
    ::GetWindowRect(hAsk, &rc);
    const SIZE size = WindowSize(hAsk);
    if (dpi == 120 || dpi == 144) {
        EXPECT_EQ(rc.left, 0);
        EXPECT_EQ(rc.top, 0);
        EXPECT_EQ(size.cx, dpi == 120 ? 350 : 460);
        EXPECT_EQ(size.cy, dpi == 120 ? 230 : 270);
    } else {
        EXPECT_EQ(size.cx, 300);
        EXPECT_EQ(size.cy, 200);
        EXPECT_GT(rc.left, 0) << "left where the system placed it";
    }
    SaveScreenshot(L"terminate_" + std::to_wstring(dpi));
    ClickButton(hAsk, IDOK);
    EXPECT_EQ(s.app.WaitExit(), 0u);
}
