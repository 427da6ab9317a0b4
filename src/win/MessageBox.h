// Every message the program shows goes through here, so its texts and captions are in one place.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The program's name, the caption of every plain message.
inline constexpr wchar_t kAppCaption[] = L"VorlIP";
// The caption of every Yes/No question.
inline constexpr wchar_t kConfirmCaption[] = L"Confirm";

// Shows a message box owned by hOwner (or by the active window of this thread when null) and
// returns the button pressed (IDOK, IDYES, IDNO...).
int ShowMessage(HWND hOwner, const std::wstring& text, UINT uType = MB_OK,
                const wchar_t* pszCaption = kAppCaption);

// A Yes/No question with the "Confirm" caption and the question icon; true for Yes.
bool AskYesNo(HWND hOwner, const std::wstring& text);

}  // namespace win
