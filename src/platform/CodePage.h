// Text conversions between the system's code pages and UTF-16, and the system's comparison of
// text without regard to case.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Returns bytes in the system's ANSI code page as UTF-16; empty when they cannot be converted.
std::wstring AnsiToWide(const std::string& bytes);

// Whether a and b are equal when letters are compared without regard to case, by the system's
// upper-case table (CompareStringOrdinal), as the private-profile functions compare names.
bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace platform
