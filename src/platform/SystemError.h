#pragma once

#include <windows.h>

#include <string>

namespace platform {

// The system's text for an error code, or empty when the system has none.
std::wstring SystemErrorText(DWORD dwError);

// Leaves dwError where GetLastError finds it, as a failed system call would.
void SetLastErrorCode(DWORD dwError);

}  // namespace platform
