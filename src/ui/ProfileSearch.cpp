#include "ui/ProfileSearch.h"

std::wstring FoldAsciiCase(std::wstring_view text) {
    std::wstring folded(text);
    for (wchar_t& ch : folded) {
        if (ch >= L'A' && ch <= L'Z') ch = static_cast<wchar_t>(ch - L'A' + L'a');
    }
    return folded;
}

std::vector<size_t> ProfilesContaining(std::wstring_view text, std::span<const Profile> profiles) {
    const std::wstring needle = FoldAsciiCase(text);
    std::vector<size_t> matches;
    for (size_t i = 0; i < profiles.size(); ++i) {
        if (FoldAsciiCase(profiles[i].title).find(needle) != std::wstring::npos) {
            matches.push_back(i);
        }
    }
    return matches;
}

std::optional<size_t> ProfileTitled(std::wstring_view title, std::span<const Profile> profiles) {
    for (size_t i = 0; i < profiles.size(); ++i) {
        if (title == profiles[i].title) return i;
    }
    return std::nullopt;
}

std::optional<size_t> ProfileForCommand(std::wstring_view title, std::span<const Profile> profiles,
                                        SameTitleIgnoringCase sameIgnoringCase) {
    if (const auto exact = ProfileTitled(title, profiles)) return exact;
    std::optional<size_t> found;
    for (size_t i = 0; i < profiles.size(); ++i) {
        if (!sameIgnoringCase(title, profiles[i].title)) continue;
        if (found) return std::nullopt;
        found = i;
    }
    return found;
}
