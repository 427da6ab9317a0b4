#include "Desktop.h"

#include <shellapi.h>

#include "resource.h"

namespace e2e {

bool ShellHasIcon(HWND hOwner) {
    NOTIFYICONDATAW nid = {};
    nid.cbSize = sizeof(nid);
    nid.hWnd = hOwner;
    nid.uID = 0;
    return ::Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

bool CloseAndTerminate(Session& s, HWND hMain) {
    ::PostMessageW(hMain, WM_CLOSE, 0, 0);
    const HWND hAsk = s.app.WaitWindow(kTerminateCaption, 10000);
    if (!hAsk) return false;
    ClickButton(hAsk, IDOK);
    return WaitUntil([&] { return !::IsWindow(hAsk); });
}

HWND OpenTerminateDialog(Session& s) {
    PressKey(s.hMain, IDC_NIC_LIST, VK_ESCAPE);
    return s.app.WaitWindow(kTerminateCaption, 10000);
}

namespace {
struct ClassSearch {
    DWORD pid;
    const wchar_t* className;
    int nItem;  // when non-zero, the window must hold this control
    bool bVisibleOnly;
    HWND found;
};

BOOL CALLBACK ClassProc(HWND hWnd, LPARAM lParam) {
    auto* c = reinterpret_cast<ClassSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != c->pid || (c->bVisibleOnly && !::IsWindowVisible(hWnd))) return TRUE;
    wchar_t name[64] = {};
    ::GetClassNameW(hWnd, name, 64);
    if (std::wstring(name) != c->className) return TRUE;
    if (c->nItem && !::GetDlgItem(hWnd, c->nItem)) return TRUE;
    c->found = hWnd;
    return FALSE;
}
}  // namespace

HWND FindProcessWindow(const App& app, const wchar_t* className) {
    ClassSearch c{app.ProcessId(), className, 0, true, nullptr};
    ::EnumWindows(ClassProc, reinterpret_cast<LPARAM>(&c));
    return c.found;
}

HWND FindFloatBar(const App& app) {
    ClassSearch c{app.ProcessId(), L"#32770", IDC_FLOAT_TEXT, false, nullptr};
    ::EnumWindows(ClassProc, reinterpret_cast<LPARAM>(&c));
    return c.found;
}

bool ChooseTrayEntry(Session& s, int nDown, const std::wstring& screenshot) {
    HWND hMenu = nullptr;
    const DWORD dwThread = ::GetWindowThreadProcessId(s.hMain, nullptr);
    const auto inMenu = [dwThread] {
        GUITHREADINFO gti = {};
        gti.cbSize = sizeof(gti);
        return ::GetGUIThreadInfo(dwThread, &gti) && (gti.flags & GUI_INMENUMODE);
    };
    // A menu opened while the focus still moves from a window that just closed is cancelled at
    // once, as on Windows (on a busy machine only after it has shown); a user then clicks again,
    // and so do we. A click while a menu is still on its way would close that one: on a busy
    // machine the menu takes seconds, so the next click waits until none is open.
    for (int attempt = 0; attempt < 3 && !hMenu; ++attempt) {
        WaitUntil([&] { return !inMenu(); }, 5000);
        ::PostMessageW(s.hMain, kTrayCallback, 0, WM_RBUTTONDOWN);
        WaitUntil([&] { return (hMenu = FindProcessWindow(s.app, L"#32768")) != nullptr; }, 10000);
        Pause(300);
        if (hMenu && !::IsWindowVisible(hMenu)) hMenu = nullptr;
    }
    if (!hMenu) return false;
    if (!screenshot.empty()) SaveScreenshot(screenshot);
    for (int i = 0; i < nDown; ++i) {
        ::PostMessageW(hMenu, WM_KEYDOWN, VK_DOWN, 1);
        Pause(50);
    }
    ::PostMessageW(hMenu, WM_KEYDOWN, VK_RETURN, 1);
    return WaitUntil([&] { return FindProcessWindow(s.app, L"#32768") == nullptr; });
}

std::wstring TaskFile() {
    wchar_t folder[MAX_PATH] = {};
    const UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, n) + L"\\tasks\\VorlIP";
}


std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// Runs VorlIP.exe of folder with arguments; with answer, expects a message box that starts with
// it (its whole text into pText when given) and presses OK. Returns the exit code.
DWORD RunCommand(const ScratchFolder& folder, const std::wstring& arguments,
                 const std::wstring& answer, const std::wstring& screenshot, std::wstring* pText) {
    App app;
    EXPECT_TRUE(app.Start(folder.ExePath(), arguments));
    if (!answer.empty()) {
        const HWND hBox = app.WaitMessageBox();
        EXPECT_NE(hBox, nullptr) << "no message box for " << Narrow(arguments);
        if (hBox) {
            const std::wstring text = App::MessageBoxText(hBox);
            EXPECT_EQ(text.rfind(answer, 0), 0u) << Narrow(text);
            if (pText) *pText = text;
            if (!screenshot.empty()) {
                Pause(400);  // the box is found before its text is drawn
                SaveScreenshot(screenshot);
            }
            App::PressButton(hBox, IDOK);
        }
    }
    const DWORD dwCode = app.WaitExit(30000);
    EXPECT_EQ(app.FindMessageBox(), nullptr) << Narrow(arguments);
    return dwCode;
}

}  // namespace e2e
