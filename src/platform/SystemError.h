#pragma once

#include <windows.h>

#include <string>

namespace platform {

// The system's text for an error code, or empty when the system has none.
std::wstring SystemErrorText(DWORD dwError);

}  // namespace platform
