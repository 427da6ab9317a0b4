// Registry access: every registry call of the program goes through here.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace platform {

enum class RegRead { Ok, KeyMissing, ValueMissing, TooLarge, OtherError };

// Reads a string value into at most cbBuffer bytes (terminator included), as the program's
// callers size their buffers. Non-string data is reported as OtherError.
RegRead ReadRegString(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue,
                      std::wstring& text, DWORD cbBuffer);

// Reads a value of any size and type as text of cbSize / 2 characters, null characters included.
// KeyMissing when the key cannot be opened for reading; a value of size 0 is Ok and empty.
RegRead ReadRegText(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue,
                    std::wstring& text, DWORD& cbSize);

// Writes text as a REG_SZ value into an existing key, counting 2 bytes per character and no
// terminator, so an empty text becomes a value of size 0. False when the key cannot be opened
// for writing or the value cannot be written; a missing key is not created.
bool WriteRegTextUnterminated(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue,
                              std::wstring_view text);

// Deletes a value of an existing key; a value that is not there is no error. False when the key
// cannot be opened for writing or the value cannot be deleted.
bool DeleteRegValue(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue);

// The system codes of one change to a value: opening the key for writing, then the change itself
// (0 each for success; valueError stays 0 when the key could not be opened).
struct RegChange {
    LONG openError = 0;
    LONG valueError = 0;
};
// Writes text as a terminated REG_SZ value into an existing key.
RegChange SetRegString(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue,
                       const std::wstring& text);
// Deletes a value of an existing key; a value that is not there gives ERROR_FILE_NOT_FOUND.
RegChange RemoveRegValue(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue);

// Reads a REG_DWORD value; data of another type or size is OtherError.
RegRead ReadRegDword(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue, DWORD& data);
// Writes a REG_DWORD value into an existing key.
RegChange SetRegDword(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue, DWORD data);
// Writes text as a terminated REG_SZ value, creating the key first when it is missing.
RegChange CreateKeyAndSetString(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue,
                                const std::wstring& text);

}  // namespace platform
