// Shell actions: every ShellExecuteW of the program goes through here.
#pragma once

#include <string>

namespace platform {

// Opens an address in the user's default browser, shown normally. False when the shell refused.
bool OpenInBrowser(const std::wstring& url);

}  // namespace platform
