// Text conversions between the system's code pages and UTF-16.
#pragma once

#include <string>

namespace platform {

// Returns bytes in the system's ANSI code page as UTF-16; empty when they cannot be converted.
std::wstring AnsiToWide(const std::string& bytes);

}  // namespace platform
