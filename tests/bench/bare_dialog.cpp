// A bare Win32 dialog program, built like VorlIP.exe (same compiler, flags and static runtime):
// what starting any dialog program costs here, for the start-up bench to compare against.
#include <windows.h>
#include <commctrl.h>

namespace {

constexpr int kTemplateId = 1;

INT_PTR CALLBACK Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM) {
    if (uMsg == WM_INITDIALOG) return TRUE;
    if (uMsg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::EndDialog(hWnd, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    return static_cast<int>(
        ::DialogBoxParamW(hInstance, MAKEINTRESOURCEW(kTemplateId), nullptr, Proc, 0));
}
