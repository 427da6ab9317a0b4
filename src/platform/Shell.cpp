#include "platform/Shell.h"

#include <windows.h>
#include <shellapi.h>

namespace platform {

bool OpenInBrowser(const std::wstring& url) {
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    // ShellExecute reports success with a value above 32.
    return result > 32;
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

std::vector<std::wstring> CommandLineArguments() {
    std::vector<std::wstring> args;
    int nArgs = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    if (!argv) return args;
    for (int i = 1; i < nArgs; ++i) args.emplace_back(argv[i]);
    ::LocalFree(argv);
    return args;
}

}  // namespace platform
