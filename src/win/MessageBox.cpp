#include "win/MessageBox.h"

namespace win {

int ShowMessage(HWND hOwner, const std::wstring& text, UINT uType, const wchar_t* pszCaption) {
    if (!hOwner) hOwner = ::GetActiveWindow();
    return ::MessageBoxW(hOwner, text.c_str(), pszCaption, uType);
}

bool AskYesNo(HWND hOwner, const std::wstring& text) {
    return ShowMessage(hOwner, text, MB_YESNO | MB_ICONQUESTION, kConfirmCaption) == IDYES;
}

}  // namespace win
