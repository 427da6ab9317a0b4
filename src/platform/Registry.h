// Registry access: every registry call of the program goes through here.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

enum class RegRead { Ok, KeyMissing, ValueMissing, TooLarge, OtherError };

// Reads a string value into at most cbBuffer bytes (terminator included), as the program's
// callers size their buffers. Non-string data is reported as OtherError.
RegRead ReadRegString(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue,
                      std::wstring& text, DWORD cbBuffer);

}  // namespace platform
