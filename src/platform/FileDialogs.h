// The system's file dialogs (comdlg32, loaded at the first call). Each asks for one file and
// gives its full path, or nothing when the user cancelled.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// filter is the dialog's filter text: "name\0pattern\0" pairs ending in a second NUL.

// An existing file to open.
std::wstring AskFileToOpen(HWND hOwner, const std::wstring& title, const std::wstring& filter);

// A file to write; the dialog proposes proposedName and asks before an existing file is
// replaced. A name typed without an extension gets ".ini".
std::wstring AskFileToSave(HWND hOwner, const std::wstring& title, const std::wstring& filter,
                           const std::wstring& proposedName);

}  // namespace platform
