// Matching profile titles against the search window's text.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "net/NICs.h"

// text with A-Z turned into a-z; every other character, accented letters included, is kept.
std::wstring FoldAsciiCase(std::wstring_view text);

// Indexes, in stored order, of the profiles whose title contains text, case folded as above.
std::vector<size_t> ProfilesContaining(std::wstring_view text, std::span<const Profile> profiles);

// Index of the first profile, in stored order, whose title is exactly title; none when no title
// is. A listed entry names one title, so a longer title that merely contains it is not its
// profile.
std::optional<size_t> ProfileTitled(std::wstring_view title, std::span<const Profile> profiles);

// Whether two titles are the same but for case, by whichever rule the caller's file follows.
using SameTitleIgnoringCase = bool (*)(std::wstring_view, std::wstring_view);

// The profile a command line's title names: the one the tray menu picks for that title (the
// first exact match); failing that, the one profile that sameIgnoringCase matches; none when no
// title matches, or several match only ignoring case.
std::optional<size_t> ProfileForCommand(std::wstring_view title, std::span<const Profile> profiles,
                                        SameTitleIgnoringCase sameIgnoringCase);
