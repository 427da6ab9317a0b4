#include "platform/Shell.h"

#include <windows.h>
#include <shellapi.h>

namespace platform {

bool OpenInBrowser(const std::wstring& url) {
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    // ShellExecute reports success with a value above 32.
    return result > 32;
}

}  // namespace platform
