// Window sizes at the screen dpi the runner set (VORLIP_DPI) before starting Wine: the rows drawn
// for 96, 120 and 144 dpi exactly, and at any other scale a window that shows whole every control
// it must and none of the column it hides.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
    const RECT rc = WindowRect(hWnd);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

struct DrawnRow {
    int dpi;
    SIZE collapsed;
    SIZE expanded;
    SIZE terminate;  // placed in the corner from 120 dpi up
};

constexpr DrawnRow kDrawnRows[] = {
    {96, {370, 520}, {610, 520}, {300, 200}},
    {120, {430, 630}, {710, 630}, {350, 230}},
    {144, {550, 750}, {910, 750}, {460, 270}},
};

const DrawnRow* DrawnRowFor(int dpi) {
    for (const DrawnRow& r : kDrawnRows) {
        if (r.dpi == dpi) return &r;
    }
    return nullptr;
}

// A window never grows past the work area.
SIZE WithinWorkArea(SIZE size) {
    RECT work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {std::min<LONG>(size.cx, work.right - work.left),
            std::min<LONG>(size.cy, work.bottom - work.top)};
}

RECT ClientOnScreen(HWND hWnd) {
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// The pixels on the screen inside strip that are not the dialog's plain background.
int PaintedPixels(const RECT& strip) {
    HDC hScreen = ::GetDC(nullptr);
    const COLORREF background = ::GetSysColor(COLOR_BTNFACE);
    int nPainted = 0;
    for (int y = strip.top; y < strip.bottom; ++y) {
        for (int x = strip.left; x < strip.right; ++x) {
            if (::GetPixel(hScreen, x, y) != background) ++nPainted;
        }
    }
    ::ReleaseDC(nullptr, hScreen);
    return nPainted;
}

// Wider than a control's border and its focus rectangle.
constexpr int kStrip = 4;

// What a user sees at the window's right and bottom edges: plain background, no control cut in
// two and no control of a column that should stay hidden.
void ExpectNothingCut(HWND hDialog, const std::wstring& what) {
    SCOPED_TRACE(std::string(what.begin(), what.end()));
    const RECT client = ClientOnScreen(hDialog);
    EXPECT_EQ(PaintedPixels({client.right - kStrip, client.top, client.right, client.bottom}), 0)
        << "right edge";
    EXPECT_EQ(PaintedPixels({client.left, client.bottom - kStrip, client.right, client.bottom}), 0)
        << "bottom edge";
    for (HWND hChild = ::GetWindow(hDialog, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(hChild)) continue;
        const RECT rc = WindowRect(hChild);
        const std::wstring label = std::to_wstring(::GetDlgCtrlID(hChild)) + L" \"" +
                                   WindowText(hChild).substr(0, 20) + L"\"";
        EXPECT_FALSE(rc.left < client.right && rc.right > client.right)
            << "across the right edge: " << std::string(label.begin(), label.end());
        EXPECT_FALSE(rc.top < client.bottom && rc.bottom > client.bottom)
            << "across the bottom edge: " << std::string(label.begin(), label.end());
    }
}

// Whether any visible control that starts at or right of x (screen coordinates) shows in the
// client area.
bool ShowsAnythingFrom(HWND hDialog, LONG x) {
    const RECT client = ClientOnScreen(hDialog);
    for (HWND hChild = ::GetWindow(hDialog, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        const RECT rc = WindowRect(hChild);
        if (::IsWindowVisible(hChild) && rc.left >= x && rc.left < client.right) return true;
    }
    return false;
}

}  // namespace

TEST(Dpi, MainWindowShowsItsControlsWholeCollapsedAndExpanded) {
    const int dpi = RequestedDpi();
    if (dpi == 0) GTEST_SKIP() << "the runner sets VORLIP_DPI";
    HDC hScreen = ::GetDC(nullptr);
    ASSERT_EQ(::GetDeviceCaps(hScreen, LOGPIXELSX), dpi);
    ::ReleaseDC(nullptr, hScreen);
    const DrawnRow* row = DrawnRowFor(dpi);

    Session s;
    ASSERT_NE(s.hMain, nullptr);
    const RECT start = WindowRect(s.hMain);
    EXPECT_EQ(start.left, 0);
    EXPECT_EQ(start.top, 0);
    const std::wstring name = L"dpi_" + std::to_wstring(dpi);
    SaveScreenshot(name + L"_collapsed");
    if (row) {
        const SIZE collapsed = WithinWorkArea(row->collapsed);
        EXPECT_EQ(WindowSize(s.hMain).cx, collapsed.cx);
        EXPECT_EQ(WindowSize(s.hMain).cy, collapsed.cy);
    } else {
        ExpectNothingCut(s.hMain, L"collapsed");
        EXPECT_FALSE(ShowsAnythingFrom(s.hMain, WindowRect(::GetDlgItem(s.hMain, IDC_VISIT)).left))
            << "the options column shows while collapsed";
    }

    // ">>" keeps the window's top-left corner wherever the window stands, whatever its frame.
    ::SetWindowPos(s.hMain, nullptr, 30, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT moved = WindowRect(s.hMain);
    ClickButton(s.hMain, IDC_EXPAND);
    Pause(300);
    EXPECT_EQ(ItemText(s.hMain, IDC_EXPAND), L"<<");
    const RECT expanded = WindowRect(s.hMain);
    EXPECT_EQ(expanded.left, moved.left);
    EXPECT_EQ(expanded.top, moved.top);
    EXPECT_EQ(expanded.bottom - expanded.top, moved.bottom - moved.top);
    SaveScreenshot(name + L"_expanded");
    if (row) {
        EXPECT_EQ(WindowSize(s.hMain).cx, WithinWorkArea(row->expanded).cx);
    } else {
        ExpectNothingCut(s.hMain, L"expanded");
        EXPECT_FALSE(
            ShowsAnythingFrom(s.hMain, WindowRect(::GetDlgItem(s.hMain, IDC_OPTION_GROUP)).right))
            << "what lies beyond the options column shows";
    }

    ClickButton(s.hMain, IDC_EXPAND);
    Pause(300);
    const RECT back = WindowRect(s.hMain);
    EXPECT_EQ(back.left, moved.left);
    EXPECT_EQ(back.top, moved.top);
    EXPECT_EQ(back.right, moved.right);
    EXPECT_EQ(back.bottom, moved.bottom);
}

// The terminate dialog: below 120 dpi it keeps the place the system gave it; from 120 up it
// stands larger in the screen's corner. Its three buttons show whole, with room to spare; the
// disabled page button below them stays hidden (the label's large text is cut at any size).
TEST(Dpi, TerminateDialogSizeAndPlace) {
    const int dpi = RequestedDpi();
    if (dpi == 0) GTEST_SKIP() << "the runner sets VORLIP_DPI";
    const DrawnRow* row = DrawnRowFor(dpi);
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    PressKey(s.hMain, IDC_NIC_LIST, VK_ESCAPE);
    HWND hAsk = s.app.WaitWindow(L"VorlIP - Terminating..");
    ASSERT_NE(hAsk, nullptr);
    Pause(300);
    const RECT rc = WindowRect(hAsk);
    if (row) {
        EXPECT_EQ(WindowSize(hAsk).cx, row->terminate.cx);
        EXPECT_EQ(WindowSize(hAsk).cy, row->terminate.cy);
    } else {
        const RECT client = ClientOnScreen(hAsk);
        for (int nId : {IDOK, IDC_ASK_HIDE, IDC_ASK_FLOAT}) {
            const RECT button = WindowRect(::GetDlgItem(hAsk, nId));
            EXPECT_LE(button.right, client.right - kStrip) << nId;
            EXPECT_LE(button.bottom, client.bottom - kStrip) << nId;
        }
        EXPECT_GE(WindowRect(::GetDlgItem(hAsk, IDC_ASK_LAUNCHER)).top, client.bottom);
    }
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
