#include "platform/SystemError.h"

namespace platform {

std::wstring SystemErrorText(DWORD dwError) {
    LPWSTR pszText = nullptr;
    const DWORD nLength = ::FormatMessageW(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
        nullptr, dwError, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<LPWSTR>(&pszText), 0, nullptr);
    std::wstring text;
    if (nLength > 0 && pszText) text.assign(pszText, nLength);
    if (pszText) ::LocalFree(pszText);
    return text;
}

void SetLastErrorCode(DWORD dwError) {
    ::SetLastError(dwError);
}

}  // namespace platform
