// Web pages opened from the program's windows (the project page, the social page, a new
// version's download page).
#pragma once

#include <windows.h>

#include <string>

// Opens url in the user's browser through the desktop shell, with the user's normal rights.
// Where the desktop shell cannot take it, shows the address in a message owned by hOwner, in
// language, for the user to copy: the program never starts a browser itself, which would run
// with its administrator rights.
void OpenWebPage(HWND hOwner, const std::wstring& url, int language);
