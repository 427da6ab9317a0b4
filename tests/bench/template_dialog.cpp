// The program's own main window template shown by a dialog program that does nothing else: the
// floor under VorlIP's start-up on this system, beside the bare dialog's.
#include <windows.h>
#include <commctrl.h>

#include "resource.h"

namespace {

INT_PTR CALLBACK Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM) {
    if (uMsg == WM_INITDIALOG) {
        ::SetWindowTextW(hWnd, L"Template Dialog");
        return TRUE;
    }
    if (uMsg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::EndDialog(hWnd, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES};
    ::InitCommonControlsEx(&icc);
    return static_cast<int>(
        ::DialogBoxParamW(hInstance, MAKEINTRESOURCEW(IDD_VORLIP_DIALOG), nullptr, Proc, 0));
}
