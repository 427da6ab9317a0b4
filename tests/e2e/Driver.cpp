#include "Driver.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace e2e {

namespace {

std::wstring EnvOr(const wchar_t* name, const std::wstring& fallback) {
    wchar_t buffer[MAX_PATH * 2];
    const DWORD n = ::GetEnvironmentVariableW(name, buffer, MAX_PATH * 2);
    return n > 0 && n < MAX_PATH * 2 ? std::wstring(buffer, n) : fallback;
}

struct FindContext {
    DWORD dwProcessId;
    const std::wstring* pCaption;  // null: look for a message box
    HWND hFound;
};

BOOL CALLBACK FindProc(HWND hWnd, LPARAM lParam) {
    auto* ctx = reinterpret_cast<FindContext*>(lParam);
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hWnd, &dwPid);
    if (dwPid != ctx->dwProcessId || !::IsWindowVisible(hWnd)) return TRUE;
    if (ctx->pCaption) {
        if (WindowText(hWnd) == *ctx->pCaption) {
            ctx->hFound = hWnd;
            return FALSE;
        }
        return TRUE;
    }
    wchar_t className[64] = {};
    ::GetClassNameW(hWnd, className, 64);
    if (std::wstring(className) == L"#32770" && ::GetDlgItem(hWnd, 0xFFFF)) {
        ctx->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(DWORD dwPid, const std::wstring* pCaption) {
    FindContext ctx{dwPid, pCaption, nullptr};
    ::EnumWindows(FindProc, reinterpret_cast<LPARAM>(&ctx));
    return ctx.hFound;
}

// ---- a minimal PNG writer: RGB, deflate in stored blocks (no compression needed) ----

uint32_t Crc32(const uint8_t* p, size_t n, uint32_t crc = 0) {
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void PutBE32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(v >> s));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    PutBE32(out, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBE32(out, Crc32(body.data(), body.size()));
}

bool WritePng(const std::wstring& path, int width, int height, const std::vector<uint8_t>& rgb) {
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height) * (width * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const uint8_t* row = &rgb[static_cast<size_t>(y) * width * 3];
        raw.insert(raw.end(), row, row + width * 3);
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t pos = 0; pos < raw.size() || pos == 0;) {
        const size_t n = std::min<size_t>(65535, raw.size() - pos);
        const bool last = pos + n >= raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(n));
        z.push_back(static_cast<uint8_t>(n >> 8));
        z.push_back(static_cast<uint8_t>(~n));
        z.push_back(static_cast<uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
        pos += n;
        if (last) break;
    }
    PutBE32(z, (b << 16) | a);

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    PutBE32(ihdr, static_cast<uint32_t>(width));
    PutBE32(ihdr, static_cast<uint32_t>(height));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    PutChunk(png, "IHDR", ihdr);
    PutChunk(png, "IDAT", z);
    PutChunk(png, "IEND", {});
    return WriteFileBytes(path, {reinterpret_cast<const char*>(png.data()), png.size()});
}

}  // namespace

ScratchFolder::ScratchFolder(const std::wstring& testName) {
    const std::wstring root = EnvOr(L"VORLIP_SCRATCH", L"C:\\vorlip-e2e");
    ::CreateDirectoryW(root.c_str(), nullptr);
    m_path = root + L"\\" + testName;
    ::CreateDirectoryW(m_path.c_str(), nullptr);
    ::DeleteFileW(IniPath().c_str());
    const std::wstring exe = EnvOr(L"VORLIP_EXE", L"VorlIP.exe");
    ::CopyFileW(exe.c_str(), ExePath().c_str(), FALSE);
}

App::~App() {
    if (m_pi.hProcess) {
        if (IsRunning()) ::TerminateProcess(m_pi.hProcess, 99);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
        ::CloseHandle(m_pi.hProcess);
        ::CloseHandle(m_pi.hThread);
    }
}

bool App::Start(const std::wstring& exePath, const std::wstring& arguments) {
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    const std::wstring folder = exePath.substr(0, exePath.find_last_of(L'\\'));
    return ::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, folder.c_str(), &si, &m_pi) != FALSE;
}

DWORD App::WaitExit(DWORD dwMilliseconds) {
    if (!m_pi.hProcess) return STILL_ACTIVE;
    ::WaitForSingleObject(m_pi.hProcess, dwMilliseconds);
    DWORD dwCode = STILL_ACTIVE;
    ::GetExitCodeProcess(m_pi.hProcess, &dwCode);
    return dwCode;
}

bool App::IsRunning() const {
    return m_pi.hProcess && ::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

HWND App::WaitWindow(const std::wstring& caption, DWORD dwMilliseconds) const {
    for (DWORD waited = 0;; waited += 100) {
        if (HWND hWnd = FindTopLevel(m_pi.dwProcessId, &caption)) return hWnd;
        if (waited >= dwMilliseconds || !IsRunning()) return nullptr;
        Pause(100);
    }
}

HWND App::FindMessageBox() const {
    return FindTopLevel(m_pi.dwProcessId, nullptr);
}

HWND App::WaitMessageBox(DWORD dwMilliseconds) const {
    for (DWORD waited = 0;; waited += 100) {
        if (HWND hBox = FindMessageBox()) return hBox;
        if (waited >= dwMilliseconds || !IsRunning()) return nullptr;
        Pause(100);
    }
}

std::wstring App::MessageBoxText(HWND hBox) {
    return ItemText(hBox, 0xFFFF);
}

void App::PressButton(HWND hDialog, int nId) {
    ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nId)));
}

std::wstring WindowText(HWND hWnd) {
    const LRESULT n = ::SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(hWnd, WM_GETTEXT, n + 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::wstring ItemText(HWND hDialog, int nId) {
    return WindowText(::GetDlgItem(hDialog, nId));
}

std::vector<std::wstring> ComboItems(HWND hDialog, int nId) {
    std::vector<std::wstring> items;
    const LRESULT n = ::SendDlgItemMessageW(hDialog, nId, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        const LRESULT len = ::SendDlgItemMessageW(hDialog, nId, CB_GETLBTEXTLEN, i, 0);
        std::wstring text(static_cast<size_t>(len) + 1, L'\0');
        ::SendDlgItemMessageW(hDialog, nId, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(len));
        items.push_back(text);
    }
    return items;
}

int ComboSelection(HWND hDialog, int nId) {
    return static_cast<int>(::SendDlgItemMessageW(hDialog, nId, CB_GETCURSEL, 0, 0));
}

void SelectCombo(HWND hDialog, int nId, int nIndex) {
    HWND hCombo = ::GetDlgItem(hDialog, nId);
    ::SendMessageW(hCombo, CB_SETCURSEL, nIndex, 0);
    ::SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hCombo));
}

void PostSelectCombo(HWND hDialog, int nId, int nIndex) {
    HWND hCombo = ::GetDlgItem(hDialog, nId);
    ::SendMessageW(hCombo, CB_SETCURSEL, nIndex, 0);
    ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hCombo));
}

bool SendClose(HWND hWnd) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(hWnd, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

void ClickButton(HWND hDialog, int nId) {
    ::PostMessageW(::GetDlgItem(hDialog, nId), BM_CLICK, 0, 0);
}

void PressKey(HWND hDialog, int nFocusId, UINT vk) {
    HWND hTarget = ::GetDlgItem(hDialog, nFocusId);
    // An editable combo box takes keys in its child edit.
    if (HWND hEdit = ::FindWindowExW(hTarget, nullptr, L"Edit", nullptr)) hTarget = hEdit;
    ::PostMessageW(hTarget, WM_KEYDOWN, vk, 1);
    ::PostMessageW(hTarget, WM_KEYUP, vk, 0xC0000001);
}

std::wstring IpText(HWND hDialog, int nId) {
    HWND hIp = ::GetDlgItem(hDialog, nId);
    // The control's child order is not its field order on every system; sort by position.
    std::vector<std::pair<LONG, std::wstring>> byX;
    for (HWND hEdit = ::FindWindowExW(hIp, nullptr, L"Edit", nullptr); hEdit;
         hEdit = ::FindWindowExW(hIp, hEdit, L"Edit", nullptr)) {
        RECT rc;
        ::GetWindowRect(hEdit, &rc);
        byX.emplace_back(rc.left, WindowText(hEdit));
    }
    std::sort(byX.begin(), byX.end());
    std::wstring text;
    bool any = false;
    for (size_t i = 0; i < byX.size(); ++i) {
        if (i > 0) text += L'.';
        text += byX[i].second;
        any = any || !byX[i].second.empty();
    }
    return any ? text : std::wstring();
}

std::wstring SaveScreenshot(const std::wstring& name) {
    const std::wstring folder = EnvOr(L"VORLIP_SHOTS", L".");
    const std::wstring path = folder + L"\\" + name + L".png";
    HDC hScreen = ::GetDC(nullptr);
    const int width = ::GetDeviceCaps(hScreen, HORZRES);
    const int height = ::GetDeviceCaps(hScreen, VERTRES);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, width, height, hScreen, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    const auto* src = static_cast<const uint8_t*>(pBits);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
        rgb[i * 3 + 0] = src[i * 4 + 2];
        rgb[i * 3 + 1] = src[i * 4 + 1];
        rgb[i * 3 + 2] = src[i * 4 + 0];
    }
    ::DeleteDC(hMem);
    ::DeleteObject(hBitmap);
    ::ReleaseDC(nullptr, hScreen);
    return WritePng(path, width, height, rgb) ? path : std::wstring();
}

void Pause(DWORD dwMilliseconds) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < dwMilliseconds) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(20);
    }
}

}  // namespace e2e

namespace e2e {

void SetText(HWND hDialog, int nId, const std::wstring& text) {
    ::SendDlgItemMessageW(hDialog, nId, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SetIp(HWND hDialog, int nId, BYTE b0, BYTE b1, BYTE b2, BYTE b3) {
    ::SendDlgItemMessageW(hDialog, nId, IPM_SETADDRESS, 0, MAKEIPADDRESS(b0, b1, b2, b3));
}

bool HasChildWithText(HWND hDialog, const std::wstring& text) {
    for (HWND hChild = ::GetWindow(hDialog, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (WindowText(hChild) == text) return true;
    }
    return false;
}

bool IsEnabled(HWND hDialog, int nId) {
    return ::IsWindowEnabled(::GetDlgItem(hDialog, nId));
}

bool IsChecked(HWND hDialog, int nId) {
    return ::SendDlgItemMessageW(hDialog, nId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::wstring IniValue(const std::wstring& path, const std::wstring& section,
                      const std::wstring& key) {
    wchar_t buffer[2048] = {};
    ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"<missing>", buffer, 2048,
                               path.c_str());
    return buffer;
}

std::vector<std::wstring> IniSections(const std::wstring& path) {
    std::vector<wchar_t> buffer(1 << 16);
    const DWORD n = ::GetPrivateProfileSectionNamesW(
        buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    std::vector<std::wstring> names;
    for (DWORD pos = 0; pos < n;) {
        std::wstring name(&buffer[pos]);
        pos += static_cast<DWORD>(name.size()) + 1;
        names.push_back(name);
    }
    return names;
}

// A visible top-level window of the program other than its main window and message boxes.
HWND FindBusyWindow(const App& app, HWND hMain) {
    struct Ctx {
        DWORD pid;
        HWND hMain;
        HWND found;
    } ctx{app.ProcessId(), hMain, nullptr};
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* c = reinterpret_cast<Ctx*>(lParam);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(hWnd, &pid);
            if (pid == c->pid && hWnd != c->hMain && ::IsWindowVisible(hWnd) &&
                !::GetDlgItem(hWnd, 0xFFFF) && WindowText(hWnd).empty()) {
                c->found = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

}  // namespace e2e
