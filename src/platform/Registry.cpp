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

}  // namespace platform
