#include "platform/Registry.h"

#include <vector>

namespace platform {

RegRead ReadRegString(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue,
                      std::wstring& text, DWORD cbBuffer) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(hRoot, subKey.c_str(), 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS) {
        return RegRead::KeyMissing;
    }
    // One spare character so that a value stored without its terminator still ends.
    std::vector<wchar_t> buffer(cbBuffer / sizeof(wchar_t) + 1, L'\0');
    DWORD dwType = 0;
    DWORD cbData = cbBuffer;
    const LONG lResult = ::RegQueryValueExW(hKey, pszValue, nullptr, &dwType,
                                            reinterpret_cast<BYTE*>(buffer.data()), &cbData);
    ::RegCloseKey(hKey);
    if (lResult == ERROR_FILE_NOT_FOUND) return RegRead::ValueMissing;
    if (lResult == ERROR_MORE_DATA) return RegRead::TooLarge;
    if (lResult != ERROR_SUCCESS) return RegRead::OtherError;
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ) return RegRead::OtherError;
    text.assign(buffer.data());
    return RegRead::Ok;
}

RegRead ReadRegText(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue,
                    std::wstring& text, DWORD& cbSize) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(hRoot, subKey.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS || !hKey) {
        return RegRead::KeyMissing;
    }
    DWORD cbData = 0;
    LONG lResult = ::RegQueryValueExW(hKey, pszValue, nullptr, nullptr, nullptr, &cbData);
    // Whole characters plus one, so an odd byte count still fits.
    std::vector<wchar_t> buffer(cbData / sizeof(wchar_t) + 2, L'\0');
    if (lResult == ERROR_SUCCESS && cbData > 0) {
        // A value that grew between the two calls reads as TooLarge rather than half a text.
        lResult = ::RegQueryValueExW(hKey, pszValue, nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(buffer.data()), &cbData);
    }
    ::RegCloseKey(hKey);
    if (lResult == ERROR_FILE_NOT_FOUND) return RegRead::ValueMissing;
    if (lResult == ERROR_MORE_DATA) return RegRead::TooLarge;
    if (lResult != ERROR_SUCCESS) return RegRead::OtherError;
    cbSize = cbData;
    text.assign(buffer.data(), cbData / sizeof(wchar_t));
    return RegRead::Ok;
}

bool WriteRegTextUnterminated(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue,
                              std::wstring_view text) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(hRoot, subKey.c_str(), 0, KEY_WRITE, &hKey) != ERROR_SUCCESS || !hKey) {
        return false;
    }
    const std::wstring copy(text);
    const LONG nResult =
        ::RegSetValueExW(hKey, pszValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(copy.c_str()),
                         static_cast<DWORD>(copy.size() * sizeof(wchar_t)));
    ::RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS;
}

bool DeleteRegValue(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(hRoot, subKey.c_str(), 0, KEY_WRITE, &hKey) != ERROR_SUCCESS || !hKey) {
        return false;
    }
    const LONG nResult = ::RegDeleteValueW(hKey, pszValue);
    ::RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS || nResult == ERROR_FILE_NOT_FOUND;
}

namespace {

// Writes a string value into an open key and closes it; the system's error code, 0 when done.
LONG SetStringAndClose(HKEY hKey, const wchar_t* pszValue, const std::wstring& text) {
    const LONG nError =
        ::RegSetValueExW(hKey, pszValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(hKey);
    return nError;
}

}  // namespace

RegChange SetRegString(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue,
                       const std::wstring& text) {
    RegChange change;
    HKEY hKey = nullptr;
    change.openError = ::RegOpenKeyExW(hRoot, subKey.c_str(), 0, KEY_WRITE, &hKey);
    if (change.openError != ERROR_SUCCESS) return change;
    change.valueError = SetStringAndClose(hKey, pszValue, text);
    return change;
}

RegChange RemoveRegValue(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue) {
    RegChange change;
    HKEY hKey = nullptr;
    change.openError = ::RegOpenKeyExW(hRoot, subKey.c_str(), 0, KEY_WRITE, &hKey);
    if (change.openError != ERROR_SUCCESS) return change;
    change.valueError = ::RegDeleteValueW(hKey, pszValue);
    ::RegCloseKey(hKey);
    return change;
}

RegRead ReadRegDword(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue, DWORD& data) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(hRoot, subKey.c_str(), 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS) {
        return RegRead::KeyMissing;
    }
    DWORD dwType = 0;
    DWORD value = 0;
    DWORD cbData = sizeof(value);
    const LONG lResult = ::RegQueryValueExW(hKey, pszValue, nullptr, &dwType,
                                            reinterpret_cast<BYTE*>(&value), &cbData);
    ::RegCloseKey(hKey);
    if (lResult == ERROR_FILE_NOT_FOUND) return RegRead::ValueMissing;
    if (lResult != ERROR_SUCCESS || dwType != REG_DWORD || cbData != sizeof(value)) {
        return RegRead::OtherError;
    }
    data = value;
    return RegRead::Ok;
}

RegChange SetRegDword(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue, DWORD data) {
    RegChange change;
    HKEY hKey = nullptr;
    change.openError = ::RegOpenKeyExW(hRoot, subKey.c_str(), 0, KEY_WRITE, &hKey);
    if (change.openError != ERROR_SUCCESS) return change;
    change.valueError = ::RegSetValueExW(hKey, pszValue, 0, REG_DWORD,
                                         reinterpret_cast<const BYTE*>(&data), sizeof(data));
    ::RegCloseKey(hKey);
    return change;
}

RegChange CreateKeyAndSetString(HKEY hRoot, const std::wstring& subKey, const wchar_t* pszValue,
                                const std::wstring& text) {
    RegChange change;
    HKEY hKey = nullptr;
    change.openError =
        ::RegCreateKeyExW(hRoot, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr);
    if (change.openError != ERROR_SUCCESS) return change;
    change.valueError = SetStringAndClose(hKey, pszValue, text);
    return change;
}

}  // namespace platform
