// The section-name list of the configuration file, as GetPrivateProfileSectionNamesW hands it
// over: names separated by terminators, the whole list ended by a second terminator.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// First buffer size to try; large enough for a typical file in one call.
inline constexpr size_t kSectionNamesInitialChars = 40960;

// Splits the characters the call reported (its return value, which leaves out the final
// terminator) into names. Every terminator closes one name, so an empty section name is kept as
// an empty string; characters after the last terminator are an unfinished name and dropped.
// Names are kept whole, whatever their length.
std::vector<std::wstring> SplitSectionNames(std::wstring_view returned);

// The call reports a list that did not fit by returning exactly bufferChars - 2. A list that
// fills the buffer to that length exactly is indistinguishable from a cut one, so it counts as
// not fitting too; the caller then grows the buffer and asks again.
bool SectionNamesFit(size_t returned, size_t bufferChars);

// The next buffer size to try after a list did not fit.
size_t GrowSectionNamesBuffer(size_t bufferChars);

// The blanks the private-profile functions strip around section names, key names and values
// (space, tab to carriage return, and the old end-of-file mark).
bool IsIniBlank(wchar_t c);
std::wstring_view TrimIniBlanks(std::wstring_view text);

// Whether a section name is the options section as the private-profile functions see it:
// without regard to case (ASCII, as the name is) or to surrounding blanks.
bool IsOptionsSectionName(std::wstring_view name);
