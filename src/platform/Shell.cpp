#include "platform/Shell.h"

#include <windows.h>
#include <exdisp.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlobj.h>

#include "platform/Com.h"

namespace platform {

namespace {

// CLSID_ShellWindows and SID_STopLevelBrowser, spelled out: their definitions would otherwise
// come from a library.
constexpr CLSID kClsidShellWindows = {
    0x9ba05972, 0xf6a8, 0x11cf, {0xa4, 0x42, 0x00, 0xa0, 0xc9, 0x0a, 0x8f, 0x39}};
constexpr GUID kSidTopLevelBrowser = {
    0x4c96be40, 0x915c, 0x11cf, {0x99, 0xd3, 0x00, 0xaa, 0x00, 0x4a, 0xe8, 0x37}};

// The shell's own automation object, from the desktop window of the running Explorer: what it
// starts runs in Explorer's process, with the user's normal rights, not with ours.
HRESULT DesktopShellDispatch(com::Ptr<IShellDispatch2>& shell) {
    com::Ptr<IShellWindows> windows;
    HRESULT hr = com::CreateInstance(kClsidShellWindows, CLSCTX_LOCAL_SERVER,
                                     __uuidof(IShellWindows), windows.OutVoid());
    if (FAILED(hr)) return hr;
    VARIANT location = com::IntVariant(CSIDL_DESKTOP);
    VARIANT root = com::EmptyVariant();
    long hWnd = 0;
    com::Ptr<IDispatch> desktop;
    hr = windows->FindWindowSW(&location, &root, SWC_DESKTOP, &hWnd, SWFO_NEEDDISPATCH,
                               desktop.Out());
    // S_FALSE: no desktop window is registered (another shell, or none).
    if (hr != S_OK || !desktop) return FAILED(hr) ? hr : E_FAIL;
    com::Ptr<IServiceProvider> services;
    if (FAILED(hr = desktop->QueryInterface(__uuidof(IServiceProvider), services.OutVoid()))) {
        return hr;
    }
    com::Ptr<IShellBrowser> browser;
    hr = services->QueryService(kSidTopLevelBrowser, __uuidof(IShellBrowser), browser.OutVoid());
    if (FAILED(hr)) return hr;
    com::Ptr<IShellView> view;
    if (FAILED(hr = browser->QueryActiveShellView(view.Out()))) return hr;
    if (!view) return E_FAIL;
    com::Ptr<IDispatch> background;
    hr = view->GetItemObject(SVGIO_BACKGROUND, __uuidof(IDispatch), background.OutVoid());
    if (FAILED(hr)) return hr;
    com::Ptr<IShellFolderViewDual> folderView;
    hr = background->QueryInterface(__uuidof(IShellFolderViewDual), folderView.OutVoid());
    if (FAILED(hr)) return hr;
    com::Ptr<IDispatch> application;
    if (FAILED(hr = folderView->get_Application(application.Out()))) return hr;
    if (!application) return E_FAIL;
    return application->QueryInterface(__uuidof(IShellDispatch2), shell.OutVoid());
}

}  // namespace

bool OpenInBrowser(const std::wstring& url) {
    const com::Apartment apartment;
    if (FAILED(apartment.Status())) return false;
    com::Ptr<IShellDispatch2> shell;
    if (FAILED(DesktopShellDispatch(shell))) return false;
    const com::Bstr file(url.c_str());
    const com::Bstr verb(L"open");
    if (!file || !verb) return false;
    const VARIANT none = com::EmptyVariant();
    const VARIANT operation = com::StringVariant(verb);
    const VARIANT show = com::IntVariant(SW_SHOWNORMAL);
    return SUCCEEDED(shell->ShellExecute(file, none, none, operation, show));
}

bool AddNotifyIcon(HWND hOwner, UINT uId, UINT uCallbackMessage, HICON hIcon,
                   const std::wstring& tip) {
    NOTIFYICONDATAW nid = {};
    nid.cbSize = sizeof(nid);
    nid.hWnd = hOwner;
    nid.uID = uId;
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = uCallbackMessage;
    nid.hIcon = hIcon;
    tip.copy(nid.szTip, std::size(nid.szTip) - 1);
    return ::Shell_NotifyIconW(NIM_ADD, &nid) != FALSE;
}

bool ShowNotifyBalloon(HWND hOwner, UINT uId, const std::wstring& title, const std::wstring& text) {
    NOTIFYICONDATAW nid = {};
    nid.cbSize = sizeof(nid);
    nid.hWnd = hOwner;
    nid.uID = uId;
    nid.uFlags = NIF_INFO;
    nid.dwInfoFlags = NIIF_INFO;
    title.copy(nid.szInfoTitle, std::size(nid.szInfoTitle) - 1);
    text.copy(nid.szInfo, std::size(nid.szInfo) - 1);
    return ::Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

bool DeleteNotifyIcon(HWND hOwner, UINT uId) {
    NOTIFYICONDATAW nid = {};
    nid.cbSize = sizeof(nid);
    nid.hWnd = hOwner;
    nid.uID = uId;
    return ::Shell_NotifyIconW(NIM_DELETE, &nid) != FALSE;
}

UINT TaskbarCreatedMessage() {
    static const UINT s_uMessage = ::RegisterWindowMessageW(L"TaskbarCreated");
    return s_uMessage;
}

void AcceptFromShell(HWND hWnd, UINT uMessage) {
    ::ChangeWindowMessageFilterEx(hWnd, uMessage, MSGFLT_ALLOW, nullptr);
}

DWORD RegisterGlobalHotKey(HWND hWnd, int nId, UINT uModifiers, UINT uVirtualKey) {
    if (::RegisterHotKey(hWnd, nId, uModifiers, uVirtualKey)) return 0;
    const DWORD dwError = ::GetLastError();
    // A refusal without a code is still a refusal.
    return dwError != 0 ? dwError : ERROR_HOTKEY_ALREADY_REGISTERED;
}

void UnregisterGlobalHotKey(HWND hWnd, int nId) {
    ::UnregisterHotKey(hWnd, nId);
}

namespace {
// Whether anything follows the program's name, which ends at its closing quote or at the first
// blank, as the shell's splitter reads it. Nearly every start has nothing there; skipping the
// splitter then spares loading the shell library before the first window.
bool HasArguments(const wchar_t* pszLine) {
    const wchar_t* p = pszLine;
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {
        }
        if (*p) ++p;
    } else {
        for (; *p && *p != L' ' && *p != L'\t'; ++p) {
        }
    }
    for (; *p; ++p) {
        if (*p != L' ' && *p != L'\t') return true;
    }
    return false;
}
}  // namespace

std::vector<std::wstring> CommandLineArguments() {
    std::vector<std::wstring> args;
    const wchar_t* pszLine = ::GetCommandLineW();
    if (!HasArguments(pszLine)) return args;
    int nArgs = 0;
    LPWSTR* argv = ::CommandLineToArgvW(pszLine, &nArgs);
    if (!argv) return args;
    for (int i = 1; i < nArgs; ++i) args.emplace_back(argv[i]);
    ::LocalFree(argv);
    return args;
}

}  // namespace platform
